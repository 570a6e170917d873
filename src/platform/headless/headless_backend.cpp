// Playing a script against the runtime on the virtual clock.
#include "platform/headless/headless_backend.hpp"

#include "platform/control.hpp"
#include "platform/echoed.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/line_edit.hpp"
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

Form& HeadlessBackend::loaded_form(Runtime& runtime, ScriptCommand const& command) const
{
    auto const& name = command.target.form;
    if (!runtime.knows_form(name))
        throw ScriptError(command.line, "unknown form " + echoed(name));
    Form* form = runtime.find_form(name);
    if (!form || !form->loaded())
        throw ScriptError(command.line, "form " + echoed(name) + " is not loaded");
    return *form;
}

Control& HeadlessBackend::control_of(Runtime& runtime, ScriptCommand const& command) const
{
    Form& form = loaded_form(runtime, command);
    auto const& name = command.target.control;
    auto const& controls = form.controls();
    auto const named = std::find_if(controls.begin(), controls.end(), [&](Control const* c) { return c->name() == name; });
    if (named == controls.end())
        throw ScriptError(command.line, "form " + echoed(form.name()) + " has no control " + echoed(name));
    bool const is_array = (*named)->index() >= 0;
    auto const& index = command.target.index;
    if (index && !is_array)
        throw ScriptError(command.line, "control " + echoed(name) + " is not an array, so it takes no index (" + std::to_string(*index) + ")");
    if (!index && is_array)
        throw ScriptError(command.line, "control " + echoed(name) + " is an array: name one of its elements, as " + name + "(" + std::to_string((*named)->index()) + ")");
    if (!index)
        return **named;
    Control* control = form.find_control(name, *index);
    if (!control || *index < 0)
        throw ScriptError(command.line, "control array " + echoed(name) + " has no element " + std::to_string(*index));
    return *control;
}

void HeadlessBackend::post_click(Runtime& runtime, ScriptCommand const& command, Verb verb)
{
    double x = 0;
    double y = 0;
    Form* form = nullptr;
    if (command.point == PointKind::control) {
        Control& control = control_of(runtime, command);
        form = &control.form();
        x = control.left() + control.width() / 2;
        y = control.top() + control.height() / 2;
    } else {
        form = &loaded_form(runtime, command);
        x = command.x * form->units_per_pixel();
        y = command.y * form->units_per_pixel();
    }
    InputEvent event;
    event.form = form;
    event.x = x;
    event.y = y;
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

namespace {

std::string yes_no(bool value) { return value ? "True" : "False"; }

}

void HeadlessBackend::print(Runtime& runtime, ScriptCommand const& command) const
{
    auto const& property = command.target.property;
    std::string value;
    if (command.target.control.empty()) {
        Form& form = loaded_form(runtime, command);
        if (property == "Left")
            value = format_number(form.window_left());
        else if (property == "Top")
            value = format_number(form.window_top());
        else if (property == "Visible")
            value = yes_no(form.visible());
        else if (property == "Caption")
            value = quote(form.caption());
        else if (property == "ScaleWidth")
            value = format_number(form.scale_width());
        else if (property == "ScaleHeight")
            value = format_number(form.scale_height());
        else
            throw ScriptError(command.line, "forms have no property " + echoed(property));
    } else {
        Control& control = control_of(runtime, command);
        auto const* label = dynamic_cast<Label const*>(&control);
        auto const* button = dynamic_cast<Button const*>(&control);
        auto const* sprite = dynamic_cast<Sprite const*>(&control);
        auto const* timer = dynamic_cast<Timer const*>(&control);
        if (property == "Left")
            value = format_number(control.left());
        else if (property == "Top")
            value = format_number(control.top());
        else if (property == "Width")
            value = format_number(control.width());
        else if (property == "Height")
            value = format_number(control.height());
        else if (property == "Visible")
            value = yes_no(control.visible());
        else if (property == "Enabled")
            value = yes_no(control.enabled());
        else if (property == "Caption" && label)
            value = quote(label->caption());
        else if (property == "Caption" && button)
            value = quote(button->caption());
        else if (property == "Interval" && timer)
            value = std::to_string(timer->interval());
        else if (property == "Picture" && sprite)
            value = sprite->picture() ? sprite->picture()->name() : "none";
        else
            throw ScriptError(command.line, "control " + echoed(control.display_name()) + " has no property " + echoed(property));
    }
    runtime.trace("value " + command.target.text + " " + value);
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
        event.form = &loaded_form(runtime, command);
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
        // As the window's editor takes typing: control characters dropped, a line break ends it,
        // at most so many letters, never half of one.
        sdl::LineEdit typed({}, input_box_max_length);
        typed.insert(command.text);
        dialog->input = typed.text();
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
        event.form = &loaded_form(runtime, command);
        event.source_line = command.line;
        runtime.post(event);
        return;
    }
    case Verb::show: {
        if (!runtime.knows_form(command.target.form))
            throw ScriptError(command.line, "unknown form " + echoed(command.target.form));
        InputEvent event;
        event.kind = InputKind::show;
        event.form_name = command.target.form;
        event.source_line = command.line;
        runtime.post(event);
        return;
    }
    case Verb::print:
        print(runtime, command);
        return;
    case Verb::screenshot: {
        Form& form = loaded_form(runtime, command);
        std::string const error = m_screenshot ? m_screenshot(form, command.text) : "rendering is not available";
        if (!error.empty())
            throw ScriptError(command.line, "screenshot failed: " + error);
        return;
    }
    }
}

}
