// Screenshots of test forms through the headless runner: what each control draws, and where.
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/screenshot.hpp"
#include "support/script_run.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>

using namespace platform;

namespace {

constexpr Color blue { 0, 0, 255 };
constexpr Color back { 10, 20, 30 };

// A form whose controls each test adds in its load.
class Canvas : public Form {
public:
    Canvas(Runtime& runtime, std::function<void(Canvas&)> build, ScaleUnit unit)
        : Form(runtime, "canvas", { "Canvas", 200, 120, back, unit })
        , m_build(std::move(build))
    {
    }
    void Form_Load() override { m_build(*this); }

    template<typename T, typename... Args>
    T& add(Args&&... args)
    {
        m_controls.push_back(std::make_unique<T>(*this, std::forward<Args>(args)...));
        return static_cast<T&>(*m_controls.back());
    }

private:
    std::function<void(Canvas&)> m_build;
    std::vector<std::unique_ptr<Control>> m_controls;
};

PicturePtr solid_picture(int width, int height, double r, double g, double b, double a = 1.0)
{
    return make_picture("solid", { width, height, [=](cairo_t* cr) {
                                      cairo_set_source_rgba(cr, r, g, b, a);
                                      cairo_paint(cr);
                                  } });
}

// The pixels of a PNG file, read back as plain colours.
class Image {
public:
    explicit Image(std::string const& path)
    {
        if (SDL_Surface* loaded = IMG_Load(path.c_str())) {
            m_surface.reset(SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0));
            SDL_FreeSurface(loaded);
        }
    }
    bool loaded() const { return m_surface != nullptr; }
    int width() const { return m_surface->w; }
    int height() const { return m_surface->h; }
    Color at(int x, int y) const
    {
        auto const* row = static_cast<std::uint8_t const*>(m_surface->pixels) + static_cast<std::ptrdiff_t>(y) * m_surface->pitch;
        std::uint32_t const pixel = reinterpret_cast<std::uint32_t const*>(row)[x];
        return { static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8), static_cast<std::uint8_t>(pixel) };
    }
    // Columns of the box that hold a pixel of `color` anywhere in rows top..bottom-1.
    std::vector<int> columns_with(Color color, int left, int top, int right, int bottom) const
    {
        std::vector<int> columns;
        for (int x = left; x < right; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (at(x, y) == color) {
                    columns.push_back(x);
                    break;
                }
            }
        }
        return columns;
    }
    int count(std::function<bool(Color)> const& wanted, int left, int top, int right, int bottom) const
    {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += wanted(at(x, y));
        return n;
    }

private:
    struct Free {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };
    std::unique_ptr<SDL_Surface, Free> m_surface;
};

class Screenshot : public testing::Test {
protected:
    std::string path() const
    {
        auto const* info = testing::UnitTest::GetInstance()->current_test_info();
        return (std::filesystem::temp_directory_path() / (std::string("grawn2_sdl_") + info->name() + ".png")).string();
    }
    void TearDown() override { std::remove(path().c_str()); }

    // Builds the canvas, takes its screenshot at `scale` and reads it back.
    Image shoot(std::function<void(Canvas&)> build, int scale = 1, ScaleUnit unit = ScaleUnit::pixel)
    {
        HeadlessGame game;
        game.install = [build, unit](Runtime& runtime) {
            runtime.set_form_factory(
                [build, unit](Runtime& rt, std::string_view name) -> std::unique_ptr<Form> {
                    return name == "canvas" ? std::make_unique<Canvas>(rt, build, unit) : nullptr;
                },
                { "canvas" });
        };
        game.start = [](Runtime& runtime) { runtime.show_form("canvas"); };
        game.screenshot = make_screenshot_renderer(scale);
        auto const result = testing_support::run("screenshot canvas " + path() + "\n", game);
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        return Image(path());
    }
};

