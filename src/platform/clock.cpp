// The steady clock for real play and the time-of-day readings of both clocks.
#include "platform/clock.hpp"

#include <chrono>
#include <cmath>
#include <ctime>

namespace platform {

namespace {
std::int64_t steady_ns()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}

RealClock::RealClock()
    : m_origin_ns(steady_ns())
{
}

Micros RealClock::now() const { return (steady_ns() - m_origin_ns) / 1000; }

double RealClock::time_of_day() const
{
    auto const now = std::chrono::system_clock::now();
    std::time_t const t = std::chrono::system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&t, &local);
    auto const fraction = std::chrono::duration<double>(now.time_since_epoch()).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + (fraction - std::floor(fraction));
}

double VirtualClock::time_of_day() const
{
    return std::fmod(m_start_time_of_day + static_cast<double>(m_now) / micros_per_second, 86400.0);
}

}
