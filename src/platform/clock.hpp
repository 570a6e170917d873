// Monotonic game time in whole microseconds: the steady clock in real play, a virtual one headless.
#pragma once

#include <cstdint>

namespace platform {

using Micros = std::int64_t;

inline constexpr Micros micros_per_second = 1'000'000;
// Game time stays below this (about 146,000 years), so a timer's next tick is always far from
// overflowing.
inline constexpr Micros max_game_time = Micros { 1 } << 62;

inline Micros seconds_to_micros(double seconds)
{
    return static_cast<Micros>(seconds * 1e6 + (seconds >= 0 ? 0.5 : -0.5));
}

// A real clock runs on while handlers run, so ticks start late; a virtual one stands still and
// every tick starts at its due time.
enum class ClockKind { real, virtual_time };

class Clock {
public:
    virtual ~Clock() = default;
    virtual ClockKind kind() const = 0;
    // Monotonic time since the clock started; never jumps back, never wraps at midnight.
    virtual Micros now() const = 0;
    // Seconds since local midnight, only for a screen that shows the time of day.
    virtual double time_of_day() const = 0;
};

class RealClock final : public Clock {
public:
    RealClock();
    ClockKind kind() const override { return ClockKind::real; }
    Micros now() const override;
    double time_of_day() const override;

private:
    std::int64_t m_origin_ns = 0;
};

// Moves only when told to, so that every tick of a headless run happens at an exact time.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(double start_time_of_day = 0)
        : m_start_time_of_day(start_time_of_day)
    {
    }

    ClockKind kind() const override { return ClockKind::virtual_time; }
    Micros now() const override { return m_now; }
    double time_of_day() const override;

    // Never moves backwards: a target in the past leaves the clock where it is.
    void advance_to(Micros target)
    {
        if (target > m_now)
            m_now = target;
    }
    void advance_by(Micros amount) { advance_to(m_now + amount); }

private:
    double m_start_time_of_day = 0;
    Micros m_now = 0;
};

}