ShapeStyle filled(ShapeKind kind, Color fill, Color border = colors::black, double border_width = 1)
{
    return { kind, FillStyle::solid, fill, border, border_width };
}

LabelStyle label_style(Color fore, Alignment alignment = Alignment::left, BackStyle back_style = BackStyle::transparent, Color back_color = colors::white)
{
    return { Font { "Arial", 12, FontWeight::bold }, fore, back_color, back_style, alignment };
}

}

TEST_F(Screenshot, ShapesLinesAndSpritesHaveTheirColoursWhereTheyStand)
{
    auto const image = shoot([](Canvas& c) {
        c.add<Shape>("box", Rect { 10, 10, 40, 30 }, filled(ShapeKind::rectangle, colors::red, colors::green, 2));
        c.add<Shape>("ring", Rect { 60, 10, 40, 30 }, ShapeStyle { ShapeKind::oval, FillStyle::transparent, colors::black, blue, 1 });
        c.add<Shape>("disc", Rect { 110, 10, 30, 20 }, filled(ShapeKind::circle, colors::yellow, colors::yellow));
        c.add<Line>("across", LinePoints { 0, 100, 199, 100 }, colors::white, 1);
        c.add<Line>("slope", LinePoints { 150, 50, 190, 90 }, colors::green, 3);
        c.add<Sprite>("sprite", Rect { 20, 60, 0, 0 }).set_picture(solid_picture(16, 8, 0, 0, 1));
    });
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.width(), 200);
    EXPECT_EQ(image.height(), 120);
    EXPECT_EQ(image.at(0, 0), back);
    // Filled rectangle with a two-pixel border inside its bounds.
    EXPECT_EQ(image.at(10, 10), colors::green);
    EXPECT_EQ(image.at(11, 11), colors::green);
    EXPECT_EQ(image.at(12, 12), colors::red);
    EXPECT_EQ(image.at(30, 25), colors::red);
    EXPECT_EQ(image.at(49, 39), colors::green);
    EXPECT_EQ(image.at(50, 40), back);
    // An outlined oval: border at the ends of its axes, background inside and at the corners.
    EXPECT_EQ(image.at(80, 10), blue);
    EXPECT_EQ(image.at(60, 25), blue);
    EXPECT_EQ(image.at(80, 25), back);
    EXPECT_EQ(image.at(61, 11), back);
    // A circle in a wider box is round and centred: 20 wide at 115..134.
    EXPECT_EQ(image.at(125, 20), colors::yellow);
    EXPECT_EQ(image.at(113, 20), back);
    EXPECT_EQ(image.at(136, 20), back);
    // Lines: a horizontal one of one pixel, a diagonal three pixels thick.
    EXPECT_EQ(image.at(0, 100), colors::white);
    EXPECT_EQ(image.at(199, 100), colors::white);
    EXPECT_EQ(image.at(100, 99), back);
    EXPECT_EQ(image.at(100, 101), back);
    EXPECT_EQ(image.at(170, 70), colors::green);
    EXPECT_EQ(image.at(169, 70), colors::green);
    EXPECT_EQ(image.at(171, 70), colors::green);
    EXPECT_EQ(image.at(175, 65), back);
    // The sprite took its picture's size.
    EXPECT_EQ(image.at(20, 60), blue);
    EXPECT_EQ(image.at(35, 67), blue);
    EXPECT_EQ(image.at(36, 67), back);
    EXPECT_EQ(image.at(35, 68), back);
}

