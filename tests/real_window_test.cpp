// The real game in real windows on an X server of its own, played by scripts whose clicks, keys and
// box buttons go through the display server: World 1 into World 2 and a game over, again and
// again, under a window manager and without one; and Alt+Enter to fullscreen and back.
#include "support/shell_command.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using testing_support::run_command;

namespace {

namespace fs = std::filesystem;

std::string const with_desktop = GRAWN2_SOURCE_DIR "/tests/support/with_desktop.sh";
std::string const scripts = GRAWN2_SOURCE_DIR "/tests/scripts/";

bool have_desktop_tools() { return std::system("command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xprop >/dev/null") == 0; }

std::string read_file(fs::path const& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Played {
    std::string name;
    int status = -1;
    std::string transcript;
    std::string errors;

    bool has(std::string const& text) const { return transcript.find(text) != std::string::npos; }
    int count(std::string const& text) const
    {
        int found = 0;
        for (auto at = transcript.find(text); at != std::string::npos; at = transcript.find(text, at + 1))
            ++found;
        return found;
    }
    bool ends_the_program() const { return transcript.size() > 5 && transcript.ends_with(" end\n"); }
};

// Plays a script in real windows on a fresh X server: `manager` is "openbox" or "none".
Played play(std::string const& manager, std::string const& script, std::string const& name)
{
    fs::path const folder = fs::temp_directory_path() / ("grawn2-real-" + name + "-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::string const command = "timeout 300 " + with_desktop + " " + manager + " 1280x1024 " + GRAWN2_EXECUTABLE + " --mute --script " + script +
        " >" + (folder / "out").string() + " 2>" + (folder / "err").string();
    Played played;
    played.name = name;
    played.status = run_command(command).status;
    played.transcript = read_file(folder / "out");
    played.errors = read_file(folder / "err");
    fs::remove_all(folder);
    return played;
}

// The sanitized build plays fewer rounds, but still enough to open and close more than 40 boxes.
#if GRAWN2_SANITIZED
constexpr int rounds_under_a_window_manager = 2;
#else
constexpr int rounds_under_a_window_manager = 5;
#endif

}

TEST(RealWindows, PlayWorldOneIntoWorldTwoAndToAGameOverWithAndWithoutAWindowManager)
{
    if (!have_desktop_tools())
        GTEST_SKIP() << "needs Xvfb, openbox and xprop";
    struct Round {
        std::string manager;
        std::string script;
        std::string name;
    };
    std::vector<Round> rounds;
    for (int i = 0; i < rounds_under_a_window_manager; ++i) {
        rounds.push_back({ "openbox", "real_window_world1.script", "world1-openbox-" + std::to_string(i) });
        rounds.push_back({ "openbox", "real_window_game_over.script", "game-over-openbox-" + std::to_string(i) });
    }
    rounds.push_back({ "none", "real_window_world1.script", "world1-bare" });
    rounds.push_back({ "none", "real_window_game_over.script", "game-over-bare" });

    // A few at a time, each on a display of its own: the games mostly wait on their clocks.
    std::vector<Played> played;
    constexpr std::size_t at_once = 3;
    for (std::size_t start = 0; start < rounds.size(); start += at_once) {
        std::vector<std::future<Played>> running;
        for (std::size_t i = start; i < std::min(rounds.size(), start + at_once); ++i)
            running.push_back(std::async(std::launch::async, [&, i] { return play(rounds[i].manager, scripts + rounds[i].script, rounds[i].name); }));
        for (auto& run : running)
            played.push_back(run.get());
    }

    int boxes = 0;
    for (auto const& run : played) {
        SCOPED_TRACE(run.name);
        EXPECT_EQ(run.status, 0) << run.errors << run.transcript;
        // No X error, reported or fatal, and no input lost on the way through the display server.
        EXPECT_EQ(run.errors.find("X Error"), std::string::npos) << run.errors;
        EXPECT_EQ(run.errors.find("X error"), std::string::npos) << run.errors;
        EXPECT_FALSE(run.has("did not reach the game")) << run.transcript;
        EXPECT_FALSE(run.has("covers the window")) << run.transcript;
        EXPECT_TRUE(run.ends_the_program()) << run.transcript;
        int const opened = run.count(" msgbox ") + run.count(" inputbox ");
        EXPECT_EQ(run.count(" closed"), opened) << "every box that opened was closed";
        boxes += opened;
        if (run.name.starts_with("world1")) {
            for (auto const* screen : { "frmw1l1", "frmw1l2", "frmw1l3", "frmw1l4", "frmw1l5", "frmw2l1" })
                EXPECT_TRUE(run.has(" show " + std::string(screen))) << screen << "\n" << run.transcript;
            EXPECT_TRUE(run.has("\"Congrats!  You beat the level!\""));
            // The script waited for a robber's shot to take health (each shot shakes the window);
            // then the window's close button ended the game.
            auto const world2 = run.transcript.find(" show frmw2l1");
            if (world2 != std::string::npos) {
                EXPECT_GE(std::count(run.transcript.begin() + static_cast<std::ptrdiff_t>(world2), run.transcript.end(), '\n'), 4) << "shots in World 2";
            }
            EXPECT_TRUE(run.has(" unload frmw2l1"));
        } else {
            EXPECT_TRUE(run.has("\"Cheat Excepted!  Skip to World 2!\""));
            EXPECT_TRUE(run.has("Game over!  Please play again!"));
        }
    }
    EXPECT_GE(boxes, 40);
}

// --- Alt+Enter, checked from inside a display of its own -----------------------------------------

namespace {

constexpr char const* fullscreen_child = "GRAWN2_FULLSCREEN_CHILD";

struct Geometry {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(Geometry const&) const = default;
};

std::optional<Geometry> title_window()
{
    auto const info = run_command("xwininfo -name 'Grawn 2: Hoofclatter' 2>/dev/null").out;
    auto field = [&](char const* name) -> std::optional<int> {
        std::smatch match;
        if (!std::regex_search(info, match, std::regex(std::string(name) + ":\\s+(-?\\d+)")))
            return std::nullopt;
        return std::stoi(match[1]);
    };
    auto const x = field("Absolute upper-left X");
    auto const y = field("Absolute upper-left Y");
    auto const w = field("Width");
    auto const h = field("Height");
    if (!x || !y || !w || !h)
        return std::nullopt;
    return Geometry { *x, *y, *w, *h };
}

bool wait_for_file(fs::path const& path)
{
    for (int i = 0; i < 400; ++i) {
        if (fs::exists(path) && fs::file_size(path) > 0)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The share of the picture's pixels that the screen shows at (left, top), within a small tolerance.
double share_alike(XImage* screen, SDL_Surface* picture, int left, int top)
{
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_RGB888, 0);
    long alike = 0;
    auto const* pixels = static_cast<Uint8 const*>(rgb->pixels);
    for (int y = 0; y < rgb->h; ++y) {
        for (int x = 0; x < rgb->w; ++x) {
            Uint32 const want = *reinterpret_cast<Uint32 const*>(pixels + y * rgb->pitch + x * 4);
            unsigned long const got = XGetPixel(screen, left + x, top + y);
            auto const near = [](unsigned a, unsigned b) { return (a > b ? a - b : b - a) <= 12; };
            if (near((want >> 16) & 0xff, (got >> 16) & 0xff) && near((want >> 8) & 0xff, (got >> 8) & 0xff) && near(want & 0xff, got & 0xff))
                ++alike;
        }
    }
    double const share = static_cast<double>(alike) / (static_cast<double>(rgb->w) * rgb->h);
    SDL_FreeSurface(rgb);
    return share;
}

}

TEST(RealWindowsChildren, FullscreenChild)
{
    if (!std::getenv(fullscreen_child))
        GTEST_SKIP();
    fs::path const folder = fs::temp_directory_path() / ("grawn2-fullscreen-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::path const wide = folder / "fullscreen.png";
    fs::path const back = folder / "windowed.png";
    // The first story page stands still until it is clicked: what fullscreen shows can be compared.
    std::ofstream(folder / "alt-enter.script") << "wait 6\nkey intro 13 4\nwait 1.5\nscreenshot intro " << wide.string()
                                               << "\nwait 3\nkey intro 13 4\nwait 1.5\nscreenshot intro " << back.string()
                                               << "\nwait 3\nclose intro\n";
    // Drawn at scale 4 (as fullscreen draws on this screen) while the window stays at 2.
    auto game = std::async(std::launch::async, [&] {
        return run_command(std::string(GRAWN2_EXECUTABLE) + " --mute --scale 4 --script " + (folder / "alt-enter.script").string() + " 2>&1");
    });
    std::optional<Geometry> windowed;
    for (int i = 0; i < 200 && !windowed; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        windowed = title_window();
    }
    ASSERT_TRUE(windowed) << "the title screen's window never appeared";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    windowed = title_window();

    ASSERT_TRUE(wait_for_file(wide));
    Display* display = XOpenDisplay(nullptr);
    ASSERT_TRUE(display);
    Window const root = DefaultRootWindow(display);
    XWindowAttributes attributes {};
    XGetWindowAttributes(display, root, &attributes);
    XImage* screen = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    ASSERT_TRUE(screen);
    SDL_Surface* picture = IMG_Load(wide.string().c_str());
    ASSERT_TRUE(picture);
    // The whole picture, integer-scaled and centred; black all round.
    int const left = (attributes.width - picture->w) / 2;
    int const top = (attributes.height - picture->h) / 2;
    EXPECT_GT(share_alike(screen, picture, left, top), 0.98);
    for (auto [x, y] : { std::pair { 2, 2 }, { attributes.width - 3, attributes.height - 3 }, { left - 3, top + 40 }, { left + 40, top - 3 } })
        EXPECT_EQ(XGetPixel(screen, x, y) & 0xffffff, 0UL) << x << "," << y;
    SDL_FreeSurface(picture);
    XDestroyImage(screen);
    XCloseDisplay(display);

    // The second Alt+Enter puts the window back where it was, at its size.
    ASSERT_TRUE(wait_for_file(back));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(title_window(), windowed);
    auto const outcome = game.get();
    EXPECT_EQ(outcome.status, 0) << outcome.out;
    EXPECT_EQ(outcome.out.find("X Error"), std::string::npos) << outcome.out;
    fs::remove_all(folder);
}

TEST(RealWindows, AltEnterFillsTheWholeScreenAndComesBack)
{
    if (!have_desktop_tools())
        GTEST_SKIP() << "needs Xvfb, openbox and xprop";
    auto const self = fs::read_symlink("/proc/self/exe").string();
    for (auto const* manager : { "openbox", "none" }) {
        auto const run = run_command(std::string("env ") + fullscreen_child + "=1 " + with_desktop + " " + manager + " 1280x1024 '" + self +
            "' --gtest_filter='RealWindowsChildren.FullscreenChild' 2>&1");
        EXPECT_EQ(run.status, 0) << manager << "\n" << run.out;
    }
}
