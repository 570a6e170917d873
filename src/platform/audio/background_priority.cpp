// Lowering one thread's priority: on Linux the nice value belongs to each thread.
#include "platform/audio/background_priority.hpp"

#include <sys/resource.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int background_nice = 10;

}

void lower_this_threads_priority()
{
#ifdef __linux__
    // Failing to lower it changes nothing but the order of work; nothing to report.
    (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), background_nice);
#endif
}

}
