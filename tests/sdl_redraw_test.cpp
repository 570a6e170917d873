// A window that draws only what changed must end up showing what a full drawing shows: exactly
// the screenshot's pixels, and within a shade of SDL's own renderer drawing everything.
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/form_painter.hpp"
#include "platform/sdl/form_window.hpp"
#include "platform/sdl/screenshot.hpp"
#include "platform/sdl/sdl_video.hpp"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

using namespace platform;
using namespace platform::sdl;

namespace {

class NoDisplay final : public Backend {
public:
    void wait(Runtime&, std::optional<Micros>) override { }
    WindowPlace place_window(Form&) override { return {}; }
};

PicturePtr disc(double red)
{
    return make_picture("disc", { 20, 20, [red](cairo_t* cr) {
                                     cairo_set_source_rgb(cr, red, 0.5, 0.2);
                                     cairo_arc(cr, 10, 10, 9, 0, 6.3);
                                     cairo_fill(cr);
                                 } });
}

class Scene : public Form {
public:
    explicit Scene(Runtime& runtime)
        : Form(runtime, "scene", { "Scene", 160, 120, { 40, 40, 90 } })
    {
        sprite.set_picture(disc(1));
        other.set_picture(disc(0.5));
    }
    Shape ground { *this, "ground", { 0, 60, 160, 60 }, { ShapeKind::rectangle, FillStyle::solid, { 0, 160, 0 }, colors::black, 0 } };
    Line ridge { *this, "ridge", { 10, 10, 50, 50 }, colors::white, 2 };
    Sprite sprite { *this, "sprite", { 20, 70, 0, 0 } };
    // Above the first, so that its opaque middle hides part of it.
    Sprite other { *this, "other", { 32, 76, 0, 0 } };
    Label label { *this, "label", { 60, 20, 90, 30 }, { Font {}, colors::yellow }, "Hello" };
    Shape ring { *this, "ring", { 100, 70, 40, 40 }, { ShapeKind::circle, FillStyle::transparent, colors::black, colors::red, 2 } };
    Button button { *this, "button", { 90, 90, 60, 22 }, "Go" };
};

// The scene on a runtime of its own, with SDL's video started without a display.
class Redraw : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(video.ready()) << video.error(); }

    struct NoVideoDevice {
        NoVideoDevice() { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    } no_device;
    SdlVideo video;
    FontLibrary fonts;
    VirtualClock clock;
    NoDisplay backend;
    Runtime runtime { clock, backend };
    Scene scene { runtime };
};

}

