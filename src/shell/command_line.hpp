// The game's command line: display, sound and headless options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace shell {

enum class RunMode { play, play_script, headless, art_sheet, help, version };
enum class Sound { on, mute };
enum class Display { window, fullscreen };
// Who plays: the person at the keyboard (or a script, headless), or the game itself.
enum class Player { person, demo };

struct Options {
    RunMode mode = RunMode::play;
    std::optional<int> scale; // 1 to 4; unset picks the largest that fits the desktop
    Display display = Display::window;
    Sound sound = Sound::on;
    std::string soundfont;
    std::string script; // "-" reads standard input
    std::string art_sheet;
    double start_time_of_day = 0; // headless runs only
    Player player = Player::person;
    std::optional<std::uint32_t> demo_seed;
    std::string demo_lose; // the screen the demo plays to its loss
    std::string record; // where a person's play in windows is written as a script; empty: nowhere
};

struct ParseResult {
    std::optional<Options> options; // empty when the command line is wrong
    std::string error;
};

ParseResult parse_command_line(std::vector<std::string> const& args);

std::string usage();

}
