// Running a script against the game with no display and no audio device, on the virtual clock.
#pragma once

#include "platform/headless/headless_backend.hpp"
#include "platform/headless/script.hpp"

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace platform {

class Runtime;

struct HeadlessGame {
    // Installs the game's forms (form factory, titles) into a fresh runtime.
    std::function<void(Runtime&)> install;
    // Shows the first form, at game time 0.
    std::function<void(Runtime&)> start;
    ScreenshotFn screenshot;
    // Where the sound files are; the transcript names sounds without it.
    std::string program_folder;
    double start_time_of_day = 0;
};

// Plays `script`, writing the transcript to `out`. Returns 0 when the program ends or the script
// runs out, 2 after writing "FILE:LINE: message" to `err` for a script error.
int run_script(Script script, HeadlessGame const& game, std::ostream& out, std::ostream& err);
// The same with commands from any source, a player that watches the game for one.
int run_commands(std::unique_ptr<CommandSource> commands, HeadlessGame const& game, std::ostream& out, std::ostream& err);

// Reads and parses the script at `path` ("-" for standard input); nothing, after a line on `err`
// that says why, when it cannot be read or understood.
std::optional<Script> load_script(std::string const& path, std::ostream& err);

// Reads and plays the script at `path` ("-" for standard input).
int run_script_file(std::string const& path, HeadlessGame const& game, std::ostream& out, std::ostream& err);

}
