// Timer scheduling on the runtime's clock.
#include "platform/timer.hpp"

#include "platform/form.hpp"
#include "platform/runtime.hpp"

#include <algorithm>

namespace platform {

Timer::Timer(Form& form, std::string name, int interval, Switch state)
    : Control(form, std::move(name), ControlKind::timer, {}, Visibility::hidden)
    , m_interval(interval)
{
    m_order = form.runtime().add_timer(*this);
    if (state == Switch::off)
        disable();
    else
        restart();
}

Timer::~Timer() { form().runtime().remove_timer(*this); }

void Timer::restart()
{
    Runtime const& runtime = form().runtime();
    Micros const period = static_cast<Micros>(m_interval) * 1000;
    // Switched on by a tick on the real clock, which runs on while handlers run: on the grid of
    // that tick's due time, so movers started together stay in step. The virtual clock stands
    // still in a handler (a pause inside it moves it on purpose), so there now is the base.
    Micros const now = runtime.clock().now();
    auto const tick_due = runtime.running_tick_due();
    m_base = now;
    if (tick_due && period > 0 && runtime.clock().kind() == ClockKind::real && now > *tick_due)
        m_base = now - (now - *tick_due) % period;
    m_next_due = m_base + period;
}

void Timer::set_interval(int interval)
{
    m_interval = interval;
    if (enabled())
        restart();
}

void Timer::enabled_changed()
{
    if (enabled())
        restart();
}

void Timer::fire()
{
    // The next tick is the first grid point after now: on the virtual clock that is the very next
    // one; on the real clock ticks that fell behind coalesce into this one.
    Runtime& runtime = form().runtime();
    Micros const now = runtime.clock().now();
    Micros const due = m_next_due;
    Micros const period = static_cast<Micros>(m_interval) * 1000;
    if (now < m_next_due + period)
        m_next_due += period;
    else
        m_next_due = m_base + ((now - m_base) / period + 1) * period;

    struct RunningGuard {
        bool& running;
        Runtime& runtime;
        RunningGuard(bool& flag, Runtime& owner, Micros due_time)
            : running(flag)
            , runtime(owner)
        {
            running = true;
            runtime.tick_started(due_time);
        }
        ~RunningGuard()
        {
            runtime.tick_ended();
            running = false;
        }
    } guard(m_running, runtime, due);
    on_tick();
}

}
