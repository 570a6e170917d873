// The game's entry: reads the command line and runs the game in windows or headless.
#pragma once

#include <string>

namespace shell {

int main(int argc, char** argv);

// The folder that holds the executable, where the sound files lie.
std::string program_folder(char const* argv0);

}
