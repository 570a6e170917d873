// CPU share of one core taken by real windows under Xvfb: a form with 15 sprites moving every
// 25 ms, the same form idle, and a minimal SDL program that opens one window and idles.
// Usage: sdl_cpu_bench [--seconds N] [--here]   (--here uses the current display instead of Xvfb)
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/run_windowed.hpp"
#include "platform/timer.hpp"

#include "support/child_runs.hpp"

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace platform;

namespace {

double g_seconds = 5.0;
constexpr double warm_up_seconds = 0.5;

double cpu_seconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    auto const seconds = [](timeval t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double wall_seconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// CPU and wall time from the end of the warm-up to the end of a scenario.
struct Span {
    double cpu = 0;
    double wall = 0;
    void start()
    {
        cpu = cpu_seconds();
        wall = wall_seconds();
    }
    double share() const { return wall > 0 ? cpu / wall * 100.0 : 0; }
    void stop()
    {
        cpu = cpu_seconds() - cpu;
        wall = wall_seconds() - wall;
    }
};

PicturePtr animal(double hue)
{
    return make_picture("animal", { 35, 35, [hue](cairo_t* cr) {
                                       cairo_set_source_rgb(cr, hue, 0.6, 1 - hue);
                                       cairo_arc(cr, 17.5, 17.5, 16, 0, 2 * M_PI);
                                       cairo_fill(cr);
                                       cairo_set_source_rgb(cr, 0, 0, 0);
                                       cairo_arc(cr, 12, 13, 2.5, 0, 2 * M_PI);
                                       cairo_arc(cr, 23, 13, 2.5, 0, 2 * M_PI);
                                       cairo_fill(cr);
                                   } });
}

enum class Motion { idle, moving };

// The largest screen of the game with a scene like a rescue level's: a background, a label,
// buttons and fifteen sprites.
class Scene : public Form {
public:
    Scene(Runtime& runtime, Motion motion, Span& span)
        : Form(runtime, "scene", { "Grawn 2", largest_screen_width, largest_screen_height, { 128, 0, 0 } })
        , m_motion(motion)
        , m_span(span)
    {
        for (int i = 0; i < 15; ++i) {
            m_sprites.push_back(std::make_unique<Sprite>(*this, "sprite", Rect { 10.0 + 32 * i, 100.0 + 17 * i, 35, 35 }));
            m_sprites.back()->set_picture(animal(i / 15.0));
            m_steps.push_back({ 3.0 + i % 4, 2.0 + i % 3 });
        }
        warm.on_tick = [this] {
            warm.disable();
            m_span.start();
            finish.enable();
        };
        finish.on_tick = [this] {
            m_span.stop();
            unload();
        };
        move.on_tick = [this] {
            for (std::size_t i = 0; i < m_sprites.size(); ++i) {
                auto& sprite = *m_sprites[i];
                auto& step = m_steps[i];
                if (sprite.left() + step.first < 0 || sprite.left() + step.first + 35 > client_width())
                    step.first = -step.first;
                if (sprite.top() + step.second < 20 || sprite.top() + step.second + 35 > client_height())
                    step.second = -step.second;
                sprite.move(sprite.left() + step.first, sprite.top() + step.second);
            }
        };
        if (m_motion == Motion::moving)
            move.enable();
    }

    Shape ground { *this, "ground", { 0, 72, 481, 400 }, { ShapeKind::rectangle, FillStyle::solid, { 192, 0, 0 }, colors::black, 0 } };
    Label caption { *this, "caption", { 0, 0, 89, 17 }, {}, "Recent Messages:" };
    Label message { *this, "message", { 96, 0, 89, 17 }, { {}, colors::white }, "None" };
    Button next { *this, "next", { 400, 420, 73, 21 }, "Next ->" };
    Timer move { *this, "move", 25, Switch::off };
    Timer warm { *this, "warm", static_cast<int>(warm_up_seconds * 1000), Switch::on };
    Timer finish { *this, "finish", static_cast<int>(g_seconds * 1000), Switch::off };

private:
    Motion m_motion;
    Span& m_span;
    std::vector<std::unique_ptr<Sprite>> m_sprites;
    std::vector<std::pair<double, double>> m_steps;
};

double run_scene(Motion motion, int scale)
{
    Span span;
    WindowOptions options;
    options.scale = scale;
    Scene* scene = nullptr;
    int const status = run_windowed(
        options, [&](Runtime& runtime) { scene = static_cast<Scene*>(&runtime.adopt(std::make_unique<Scene>(runtime, motion, span))); },
        [&](Runtime&) { scene->show(); }, {}, std::cerr);
    return status == 0 ? span.share() : -1;
}

// The least an SDL program with one window costs: it opens it, draws it once and waits.
double run_reference(int scale)
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return -1;
    SDL_Window* window = SDL_CreateWindow("reference", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, largest_screen_width * scale,
        largest_screen_height * scale, 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    SDL_SetRenderDrawColor(renderer, 128, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderPresent(renderer);
    Span span;
    double const start = wall_seconds();
    bool measuring = false;
    for (;;) {
        double const now = wall_seconds();
        if (!measuring && now - start >= warm_up_seconds) {
            span.start();
            measuring = true;
        }
        if (now - start >= warm_up_seconds + g_seconds)
            break;
        double const until = measuring ? start + warm_up_seconds + g_seconds : start + warm_up_seconds;
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, static_cast<int>(std::ceil((until - now) * 1000))) && event.type == SDL_WINDOWEVENT
            && event.window.event == SDL_WINDOWEVENT_EXPOSED)
            SDL_RenderPresent(renderer);
    }
    span.stop();
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return span.share();
}

void report(char const* what, double share, double goal)
{
    if (share < 0) {
        std::printf("  %-44s  failed\n", what);
        return;
    }
    if (goal > 0)
        std::printf("  %-44s %6.2f %%   (goal under %.1f %%: %s)\n", what, share, goal, share < goal ? "met" : "NOT met");
    else
        std::printf("  %-44s %6.2f %%\n", what, share);
}

}

int main(int argc, char** argv)
{
    bench::run_under_xvfb(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            g_seconds = std::max(1.0, std::atof(argv[++i]));
    }

    std::printf("CPU share of one core, %.0f s each after %.1f s of warm-up (getrusage of the whole process):\n", g_seconds, warm_up_seconds);
    report("minimal SDL2 program, one idle window", bench::in_child([] { return run_reference(1); }, -1.0), 0);
    for (int scale : { 1, 2 }) {
        std::printf(" scale %d (window %d x %d):\n", scale, largest_screen_width * scale, largest_screen_height * scale);
        report("idle form", bench::in_child([scale] { return run_scene(Motion::idle, scale); }, -1.0), 0.5);
        report("15 sprites moving every 25 ms", bench::in_child([scale] { return run_scene(Motion::moving, scale); }, -1.0), 2.0);
    }
    return 0;
}
