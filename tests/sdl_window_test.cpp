// Real windows on an X server (Xvfb): the game's window opens where it should, follows the
// form's moves, shows what a screenshot shows, and closing it ends the program. Also the one-line
// failure when there is no display at all. Each case runs in a child process of this test.
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/run_windowed.hpp"
#include "platform/sdl/screenshot.hpp"
#include "platform/timer.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

using namespace platform;

namespace {

constexpr char const* child_variable = "GRAWN2_SDL_WINDOW_CHILD";

struct ChildRun {
    int status = -1;
    std::string output;
};

// Runs one test of this executable in a child process with environment changes `environment`
// and under `wrapper`, and collects its output.
ChildRun run_child(std::string const& environment, std::string const& wrapper, std::string const& test)
{
    auto const self = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string const command = "env " + environment + " " + child_variable + "=" + test + " " + wrapper + " '" + self +
        "' --gtest_filter='*." + test + "' 2>&1";
    ChildRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer {};
    while (std::fgets(buffer.data(), buffer.size(), pipe))
        run.output += buffer.data();
    int const status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool is_child(char const* test)
{
    char const* wanted = std::getenv(child_variable);
    return wanted && std::string(wanted) == test;
}

bool have_xvfb() { return std::system("command -v xvfb-run > /dev/null 2>&1") == 0; }

class Shown : public Form {
public:
    explicit Shown(Runtime& runtime)
        : Form(runtime, "shown", { "Real window", 160, 100, { 0, 128, 0 } })
    {
        step.on_tick = [this] {
            if (on_step)
                on_step();
        };
    }
    void Form_Unload() override
    {
        if (on_unload)
            on_unload();
    }

    Shape grass { *this, "grass", { 0, 70, 160, 30 }, { ShapeKind::rectangle, FillStyle::solid, colors::green, colors::black, 1 } };
    Label title { *this, "title", { 10, 10, 140, 40 },
        { Font { "MS Sans Serif", 12, FontWeight::bold }, colors::yellow, colors::black, BackStyle::transparent, Alignment::center },
        "Grawn 2 on a real screen" };
    Button start { *this, "start", { 40, 50, 80, 20 }, "Start" };
    // Slow enough that the window has been mapped and drawn before the first step.
    Timer step { *this, "step", 200, Switch::on };
    std::function<void()> on_step;
    std::function<void()> on_unload;
};

SDL_Window* window_titled(std::string const& title)
{
    for (Uint32 id = 1; id < 64; ++id) {
        if (SDL_Window* window = SDL_GetWindowFromID(id); window && title == SDL_GetWindowTitle(window))
            return window;
    }
    return nullptr;
}

// Counts the pixels where what the window shows and a PNG differ.
int pixels_differing(SDL_Window* window, std::string const& png)
{
    SDL_Surface* loaded = IMG_Load(png.c_str());
    if (!loaded)
        return -1;
    SDL_Surface* a = SDL_ConvertSurfaceFormat(SDL_GetWindowSurface(window), SDL_PIXELFORMAT_RGB888, 0);
    SDL_Surface* b = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    int differing = -1;
    if (a && b && a->w == b->w && a->h == b->h) {
        differing = 0;
        for (int y = 0; y < a->h; ++y) {
            auto const* ra = reinterpret_cast<Uint32 const*>(static_cast<Uint8 const*>(a->pixels) + y * a->pitch);
            auto const* rb = reinterpret_cast<Uint32 const*>(static_cast<Uint8 const*>(b->pixels) + y * b->pitch);
            for (int x = 0; x < a->w; ++x)
                differing += (ra[x] & 0xFFFFFF) != (rb[x] & 0xFFFFFF);
        }
    }
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
    SDL_FreeSurface(loaded);
    return differing;
}

}

TEST(RealWindow, OpensMovesShowsItsPictureAndClosesUnderXvfb)
{
    if (!have_xvfb())
        GTEST_SKIP() << "xvfb-run is not installed";
    auto const run = run_child("", "xvfb-run -a", "WindowChild");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
}

TEST(RealWindow, WithoutADisplayOneLineSaysSoAndTheExitStatusIsOne)
{
    auto const run = run_child("-u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11", "", "NoDisplayChild");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("[  PASSED  ] 1 test"), std::string::npos) << run.output;
}

