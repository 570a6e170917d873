// Turning the player's input in real windows into script commands and their waits.
#include "platform/sdl/recorder.hpp"

#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/headless/script.hpp"
#include "platform/runtime.hpp"

#include <cstdio>
#include <ostream>

namespace platform::sdl {

namespace {

std::string client_pixels(Form const& form, double units) { return format_number(units / form.units_per_pixel()); }

}

std::string script_seconds(Micros length)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%lld.%06lld", static_cast<long long>(length / micros_per_second), static_cast<long long>(length % micros_per_second));
    std::string text = buffer;
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

Recorder::Recorder(std::ostream& out, double start_time_of_day)
    : m_out(out)
{
    m_out << "# Play in real windows, recorded as a script; play it back headless with\n"
          << "#   --headless --time-of-day " << format_number(start_time_of_day) << " --script FILE\n"
          << "# Each wait is the game time the player took, counted as a headless run counts it.\n";
}

void Recorder::idle(Micros now)
{
    if (m_counting)
        return;
    m_counted_from = now;
    m_counting = true;
}

void Recorder::wait_up_to(Micros now)
{
    if (!m_counting)
        return;
    Micros left = now - m_counted_from;
    Micros const longest = seconds_to_micros(max_wait_seconds);
    for (; left > longest; left -= longest)
        m_out << "wait " << script_seconds(longest) << '\n';
    if (left > 0)
        m_out << "wait " << script_seconds(left) << '\n';
    m_counting = false;
}

void Recorder::command(Micros now, std::string const& line)
{
    wait_up_to(now);
    // Line by line, so that a game that is killed leaves what it had.
    m_out << line << std::endl;
    m_counting = false;
}

void Recorder::input(Runtime const& runtime, InputEvent const& event, Micros now)
{
    Form const* form = event.form;
    if (!form || !form->visible() || runtime.modal())
        return;
    std::string const& name = form->name();
    switch (event.kind) {
    case InputKind::mouse_down:
    case InputKind::mouse_up:
        command(now, std::string(event.kind == InputKind::mouse_down ? "down " : "up ") + name + " " + client_pixels(*form, event.x) + " "
                + client_pixels(*form, event.y) + (event.button == right_button ? " right" : ""));
        return;
    case InputKind::key_down:
    case InputKind::key_up:
        command(now, std::string(event.kind == InputKind::key_down ? "keydown " : "keyup ") + name + " " + std::to_string(event.key) + " "
                + std::to_string(event.shift));
        return;
    case InputKind::close:
        command(now, "close " + name);
        return;
    case InputKind::show:
        return;
    }
}

void Recorder::box_closed(Runtime const& runtime, Dialog const& dialog, DialogResult result, Micros now)
{
    if (dialog.result != DialogResult::open)
        return;
    // The script's ok and cancel press the top box's buttons.
    if (&dialog != runtime.top_dialog()) {
        wait_up_to(now);
        m_out << "# here a box under the top one was closed; a replay closes the top one instead\n";
    }
    if (dialog.kind == DialogKind::input && result == DialogResult::cancel)
        return command(now, "cancel");
    // `type` takes the rest of its line as it stands, and the box's text holds no line breaks.
    if (dialog.kind == DialogKind::input)
        command(now, "type " + dialog.input);
    command(now, "ok");
}

void Recorder::desktop_quit(Micros now)
{
    wait_up_to(now);
    m_out << "# here the desktop asked the game to quit; a replay stops at this point" << std::endl;
}

void Recorder::finish(Micros now)
{
    wait_up_to(now);
    m_out.flush();
}

}
