// The baseline of the real-window benchmarks: the least an SDL2 program with one window does. It
// opens a window, fills it once through the window surface (as the game draws), then only waits
// for events, redrawing on exposure, until it is closed, gets SIGTERM, or its time is up.
// Linked with SDL2 alone. Usage: minimal_sdl [--width W] [--height H] [--seconds N]
// With GRAWN2_FIRST_FRAME_STAMP set it writes "first-frame NANOSECONDS" (CLOCK_MONOTONIC) on
// stderr once its picture has reached the display, as the game does.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

long long monotonic_ns()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

void paint(SDL_Window* window)
{
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface)
        return;
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 128, 0));
    SDL_UpdateWindowSurface(window);
}

}

int main(int argc, char** argv)
{
    int width = 624;
    int height = 426;
    double seconds = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--width") == 0)
            width = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--height") == 0)
            height = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seconds") == 0)
            seconds = std::atof(argv[i + 1]);
    }
    // The game draws in software and hands its pictures over as they are; so does this.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "minimal_sdl: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("minimal", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, 0);
    if (!window) {
        std::fprintf(stderr, "minimal_sdl: %s\n", SDL_GetError());
        return 1;
    }
    paint(window);
    if (std::getenv("GRAWN2_FIRST_FRAME_STAMP")) {
        std::fprintf(stderr, "first-frame %lld\n", monotonic_ns());
        std::fflush(stderr);
    }
    long long const end = seconds > 0 ? monotonic_ns() + static_cast<long long>(seconds * 1e9) : 0;
    for (;;) {
        int timeout = -1;
        if (end) {
            long long const left = end - monotonic_ns();
            if (left <= 0)
                break;
            timeout = static_cast<int>((left + 999'999) / 1'000'000);
        }
        SDL_Event event;
        bool const got = timeout < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, timeout) != 0;
        if (!got)
            continue;
        if (event.type == SDL_QUIT || (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE))
            break;
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
            paint(window);
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
