// What a script's commands name, found in the running game, shared by the headless runner and
// the player of real windows: forms, controls, the points clicks go to, printed values.
#pragma once

#include "platform/headless/script.hpp"

#include <functional>
#include <string>

namespace platform {

class Runtime;
class Form;
class Control;

// Renders a form to a PNG file; returns an error message, empty on success.
using ScreenshotFn = std::function<std::string(Form& form, std::string const& path)>;

// The loaded form a command names; a ScriptError for an unknown or unloaded one.
Form& script_form(Runtime& runtime, ScriptCommand const& command);
// The control a command names, array elements by index; a ScriptError that says what is wrong.
Control& script_control(Runtime& runtime, ScriptCommand const& command);

// Where a click goes, in form units: the middle of the control, or the given client pixel.
struct ScriptPoint {
    Form* form = nullptr;
    double x = 0;
    double y = 0;
};
ScriptPoint script_point(Runtime& runtime, ScriptCommand const& command);

// `print`: writes the value line to the transcript; script_value is the value as printed.
std::string script_value(Runtime& runtime, ScriptCommand const& command);
void print_value(Runtime& runtime, ScriptCommand const& command);
// `waitfor` and `waitbox`: whether the awaited state has come, and the error when it never did.
bool condition_holds(Runtime& runtime, ScriptCommand const& command);
std::string condition_failed(Runtime& runtime, ScriptCommand const& command);
// `show`: shows the screen as if the chain had reached it.
void post_show(Runtime& runtime, ScriptCommand const& command);
// `screenshot`: a ScriptError when nothing was written.
void take_screenshot(Runtime& runtime, ScriptCommand const& command, ScreenshotFn const& screenshot);
// The text an input box ends up with when this is typed into it.
std::string typed_text(std::string const& text);

}
