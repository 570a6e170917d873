// Helpers for running scripts in tests.
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testing_support {

std::vector<std::string> ScriptRun::lines() const
{
    std::vector<std::string> out;
    std::istringstream in(transcript);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

bool ScriptRun::has(std::string const& line) const
{
    auto const all = lines();
    return std::find(all.begin(), all.end(), line) != all.end();
}

long ScriptRun::count(std::string const& part) const
{
    auto const all = lines();
    return std::count_if(all.begin(), all.end(), [&](std::string const& line) { return line.find(part) != std::string::npos; });
}

std::vector<std::string> ScriptRun::shown() const
{
    std::vector<std::string> screens;
    for (auto const& line : lines()) {
        if (auto at = line.find(" show "); at != std::string::npos)
            screens.push_back(line.substr(at + 6));
    }
    return screens;
}

std::string read_script(std::string const& name)
{
    std::ifstream in(std::string(GRAWN2_SOURCE_DIR) + "/tests/scripts/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void expect_values(ScriptRun const& result, std::vector<std::string> const& lines)
{
    for (auto const& line : lines)
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
}

ScriptRun run(std::string const& script, platform::HeadlessGame const& game, std::string const& file)
{
    std::ostringstream out;
    std::ostringstream err;
    ScriptRun result;
    try {
        result.exit_code = platform::run_script(platform::parse_script(script, file), game, out, err);
    } catch (platform::ScriptError const& error) {
        err << file << ":" << error.line() << ": " << error.what() << "\n";
        result.exit_code = 2;
    }
    result.transcript = out.str();
    result.errors = err.str();
    return result;
}

}
