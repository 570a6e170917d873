// Entry point: hands the command line to the game shell.
#include "shell/command_line.hpp"
#include "shell/game.hpp"

#include <iostream>

int main(int argc, char** argv)
{
    return shell::main(argc, argv);
}
