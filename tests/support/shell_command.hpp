// Running a shell command from a test and keeping what it printed.
#pragma once

#include <string>

namespace testing_support {

struct CommandOutcome {
    int status = -1; // the exit status; -1 when it did not exit normally
    std::string out; // its standard output (add 2>&1 to the command for standard error)
};

CommandOutcome run_command(std::string const& command);

}
