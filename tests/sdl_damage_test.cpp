// Which parts of a window are drawn again after a change, including while its picture is shaken
// partly out of the window.
#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/damage.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace platform;
using platform::sdl::damage;
using platform::sdl::Placement;
using platform::sdl::survey;

namespace {

struct Idle : Backend {
    void wait(Runtime&, std::optional<Micros>) override { }
    WindowPlace place_window(Form&) override { return {}; }
};

struct Scene {
    VirtualClock clock;
    Idle backend;
    Runtime runtime { clock, backend };
    Form& form = runtime.adopt(std::make_unique<Form>(runtime, "scene", FormStyle { .caption = {}, .width = 200, .height = 100 }));
    Label health { form, "health", { 0, 0, 40, 20 }, {}, "10" };
    Sprite actor { form, "actor", { 100, 50, 20, 20 } };
    SDL_Rect const window { 0, 0, 200, 100 };
};

bool same(SDL_Rect const& a, SDL_Rect const& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

}

TEST(Damage, AChangeRedrawsWhereTheControlWasAndIsAndNothingElse)
{
    Scene scene;
    auto const before = survey(scene.form, {}, nullptr);
    EXPECT_TRUE(damage(before, survey(scene.form, {}, nullptr), scene.window)->empty());

    scene.actor.set_left(110);
    auto const moved = damage(before, survey(scene.form, {}, nullptr), scene.window);
    ASSERT_TRUE(moved);
    ASSERT_EQ(moved->size(), 1u);
    EXPECT_TRUE(same(moved->front(), { 100, 50, 30, 20 }));

    // Another placement of the whole picture: everything is drawn again.
    EXPECT_FALSE(damage(before, survey(scene.form, Placement { 1, -2, -2 }, nullptr), scene.window));
}

TEST(Damage, AreasOfAShakenPictureAreCutToTheWindow)
{
    Scene scene;
    Placement const shaken { 1, -2, -2 };
    auto const before = survey(scene.form, shaken, nullptr);
    scene.health.set_caption("0");
    scene.actor.set_left(190);
    auto const areas = damage(before, survey(scene.form, shaken, nullptr), scene.window);
    ASSERT_TRUE(areas);
    ASSERT_EQ(areas->size(), 3u);
    // The label's visible part from the window's corner; the sprite where it was, and where it is
    // up to the right edge.
    EXPECT_TRUE(same((*areas)[0], { 0, 0, 38, 18 }));
    EXPECT_TRUE(same((*areas)[1], { 98, 48, 20, 20 }));
    EXPECT_TRUE(same((*areas)[2], { 188, 48, 12, 20 }));

    // A control that leaves the window altogether is only cleared from where it was.
    auto const later = survey(scene.form, shaken, nullptr);
    scene.actor.set_left(400);
    auto const gone = damage(later, survey(scene.form, shaken, nullptr), scene.window);
    ASSERT_TRUE(gone);
    ASSERT_EQ(gone->size(), 1u);
    EXPECT_TRUE(same(gone->front(), { 188, 48, 12, 20 }));
}

TEST(Damage, AreasNeverOverlapAndCoverEveryChangedPixel)
{
    // Sprites in a diagonal chain, each overlapping the next, all moving a little: the pixels
    // to draw are exactly those of the changed places (and a few spare ones where two areas are
    // joined), none of them drawn twice.
    std::vector<SDL_Rect> changed;
    for (int i = 0; i < 15; ++i) {
        changed.push_back({ 20 + 64 * i, 200 + 34 * i, 70, 70 });
        changed.push_back({ 26 + 64 * i, 204 + 34 * i, 70, 70 });
    }
    platform::sdl::Rects areas;
    for (auto const& r : changed)
        platform::sdl::add_area(areas, r);
    long drawn = 0;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        drawn += long(areas[i].w) * areas[i].h;
        for (std::size_t j = i + 1; j < areas.size(); ++j)
            EXPECT_FALSE(SDL_HasIntersection(&areas[i], &areas[j])) << i << " and " << j;
    }
    long needed = 0;
    for (int y = 0; y < 800; ++y) {
        for (int x = 0; x < 1100; ++x) {
            SDL_Point const p { x, y };
            bool const in_changed = std::any_of(changed.begin(), changed.end(), [&](SDL_Rect const& r) { return SDL_PointInRect(&p, &r); });
            bool const in_area = std::any_of(areas.begin(), areas.end(), [&](SDL_Rect const& r) { return SDL_PointInRect(&p, &r); });
            needed += in_changed;
            EXPECT_TRUE(in_area || !in_changed) << x << ", " << y;
        }
    }
    // Joining a moving sprite's two places wastes a few dozen pixels each, never the whole
    // rectangle around the chain.
    EXPECT_LT(drawn, needed + 15 * 100) << drawn - needed;
}
