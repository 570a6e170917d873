// An opt-in stamp of the first window picture, for start-up benchmarks.
#include "platform/sdl/first_frame.hpp"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace platform::sdl {

void frame_presented()
{
    static bool stamped = std::getenv("GRAWN2_FIRST_FRAME_STAMP") == nullptr;
    if (stamped)
        return;
    stamped = true;
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "first-frame %lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
    std::fflush(stderr);
}

}
