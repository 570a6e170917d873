// Which parts of a window are drawn again after a change, including while its picture is shaken
// partly out of the window.
#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/damage.hpp"

#include <gtest/gtest.h>

#include <memory>

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