TEST_F(Screenshot, HiddenControlsAreNotDrawnAndLaterOnesCoverEarlierOnes)
{
    auto const image = shoot([](Canvas& c) {
        c.add<Shape>("under", Rect { 10, 10, 60, 60 }, filled(ShapeKind::rectangle, colors::red, colors::red));
        c.add<Sprite>("over", Rect { 30, 30, 0, 0 }).set_picture(solid_picture(60, 60, 0, 1, 0));
        c.add<Shape>("hidden", Rect { 0, 0, 200, 120 }, filled(ShapeKind::rectangle, colors::white, colors::white), Visibility::hidden);
        c.add<Label>("ghost", Rect { 100, 80, 90, 30 }, label_style(colors::white, Alignment::left, BackStyle::opaque, colors::yellow), "Hidden",
            Visibility::hidden);
        // A button declared first still sits above the sprite declared after it.
        c.add<Button>("button", Rect { 120, 10, 60, 24 }, "");
        c.add<Sprite>("below button", Rect { 110, 0, 0, 0 }).set_picture(solid_picture(80, 60, 1, 0, 0));
    });
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.at(15, 15), colors::red);
    EXPECT_EQ(image.at(50, 50), colors::green);
    EXPECT_EQ(image.at(80, 80), colors::green);
    EXPECT_EQ(image.at(150, 100), back);
    EXPECT_EQ(image.at(5, 100), back);
    EXPECT_EQ(image.at(150, 22), colors::button_face);
    EXPECT_EQ(image.at(115, 40), colors::red);
}

TEST_F(Screenshot, WrappedCentredLabelHasInkOnBothLinesCentred)
{
    auto const image = shoot([](Canvas& c) {
        c.add<Label>("caption", Rect { 20, 20, 160, 80 }, label_style(colors::white, Alignment::center), "Wide first line of words short");
    });
    ASSERT_TRUE(image.loaded());
    // Find the rows with ink, then split them into two lines of text.
    std::vector<int> rows;
    for (int y = 20; y < 100; ++y) {
        if (!image.columns_with(colors::white, 20, y, 180, y + 1).empty())
            rows.push_back(y);
    }
    ASSERT_FALSE(rows.empty());
    int split = -1;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i] > rows[i - 1] + 1)
            split = rows[i];
    }
    ASSERT_GT(split, 0) << "the caption should wrap onto two lines";
    for (auto const& [top, bottom] : { std::pair { rows.front(), split }, std::pair { split, rows.back() + 1 } }) {
        auto const ink = image.columns_with(colors::white, 20, top, 180, bottom);
        ASSERT_FALSE(ink.empty());
        int const left_margin = ink.front() - 20;
        int const right_margin = 179 - ink.back();
        EXPECT_NEAR(left_margin, right_margin, 3) << "line at " << top;
        EXPECT_GT(left_margin, 2);
    }
    // Nothing spills outside the label.
    EXPECT_TRUE(image.columns_with(colors::white, 0, 0, 200, 20).empty());
}

TEST_F(Screenshot, LabelsAlignAndOpaqueOnesFillTheirBack)
{
    auto const image = shoot([](Canvas& c) {
        c.add<Label>("left", Rect { 0, 0, 200, 30 }, label_style(colors::white, Alignment::left), "Hi");
        c.add<Label>("right", Rect { 0, 40, 200, 30 }, label_style(colors::white, Alignment::right), "Hi");
        c.add<Label>("panel", Rect { 0, 80, 200, 40 }, label_style(colors::red, Alignment::left, BackStyle::opaque, colors::yellow), "");
    });
    ASSERT_TRUE(image.loaded());
    auto const left = image.columns_with(colors::white, 0, 0, 200, 30);
    auto const right = image.columns_with(colors::white, 0, 40, 200, 70);
    ASSERT_FALSE(left.empty());
    ASSERT_FALSE(right.empty());
    EXPECT_LT(left.front(), 4);
    EXPECT_LT(left.back(), 40);
    EXPECT_GT(right.front(), 160);
    EXPECT_GT(right.back(), 195);
    EXPECT_EQ(image.at(100, 100), colors::yellow);
}

