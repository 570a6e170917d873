// Tick timers, and counter timers whose Interval only holds a number.
#pragma once

#include "platform/clock.hpp"
#include "platform/control.hpp"

#include <cstdint>
#include <functional>

namespace platform {

// Ticks every Interval milliseconds while enabled, on a fixed grid from the moment it was switched
// on: tick n falls at on-time + n x Interval. A tick that falls due while the previous run of the
// handler is still going (inside a pause or a message box) comes once, after it returns.
class Timer : public Control {
public:
    Timer(Form& form, std::string name, int interval, Switch state);
    ~Timer() override;

    int interval() const { return m_interval; }
    // Restarts the countdown of a running timer; 0 or less never ticks.
    void set_interval(int interval);

    std::function<void()> on_tick;

    // Used by the runtime's loop.
    bool scheduled() const { return enabled() && m_interval > 0 && on_tick && !m_running; }
    Micros next_due() const { return m_next_due; }
    bool running() const { return m_running; }
    std::uint64_t order() const { return m_order; }
    void fire();

private:
    void enabled_changed() override;
    void restart();

    int m_interval = 0;
    Micros m_base = 0;
    Micros m_next_due = 0;
    bool m_running = false;
    std::uint64_t m_order = 0;
};

}
