// Timer scheduling on the runtime's clock.
#include "platform/timer.hpp"

#include "platform/form.hpp"
#include "platform/runtime.hpp"

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
    m_base = form().runtime().clock().now();
    m_next_due = m_base + static_cast<Micros>(m_interval) * 1000;
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
    Micros const now = form().runtime().clock().now();
    Micros const period = static_cast<Micros>(m_interval) * 1000;
    if (now < m_next_due + period)
        m_next_due += period;
    else
        m_next_due = m_base + ((now - m_base) / period + 1) * period;

    struct RunningGuard {
        bool& running;
        explicit RunningGuard(bool& flag)
            : running(flag)
        {
            running = true;
        }
        ~RunningGuard() { running = false; }
    } guard(m_running);
    on_tick();
}

}
