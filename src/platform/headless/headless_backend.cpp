// Playing a script against the runtime on the virtual clock.
#include "platform/headless/headless_backend.hpp"

#include "platform/control.hpp"
#include "platform/headless/script_targets.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/timer.hpp"

#include <algorithm>
#include <cmath>

namespace platform {

HeadlessBackend::HeadlessBackend(VirtualClock& clock, std::unique_ptr<CommandSource> commands)
    : m_clock(clock)
    , m_commands(std::move(commands))
{
}

HeadlessBackend::HeadlessBackend(VirtualClock& clock, Script script)
    : HeadlessBackend(clock, std::make_unique<ScriptSource>(std::move(script)))
{
}

WindowPlace HeadlessBackend::place_window(Form& form)
{
    double const left = std::max(0, (desktop_width - form.client_width()) / 2);
    double const top = std::max(0, (desktop_height - form.client_height()) / 2);
    return { left * twips_per_pixel, top * twips_per_pixel };
}

void HeadlessBackend::wait(Runtime& runtime, std::optional<Micros> deadline)
{
    Micros const now = m_clock.now();
    if (deadline && *deadline <= now)
        return;
    if (m_condition) {
        if (condition_holds(runtime, *m_condition)) {
            m_condition.reset();
            m_wait_until.reset();
        } else if (*m_wait_until <= now) {
            throw ScriptError(m_condition->line, condition_failed(runtime, *m_condition));
        }
    }
    if (m_wait_until && *m_wait_until <= now)
        m_wait_until.reset();
    if (!m_wait_until) {
        auto const command = m_commands->next(runtime);
        if (!command)
            runtime.end_program(ProgramEnd::Reason::script_end);
        execute(runtime, *command);
        return;
    }
    Micros target = *m_wait_until;
    if (deadline)
        target = std::min(target, *deadline);
    m_clock.advance_to(target);
}

void HeadlessBackend::post_click(Runtime& runtime, ScriptCommand const& command, Verb verb)
{
    auto const point = script_point(runtime, command);
    InputEvent event;
    event.form = point.form;
    event.x = point.x;
    event.y = point.y;
    event.button = command.button;
    event.source_line = command.line;
    auto post = [&](InputKind kind) {
        event.kind = kind;
        runtime.post(event);
    };
    switch (verb) {
    case Verb::down:
        post(InputKind::mouse_down);
        break;
    case Verb::up:
        post(InputKind::mouse_up);
        break;
    case Verb::dblclick:
        post(InputKind::mouse_down);
        post(InputKind::mouse_up);
        [[fallthrough]];
    default:
        post(InputKind::mouse_down);
        post(InputKind::mouse_up);
        break;
    }
}

void HeadlessBackend::execute(Runtime& runtime, ScriptCommand const& command)
{
    switch (command.verb) {
    case Verb::wait: {
        // Waits are at most a day each, and scripts are bounded, so this holds long before the
        // clock's arithmetic could overflow; a script built in memory is held to it as well.
        Micros const length = seconds_to_micros(command.seconds);
        if (m_clock.now() > max_game_time - length)
            throw ScriptError(command.line, "the wait would run the game clock past its end");
        m_wait_until = m_clock.now() + length;
        return;
    }
    case Verb::waitfor:
    case Verb::waitbox:
        // Checked whenever the game is idle; the clock moves on from one due thing to the next.
        m_condition = command;
        m_wait_until = m_clock.now() + seconds_to_micros(command.seconds);
        return;
    case Verb::click:
    case Verb::dblclick:
    case Verb::down:
    case Verb::up:
    case Verb::clickat:
        post_click(runtime, command, command.verb);
        return;
    case Verb::key:
    case Verb::keydown:
    case Verb::keyup: {
        InputEvent event;
        event.form = &script_form(runtime, command);
        event.key = command.key;
        event.shift = command.shift;
        event.source_line = command.line;
        if (command.verb != Verb::keyup) {
            event.kind = InputKind::key_down;
            runtime.post(event);
        }
        if (command.verb != Verb::keydown) {
            event.kind = InputKind::key_up;
            runtime.post(event);
        }
        return;
    }
    case Verb::type: {
        Dialog* dialog = runtime.top_dialog();
        if (!dialog || dialog->kind != DialogKind::input) {
            runtime.trace("ignored " + std::to_string(command.line) + " no input box is open");
            return;
        }
        dialog->input = typed_text(command.text);
        return;
    }
    case Verb::ok:
    case Verb::cancel: {
        Dialog* dialog = runtime.top_dialog();
        if (!dialog) {
            runtime.trace("ignored " + std::to_string(command.line) + " no box is open");
            return;
        }
        runtime.close_dialog(*dialog, command.verb == Verb::ok ? DialogResult::ok : DialogResult::cancel);
        return;
    }
    case Verb::close: {
        InputEvent event;
        event.kind = InputKind::close;
        event.form = &script_form(runtime, command);
        event.source_line = command.line;
        runtime.post(event);
        return;
    }
    case Verb::show:
        post_show(runtime, command);
        return;
    case Verb::print:
        print_value(runtime, command);
        return;
    case Verb::screenshot:
        take_screenshot(runtime, command, m_screenshot);
        return;
    }
}

}
