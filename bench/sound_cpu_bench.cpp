// What the game's sound costs: the whole game in a real window under Xvfb, its sound on SDL's
// disk audio driver (real synthesis at the device's pace, written to /dev/null), against the
// same run with --mute. Per scenario: the CPU share of one core and the peak memory.
//
// Usage: sound_cpu_bench [--seconds N] [--soundfont FILE.sf2] [--here]
// (--here uses the current display instead of a fresh Xvfb; --soundfont replaces the search.)
#include "platform/audio/audio.hpp"
#include "platform/audio/soundfont_finder.hpp"
#include "platform/media.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/run_windowed.hpp"
#include "shell/game.hpp"
#include "shell/screens.hpp"

#include "support/child_runs.hpp"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <csignal>
#include <pthread.h>
#include <unistd.h>
#include <vector>

namespace {

double g_seconds = 20.0;
std::optional<std::string> g_soundfont;

double cpu_seconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto const seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double wall_seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The peak resident memory of this process so far, in MB.
double peak_megabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return -1;
}

enum class Scene { title, level };
enum class Sound { on, mute };

struct Result {
    double cpu_share = -1;
    double peak_mb = -1;
};

// What the player does, by the clock: the story's four pages, then (for the level) Start and
// the briefing's OK. Pushed from SDL's timer thread, taken by the game's own event loop.
struct Driver {
    Uint32 window = 0;
    Scene scene = Scene::title;
    double measure_from = 0;
    double cpu_start = 0;
    double wall_start = 0;
    Result result;
};
Driver g_driver;

void push_click(int x, int y)
{
    for (Uint32 type : { SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP }) {
        SDL_Event event {};
        event.type = type;
        event.button.windowID = g_driver.window;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.clicks = 1;
        event.button.x = x;
        event.button.y = y;
        SDL_PushEvent(&event);
    }
}

void push_enter()
{
    SDL_Event event {};
    event.type = SDL_KEYDOWN;
    event.key.windowID = g_driver.window;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = SDLK_RETURN;
    event.key.keysym.scancode = SDL_SCANCODE_RETURN;
    SDL_PushEvent(&event);
}

// The title screen's controls, in its client pixels at scale 1.
constexpr int continue_x = 156, continue_y = 160;
constexpr int start_x = 156, start_y = 114;

// The game waits on its X connection, which events pushed from SDL's timer thread do not reach:
// a signal to its thread (handled by doing nothing) ends that wait, and it then polls SDL.
pthread_t g_game_thread {};
void wake_game() { pthread_kill(g_game_thread, SIGUSR2); }

Uint32 SDLCALL on_step(Uint32, void* step_pointer)
{
    auto const step = reinterpret_cast<std::intptr_t>(step_pointer);
    if (step < 4)
        push_click(continue_x, continue_y);
    else if (step == 4)
        push_click(start_x, start_y);
    else if (step == 5)
        push_enter();
    else if (step == 6) {
        g_driver.cpu_start = cpu_seconds();
        g_driver.wall_start = wall_seconds();
    } else {
        g_driver.result.cpu_share = (cpu_seconds() - g_driver.cpu_start) / (wall_seconds() - g_driver.wall_start) * 100.0;
        SDL_Event quit {};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
    wake_game();
    return 0;
}

void schedule(double at, std::intptr_t step)
{
    SDL_AddTimer(static_cast<Uint32>(at * 1000), on_step, reinterpret_cast<void*>(step));
}

Result run_game(Scene scene, Sound sound)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    g_driver.scene = scene;
    g_game_thread = pthread_self();
    struct sigaction nothing {};
    nothing.sa_handler = [](int) { };
    sigaction(SIGUSR2, &nothing, nullptr);
    platform::AudioOptions audio;
    if (g_soundfont)
        audio.soundfont = *g_soundfont;
    audio.output = sound == Sound::mute ? platform::AudioOutput::mute : platform::AudioOutput::device;
    std::unique_ptr<platform::MediaBackend> backend;
    std::unique_ptr<platform::Media> media;
    platform::WindowOptions windows;
    windows.scale = 1;
    auto const folder = shell::program_folder(nullptr);
    auto const program = std::filesystem::path(folder).parent_path().string();
    int const status = platform::run_windowed(
        windows, shell::install_screens,
        [scene](platform::Runtime& runtime) {
            runtime.show_form("intro");
            for (Uint32 id = 1; id < 64; ++id)
                if (auto* window = SDL_GetWindowFromID(id); window && std::strcmp(SDL_GetWindowTitle(window), "Grawn 2: Hoofclatter") == 0)
                    g_driver.window = id;
            // The logo holds for 5 s; the title screen's tune begins once the story is read and
            // the four shots are fired, 5 s after the last page.
            for (int page = 0; page < 4; ++page)
                schedule(5.5 + 0.7 * page, page);
            double measure_from = 18;
            if (scene == Scene::level) {
                schedule(14, 4);
                schedule(15, 5);
                measure_from = 17;
            }
            schedule(measure_from, 6);
            schedule(measure_from + g_seconds, 7);
        },
        [&](platform::Runtime& runtime) {
            backend = platform::open_audio(audio);
            media = std::make_unique<platform::Media>(program, *backend);
            runtime.set_media(media.get());
        },
        std::cerr);
    (void)status;
    g_driver.result.peak_mb = peak_megabytes();
    return g_driver.result;
}

void report(char const* what, Result const& with_sound, Result const& muted, double cpu_goal, double memory_goal)
{
    std::printf("  %-34s CPU %6.2f %%  (muted %5.2f %%, goal under %.0f %%: %s)\n", what, with_sound.cpu_share, muted.cpu_share, cpu_goal,
                with_sound.cpu_share >= 0 && with_sound.cpu_share < cpu_goal ? "met" : "NOT met");
    std::printf("  %-34s peak %5.1f MB (muted %5.1f MB, goal under %.0f MB: %s)\n", "", with_sound.peak_mb, muted.peak_mb, memory_goal,
                with_sound.peak_mb >= 0 && with_sound.peak_mb < memory_goal ? "met" : "NOT met");
}

}

int main(int argc, char** argv)
{
    bench::run_under_xvfb(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            g_seconds = std::max(2.0, std::atof(argv[++i]));
        else if (std::strcmp(argv[i], "--soundfont") == 0 && i + 1 < argc)
            g_soundfont = argv[++i];
    }
    auto const found = platform::find_soundfont([](char const* name) { return static_cast<char const*>(std::getenv(name)); });
    std::printf("The game under Xvfb, sound on SDL's disk driver; %.0f s measured per run (getrusage, VmHWM).\n", g_seconds);
    std::printf("Soundfont: %s\n", g_soundfont ? g_soundfont->c_str() : found ? found->c_str() : "none found");
    auto const title = bench::in_child([] { return run_game(Scene::title, Sound::on); });
    auto const title_muted = bench::in_child([] { return run_game(Scene::title, Sound::mute); });
    report("title screen, idle, with its tune", title, title_muted, 2, 60);
    auto const level = bench::in_child([] { return run_game(Scene::level, Sound::on); });
    auto const level_muted = bench::in_child([] { return run_game(Scene::level, Sound::mute); });
    report("World 1 Level 1 with its tune", level, level_muted, 3, 60);
    return 0;
}
