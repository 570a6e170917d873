// The game's entry: reads the command line and runs the game in windows or headless.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

namespace platform {
class CommandSource;
}

namespace shell {

struct Options;

int main(int argc, char** argv);

// Where the sound files lie: the installed data folder (share/grawn2 beside the executable's
// bin/), or else the folder that holds the executable.
std::string program_folder(char const* argv0);

// Plays in windows: the person at the keyboard, or `player`'s commands sent as real input with
// their transcript on `transcript`. With `recording`, what reaches the game is written there as a
// script for a headless run to play back.
int play_in_windows(Options const& options, std::string const& folder, std::unique_ptr<platform::CommandSource> player,
    std::ostream* recording, std::ostream& transcript);

}
