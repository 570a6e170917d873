// What a script's commands name, found in the running game: forms, controls, points, values.
#include "platform/headless/script_targets.hpp"

#include "platform/control.hpp"
#include "platform/echoed.hpp"
#include "platform/form.hpp"
#include "platform/input.hpp"
#include "platform/line_edit.hpp"
#include "platform/runtime.hpp"
#include "platform/timer.hpp"

#include <algorithm>

namespace platform {

Form& script_form(Runtime& runtime, ScriptCommand const& command)
{
    auto const& name = command.target.form;
    if (!runtime.knows_form(name))
        throw ScriptError(command.line, "unknown form " + echoed(name));
    Form* form = runtime.find_form(name);
    if (!form || !form->loaded())
        throw ScriptError(command.line, "form " + echoed(name) + " is not loaded");
    return *form;
}

Control& script_control(Runtime& runtime, ScriptCommand const& command)
{
    Form& form = script_form(runtime, command);
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

ScriptPoint script_point(Runtime& runtime, ScriptCommand const& command)
{
    if (command.point == PointKind::control) {
        Control& control = script_control(runtime, command);
        return { &control.form(), control.left() + control.width() / 2, control.top() + control.height() / 2 };
    }
    Form& form = script_form(runtime, command);
    return { &form, command.x * form.units_per_pixel(), command.y * form.units_per_pixel() };
}

namespace {

std::string yes_no(bool value) { return value ? "True" : "False"; }

}

std::string script_value(Runtime& runtime, ScriptCommand const& command)
{
    auto const& property = command.target.property;
    std::string value;
    if (command.target.control.empty()) {
        Form& form = script_form(runtime, command);
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
        Control& control = script_control(runtime, command);
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
    return value;
}

void print_value(Runtime& runtime, ScriptCommand const& command) { runtime.trace("value " + command.target.text + " " + script_value(runtime, command)); }

bool condition_holds(Runtime& runtime, ScriptCommand const& command)
{
    if (command.verb == Verb::waitbox)
        return runtime.top_dialog() != nullptr;
    // A screen that is not loaded yet simply has not come: the wait goes on.
    if (!runtime.knows_form(command.target.form))
        throw ScriptError(command.line, "unknown form " + echoed(command.target.form));
    Form const* form = runtime.find_form(command.target.form);
    if (!form || !form->loaded())
        return false;
    std::string const value = script_value(runtime, command);
    return value == command.text || value == quote(command.text);
}

std::string condition_failed(Runtime& runtime, ScriptCommand const& command)
{
    std::string const waited = format_number(command.seconds) + " s";
    if (command.verb == Verb::waitbox)
        return "no box opened within " + waited;
    Form const* form = runtime.find_form(command.target.form);
    std::string const now = form && form->loaded() ? script_value(runtime, command) : "not loaded";
    return command.target.text + " is " + echoed(now) + ", not " + echoed(command.text) + ", after " + waited;
}

void post_show(Runtime& runtime, ScriptCommand const& command)
{
    if (!runtime.knows_form(command.target.form))
        throw ScriptError(command.line, "unknown form " + echoed(command.target.form));
    InputEvent event;
    event.kind = InputKind::show;
    event.form_name = command.target.form;
    event.source_line = command.line;
    runtime.post(event);
}

void take_screenshot(Runtime& runtime, ScriptCommand const& command, ScreenshotFn const& screenshot)
{
    Form& form = script_form(runtime, command);
    std::string const error = screenshot ? screenshot(form, command.text) : "rendering is not available";
    if (!error.empty())
        throw ScriptError(command.line, "screenshot failed: " + error);
}

std::string typed_text(std::string const& text)
{
    // As the window's editor takes typing: control characters dropped, a line break ends it, at
    // most so many letters, never half of one.
    LineEdit typed({}, input_box_max_length);
    typed.insert(text);
    return typed.text();
}

}
