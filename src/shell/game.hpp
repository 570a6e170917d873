// The game's entry: reads the command line and runs the game in windows or headless.
#pragma once

#include <string>

namespace shell {

int main(int argc, char** argv);

// Where the sound files lie: the installed data folder (share/grawn2 beside the executable's
// bin/), or else the folder that holds the executable.
std::string program_folder(char const* argv0);

}
