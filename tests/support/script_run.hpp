// Runs a script text against forms a test provides, and hands back what the player saw.
#pragma once

#include "platform/headless/headless_run.hpp"

#include <string>
#include <vector>

namespace testing_support {

struct ScriptRun {
    int exit_code = 0;
    std::string transcript;
    std::string errors;
    std::vector<std::string> lines() const;
    bool has(std::string const& line) const;
    // How many lines contain `part`.
    long count(std::string const& part) const;
    // The screens whose windows appeared, in order.
    std::vector<std::string> shown() const;
};

// Each of the lines is in the transcript (a failure names the missing line and shows the whole).
void expect_values(ScriptRun const& result, std::vector<std::string> const& lines);

// A play-through script kept under tests/scripts/.
std::string read_script(std::string const& name);

ScriptRun run(std::string const& script, platform::HeadlessGame const& game, std::string const& file = "test.script");

}