TEST(RealWindowChildren, WindowChild)
{
    if (!is_child("WindowChild"))
        GTEST_SKIP() << "runs as a child of RealWindow";
    Shown* shown = nullptr;
    SDL_Point placed {};
    SDL_Point moved {};
    SDL_Point expected_move {};
    int differing = -1;
    int step = 0;
    bool unloaded = false;
    auto const install = [&](Runtime& runtime) {
        shown = static_cast<Shown*>(&runtime.adopt(std::make_unique<Shown>(runtime)));
        shown->on_unload = [&] { unloaded = true; };
        shown->on_step = [&] {
            SDL_Window* window = window_titled("Real window");
            ASSERT_NE(window, nullptr);
            switch (step++) {
            case 0: {
                SDL_GetWindowPosition(window, &placed.x, &placed.y);
                EXPECT_EQ(placed.x, static_cast<int>(std::lround(shown->window_left() / twips_per_pixel)));
                EXPECT_EQ(placed.y, static_cast<int>(std::lround(shown->window_top() / twips_per_pixel)));
                int width = 0;
                int height = 0;
                SDL_GetWindowSize(window, &width, &height);
                EXPECT_EQ(width, 160);
                EXPECT_EQ(height, 100);
                // The window has been drawn by now: it must hold exactly what a screenshot holds.
                auto const png = (std::filesystem::temp_directory_path() / "grawn2_sdl_window_child.png").string();
                EXPECT_EQ(make_screenshot_renderer(1)(*shown, png), "");
                differing = pixels_differing(window, png);
                std::remove(png.c_str());
                // A shake: 25 twips up and left is two pixels at scale 1 (rounded); then a bigger move.
                shown->move_window(shown->window_left() - 25, shown->window_top() - 25);
                shown->move_window(shown->window_left() + 25 + 300, shown->window_top() + 25 + 150);
                expected_move = { placed.x + 20, placed.y + 10 };
                break;
            }
            case 1: {
                SDL_GetWindowPosition(window, &moved.x, &moved.y);
                SDL_Event close {};
                close.type = SDL_WINDOWEVENT;
                close.window.event = SDL_WINDOWEVENT_CLOSE;
                close.window.windowID = SDL_GetWindowID(window);
                SDL_PushEvent(&close);
                break;
            }
            default:
                break;
            }
        };
    };
    // Work put off until the first frame runs once the window holds its picture, before any
    // timer ticks, and only once; put off after that, it runs at once.
    int deferred_runs = 0;
    int differing_when_deferred = -1;
    int step_when_deferred = -1;
    bool late_work_ran = false;
    auto const attach = [&](Runtime& runtime) {
        runtime.backend().after_first_frame([&] {
            ++deferred_runs;
            step_when_deferred = step;
            auto const png = (std::filesystem::temp_directory_path() / "grawn2_sdl_window_first.png").string();
            if (make_screenshot_renderer(1)(*shown, png).empty())
                differing_when_deferred = pixels_differing(window_titled("Real window"), png);
            std::remove(png.c_str());
            runtime.backend().after_first_frame([&] { late_work_ran = true; });
        });
    };
    WindowOptions options;
    options.scale = 1;
    std::ostringstream err;
    int const status = run_windowed(options, install, [&](Runtime&) { shown->show(); }, attach, err);
    EXPECT_EQ(status, 0) << err.str();
    EXPECT_EQ(deferred_runs, 1);
    EXPECT_EQ(step_when_deferred, 0);
    EXPECT_EQ(differing_when_deferred, 0);
    EXPECT_TRUE(late_work_ran);
    EXPECT_EQ(step, 2);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(moved.x, expected_move.x);
    EXPECT_EQ(moved.y, expected_move.y);
    EXPECT_TRUE(unloaded); // the form itself is gone with the runtime
}

TEST(RealWindowChildren, NoDisplayChild)
{
    if (!is_child("NoDisplayChild"))
        GTEST_SKIP() << "runs as a child of RealWindow";
    bool started = false;
    std::ostringstream err;
    int const status = run_windowed({}, {}, [&](Runtime&) { started = true; }, {}, err);
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(started);
    auto const message = err.str();
    EXPECT_EQ(message.rfind("grawn2: cannot open a window: ", 0), 0u) << message;
    EXPECT_NE(message.find("; use --headless for scripts\n"), std::string::npos) << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
}
