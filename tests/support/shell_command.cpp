// popen, read to the end, pclose.
#include "support/shell_command.hpp"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace testing_support {

CommandOutcome run_command(std::string const& command)
{
    CommandOutcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    std::array<char, 4096> buffer {};
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        outcome.out.append(buffer.data(), n);
    int const raw = pclose(pipe);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return outcome;
}

}
