// Writes what the player does in real windows as a script that a headless run plays back.
#pragma once

#include "platform/clock.hpp"
#include "platform/dialog.hpp"
#include "platform/input.hpp"

#include <ostream>
#include <string>

namespace platform {
class Runtime;
}

namespace platform::sdl {

// Every command is written after a `wait` of the game time since the moment a headless run starts
// counting it: the first time after the command before that the game waited with nothing due.
// Played back on the virtual clock, each command then reaches the game at the very game time,
// and in the very loop, that the player's input did here.
class Recorder {
public:
    // `start_time_of_day`: seconds since midnight at game time 0, written into the header.
    Recorder(std::ostream& out, double start_time_of_day);

    // The game waits at `now` with nothing due.
    void idle(Micros now);
    // Input handed to the game at `now`: a press, a release, a key, a closed window. What the
    // game ignores unseen (a hidden window, anything but a box while one is open) is left out.
    void input(Runtime const& runtime, InputEvent const& event, Micros now);
    // The player closes a box with that button (an input box's OK with the text it holds).
    void box_closed(Runtime const& runtime, Dialog const& dialog, DialogResult result, Micros now);
    // The desktop asked the program to quit: a replay stops there instead.
    void desktop_quit(Micros now);
    // The program ends at `now`: a last wait, so that what the game did on its own after the last
    // input happens in the replay too.
    void finish(Micros now);

private:
    void command(Micros now, std::string const& line);
    void wait_up_to(Micros now);

    std::ostream& m_out;
    Micros m_counted_from = 0;
    bool m_counting = false; // the wait before the next command is being counted
};

// A wait in the script's seconds, exact to the microsecond: "2.5", "0.000125".
std::string script_seconds(Micros length);

}
