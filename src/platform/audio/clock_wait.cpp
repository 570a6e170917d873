// Waiting on the steady clock: a condition variable that nobody signals, bounded by a deadline.
#include "platform/audio/clock_wait.hpp"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace platform {

void wait_microseconds(std::int64_t microseconds)
{
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::microseconds(microseconds);
    std::mutex mutex;
    std::condition_variable never_signalled;
    std::unique_lock lock(mutex);
    while (never_signalled.wait_until(lock, deadline) != std::cv_status::timeout) {
    }
}

}