TEST_F(Redraw, DrawingOnlyTheChangesGivesTheSamePictureAsDrawingEverything)
{
    FormWindow window(scene, fonts, 2, { 0, 0 });
    ASSERT_TRUE(window.opened()) << SDL_GetError();
    window.show(ScreenMode::windowed);
    window.draw(nullptr);

    auto const png = (std::filesystem::temp_directory_path() / "grawn2_sdl_redraw.png").string();
    auto const shot = make_screenshot_renderer(2);
    // Pixels further apart than `shade` in any channel; -1 when the sizes differ.
    auto const differing = [](SDL_Surface* a, SDL_Surface* b, int shade) {
        if (!a || !b || a->w != b->w || a->h != b->h)
            return -1;
        int count = 0;
        for (int y = 0; y < a->h; ++y) {
            for (int x = 0; x < a->w; ++x) {
                Uint32 const p = static_cast<Uint32*>(a->pixels)[y * a->pitch / 4 + x];
                Uint32 const q = static_cast<Uint32*>(b->pixels)[y * b->pitch / 4 + x];
                for (int shift : { 0, 8, 16 }) {
                    if (std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)) > shade) {
                        ++count;
                        break;
                    }
                }
            }
        }
        return count;
    };
    auto const same_as_full_drawing = [&] {
        EXPECT_EQ(shot(scene, png), "");
        SDL_Surface* full = IMG_Load(png.c_str());
        SDL_Surface* a = SDL_ConvertSurfaceFormat(SDL_GetWindowSurface(window.window()), SDL_PIXELFORMAT_RGB888, 0);
        SDL_Surface* b = full ? SDL_ConvertSurfaceFormat(full, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
        // The renderer alone, with none of the painter's own short cuts: its blending rounds a
        // little differently at the pictures' soft edges.
        SDL_Surface* c = SDL_CreateRGBSurfaceWithFormat(0, a ? a->w : 1, a ? a->h : 1, 32, SDL_PIXELFORMAT_RGB888);
        SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(c);
        {
            FormPainter plain(renderer, fonts);
            plain.paint(scene, { 2, 0, 0 });
        }
        SDL_DestroyRenderer(renderer);
        int const from_screenshot = differing(a, b, 0);
        int const from_renderer = differing(a, c, 3);
        SDL_FreeSurface(a);
        SDL_FreeSurface(b);
        SDL_FreeSurface(c);
        SDL_FreeSurface(full);
        std::remove(png.c_str());
        return std::max(from_screenshot, from_renderer);
    };
    EXPECT_EQ(same_as_full_drawing(), 0);

    // Each change, drawn on its own, over what the window already shows.
    std::vector<std::pair<char const*, std::function<void()>>> const changes {
        { "sprite moved", [&] { scene.sprite.move(70, 75); } },
        { "sprite changed picture", [&] { scene.sprite.set_picture(disc(0)); } },
        { "sprites crossing", [&] {
             scene.sprite.move(36, 72);
             scene.other.move(28, 70);
         } },
        { "a ring drawn over the sprites", [&] {
             scene.ring.move(26, 66);
             scene.other.show();
         } },
        { "the sprite above gone", [&] { scene.other.hide(); } },
        { "line turned round", [&] { scene.ridge.set_points({ 10, 50, 50, 10 }); } },
        { "label text and colour", [&] {
             scene.label.set_caption("Hi");
             scene.label.set_fore(colors::white);
         } },
        { "label hidden", [&] { scene.label.hide(); } },
        { "ring refilled and moved", [&] {
             scene.ring.set_fill(colors::yellow);
             scene.ring.move(5, 5);
         } },
        { "button disabled and pressed look", [&] { scene.button.disable(); } },
        { "label shown again", [&] { scene.label.show(); } },
    };
    for (auto const& [what, change] : changes) {
        change();
        window.invalidate();
        window.draw(what == std::string("button disabled and pressed look") ? &scene.button : nullptr);
        EXPECT_EQ(same_as_full_drawing(), 0) << what;
    }
}

// A picture shaken inside its window lies partly off the surface; what is painted straight onto
// the surface stays on it (the bytes around it, in the same buffer, keep their value).
TEST_F(Redraw, APictureShakenPastTheSurfaceIsPaintedOnlyOnIt)
{
    constexpr int width = 160;
    constexpr int height = 120;
    constexpr int margin = 16; // guard pixels each side of each row, and guard rows above and below
    constexpr int stride = width + 2 * margin;
    constexpr Uint32 guard = 0xDEADBEEF;
    std::vector<Uint32> buffer(static_cast<std::size_t>(stride) * (height + 2 * margin), guard);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(buffer.data() + margin * stride + margin, width, height, 32,
        stride * 4, SDL_PIXELFORMAT_RGB888);
    ASSERT_NE(surface, nullptr) << SDL_GetError();
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    {
        FormPainter painter(renderer, fonts, surface);
        for (Placement const shaken : { Placement { 1, -12, -9 }, Placement { 1, 12, 9 }, Placement { 1, -12, 9 }, Placement { 1, 12, -9 } }) {
            painter.paint(scene, shaken);
            SDL_Rect const area { 0, 0, width, height };
            painter.paint(scene, shaken, nullptr, &area);
        }
    }
    SDL_RenderFlush(renderer);
    int painted_off = 0;
    for (int y = 0; y < height + 2 * margin; ++y) {
        for (int x = 0; x < stride; ++x) {
            bool const on = y >= margin && y < margin + height && x >= margin && x < margin + width;
            painted_off += !on && buffer[static_cast<std::size_t>(y) * stride + x] != guard;
        }
    }
    EXPECT_EQ(painted_off, 0);
    // And the surface itself was painted.
    EXPECT_NE(buffer[static_cast<std::size_t>(margin + height / 2) * stride + margin + width / 2], guard);
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}