TEST_F(Screenshot, DisabledButtonHasAGreyCaptionAndEnabledOneABlackCaption)
{
    auto const image = shoot([](Canvas& c) {
        c.add<Button>("on", Rect { 10, 10, 80, 30 }, "Start");
        c.add<Button>("off", Rect { 110, 10, 80, 30 }, "Start", Visibility::shown, Switch::off);
    });
    ASSERT_TRUE(image.loaded());
    // Raised bevel: light top-left edge, dark bottom-right edge.
    EXPECT_EQ(image.at(10, 10), colors::white);
    EXPECT_EQ(image.at(89, 39), colors::black);
    // The enabled caption is black; the disabled one is grey, etched with white below-right.
    auto const dark = [](Color c) { return c.r < 80 && c.g < 80 && c.b < 80; };
    auto const etched = [](Color c) { return c.r == c.g && c.g == c.b && c.r >= 110 && c.r <= 150; };
    auto const white = [](Color c) { return c.r == c.g && c.g == c.b && c.r > 215; };
    EXPECT_GT(image.count(dark, 14, 14, 86, 36), 10);
    EXPECT_EQ(image.count(white, 14, 14, 86, 36), 0);
    EXPECT_EQ(image.count(dark, 114, 14, 186, 36), 0);
    EXPECT_GT(image.count(white, 114, 14, 186, 36), 5);
    EXPECT_GT(image.count(etched, 114, 14, 186, 36), 10);
}

TEST_F(Screenshot, PicturesKeepTheirColourAtSoftEdges)
{
    // Half-transparent red over a white shape must stay a light red, not turn dark.
    auto const image = shoot([](Canvas& c) {
        c.add<Shape>("paper", Rect { 0, 0, 50, 50 }, filled(ShapeKind::rectangle, colors::white, colors::white));
        c.add<Sprite>("tint", Rect { 10, 10, 0, 0 }).set_picture(solid_picture(20, 20, 1, 0, 0, 0.5));
    });
    ASSERT_TRUE(image.loaded());
    Color const tinted = image.at(20, 20);
    EXPECT_NEAR(tinted.r, 255, 3);
    EXPECT_NEAR(tinted.g, 128, 2);
    EXPECT_NEAR(tinted.b, 128, 2);
}

TEST_F(Screenshot, ScaleMultipliesEverythingAndTwipFormsDrawInPixels)
{
    auto const image = shoot(
        [](Canvas& c) {
            c.add<Shape>("box", Rect { 150, 150, 300, 150 }, filled(ShapeKind::rectangle, colors::red, colors::red));
            c.add<Sprite>("sprite", Rect { 600, 600, 0, 0 }).set_picture(solid_picture(4, 4, 0, 0, 1));
        },
        2, ScaleUnit::twip);
    ASSERT_TRUE(image.loaded());
    EXPECT_EQ(image.width(), 400);
    EXPECT_EQ(image.height(), 240);
    // 150 twips = 10 pixels, times 2.
    EXPECT_EQ(image.at(20, 20), colors::red);
    EXPECT_EQ(image.at(19, 20), back);
    EXPECT_EQ(image.at(59, 39), colors::red);
    EXPECT_EQ(image.at(60, 39), back);
    EXPECT_EQ(image.at(80, 80), blue);
    EXPECT_EQ(image.at(87, 87), blue);
    EXPECT_EQ(image.at(88, 88), back);
}

TEST(ScreenshotFailure, AFileThatCannotBeWrittenIsAScriptError)
{
    HeadlessGame game;
    game.install = [](Runtime& runtime) {
        runtime.set_form_factory(
            [](Runtime& rt, std::string_view) -> std::unique_ptr<Form> {
                return std::make_unique<Canvas>(rt, [](Canvas&) {}, ScaleUnit::pixel);
            },
            { "canvas" });
    };
    game.start = [](Runtime& runtime) { runtime.show_form("canvas"); };
    game.screenshot = make_screenshot_renderer(1);
    auto const result = testing_support::run("screenshot canvas /nonexistent-folder/x.png\n", game);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_NE(result.errors.find("test.script:1: screenshot failed: cannot write '/nonexistent-folder/x.png': "), std::string::npos)
        << result.errors;
}
