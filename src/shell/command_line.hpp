// The game's command line: display, sound and headless options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace shell {

enum class RunMode { play, play_script, headless, art_sheet, help, version };
enum class Sound { on, mute };
enum class Display { window, fullscreen };

struct Options {
    RunMode mode = RunMode::play;
    std::optional<int> scale; // 1 to 4; unset picks the largest that fits the desktop
    Display display = Display::window;
    Sound sound = Sound::on;
    std::string soundfont;
    std::string script; // "-" reads standard input
    std::string art_sheet;
    double start_time_of_day = 0; // headless runs only
};

struct ParseResult {
    std::optional<Options> options; // empty when the command line is wrong
    std::string error;
};

ParseResult parse_command_line(std::vector<std::string> const& args);

std::string usage();

}
