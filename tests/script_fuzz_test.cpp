// A seeded fuzz run of the script language against the real game: random scripts built from the
// README's commands and mutations of the play-through scripts. Nothing may crash or hang, and
// every failure is exit 2 with one `FILE:LINE: message` line of modest length.
// GRAWN2_FUZZ_SEED and GRAWN2_FUZZ_SECONDS change the seed and the time spent (4 s by default).
#include "platform/headless/script.hpp"
#include "shell/screens.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

namespace {

std::string read_text(std::filesystem::path const& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> split(std::string const& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator))
        parts.push_back(part);
    return parts;
}

// Every command form the README's table of commands shows, e.g. "click FORM.CONTROL [left|right]".
std::vector<std::string> readme_commands()
{
    auto const readme = read_text(std::filesystem::path(GRAWN2_SOURCE_DIR) / "README.md");
    auto const section = readme.find("## Headless scripts");
    std::vector<std::string> commands;
    for (auto const& line : split(readme.substr(section, readme.find("\n## ", section + 1) - section), '\n')) {
        if (line.rfind("| `", 0) != 0)
            continue;
        auto const cell = line.substr(2, line.find(" | ", 2) - 2);
        static std::regex const code("`([^`]*)`");
        for (std::sregex_iterator it(cell.begin(), cell.end(), code), end; it != end; ++it) {
            auto command = (*it)[1].str();
            if (command.rfind("T ", 0) == 0)
                continue; // a transcript line
            for (std::size_t at; (at = command.find("\\|")) != std::string::npos;)
                command.replace(at, 2, "|");
            commands.push_back(command);
        }
    }
    return commands;
}

class Fuzzer {
public:
    explicit Fuzzer(std::uint32_t seed)
        : m_random(seed)
    {
        // In a fixed order, so that a seed always means the same scripts.
        std::vector<std::filesystem::path> files;
        for (auto const& entry : std::filesystem::directory_iterator(std::filesystem::path(GRAWN2_SOURCE_DIR) / "tests/scripts"))
            files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (auto const& file : files) {
            m_corpus.push_back(split(read_text(file), '\n'));
            for (auto const& line : m_corpus.back()) {
                for (auto const& word : split(line, ' ')) {
                    if (word.find('.') != std::string::npos && word.find_first_of("0123456789") != 0)
                        m_targets.push_back(word.substr(0, word.find('.', word.find('.') + 1)));
                }
            }
        }
        m_templates = readme_commands();
        m_forms = shell::screen_names();
    }

    bool has_material() const { return !m_corpus.empty() && m_templates.size() >= 16 && !m_targets.empty(); }

    std::string next_script()
    {
        std::vector<std::string> lines;
        if (chance(3)) {
            for (int i = 0, n = pick(1, 40); i < n; ++i)
                lines.push_back(random_command());
        } else {
            auto const& source = m_corpus[pick(0, static_cast<int>(m_corpus.size()) - 1)];
            lines.assign(source.begin(), source.begin() + pick(1, static_cast<int>(source.size())));
            for (int i = 0, n = pick(1, 3); i < n; ++i)
                mutate(lines);
        }
        std::string script;
        for (auto const& line : lines)
            script += line + (chance(50) ? "\r\n" : "\n");
        if (chance(10) && !script.empty())
            script.pop_back(); // no line break at the end
        return script;
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(int one_in) { return pick(1, one_in) == 1; }
    template<typename T>
    T const& any_of(std::vector<T> const& items) { return items[pick(0, static_cast<int>(items.size()) - 1)]; }

    std::string number()
    {
        static std::vector<std::string> const odd { "-1", "-0", "0", "1e300", "1e-300", "nan", "inf", "-inf", "86400", "86400.0001",
            "2147483647", "2147483648", "-2147483649", "0x10", "1,5", ".5", "5.", "+1", "1e", "9223372036854.7", "", "007",
            std::string(400, '9') };
        if (chance(4))
            return any_of(odd);
        return std::to_string(pick(0, 60)) + (chance(2) ? "." + std::to_string(pick(0, 999)) : "");
    }

    std::string nasty_word()
    {
        static std::vector<std::string> const words { "(", ")", "()", "(1", "a(1)b", ".", "..", "intro.", ".Label2", "intro..Label2",
            "intro.Label2(-1)", "intro.Label2(0)", "intro.Image1", "intro.Image1(-1)", "intro.Image1(1)", "intro.Image1(2)",
            "intro.Label2.Caption.Left", "\"", "\"\"", "\"a b\"", "\"a\\\"b\"", "\"a\\qb\"", "\"open", "\"x\"y", "#", "\t",
            "\xc3\xa9", "\xc3", "\xff\xfe", std::string("\0", 1), "\x01\x7f", "left", "right", "middle", "Visible", "Caption",
            "Picture", "Interval", "ScaleWidth", "Left", std::string(300, 'x') };
        return any_of(words);
    }

    std::string word()
    {
        switch (pick(0, 4)) {
        case 0:
            return number();
        case 1:
            return nasty_word();
        case 2:
            return any_of(m_forms);
        default:
            return any_of(m_targets);
        }
    }

    // Fills a command of the README's table with values, now and then a wrong one.
    std::string random_command()
    {
        std::string out;
        auto const& form = any_of(m_templates);
        for (auto const& token : split(form, ' ')) {
            std::string value = token;
            if (chance(15))
                value = word();
            else if (token == "FORM")
                value = any_of(m_forms);
            else if (token == "FORM.CONTROL.PROPERTY")
                value = any_of(m_targets) + "." + any_of(m_properties);
            else if (token == "FORM.PROPERTY")
                value = any_of(m_forms) + "." + any_of(m_properties);
            else if (token == "FORM.CONTROL")
                value = any_of(m_targets);
            else if (token == "S" || token == "X" || token == "Y" || token == "CODE" || token == "[SHIFT]")
                value = number();
            else if (token == "[left|right]")
                value = chance(2) ? "" : chance(2) ? "left" : "right";
            else if (token == "TEXT")
                value = chance(2) ? nasty_word() : std::string(pick(0, 300), "a\xc3\xa9 \x01"[pick(0, 4)]);
            else if (token == "FILE.png")
                value = chance(2) ? "\"shot " + number() + ".png\"" : "shot.png";
            else if (token == "..." && form.rfind("key", 0) == 0)
                value = any_of(m_forms) + " " + number();
            else if (token == "...")
                value = chance(2) ? any_of(m_targets) + " right" : any_of(m_forms) + " " + number() + " " + number();
            out += (out.empty() ? "" : " ") + value;
        }
        return out;
    }

    void mutate(std::vector<std::string>& lines)
    {
        auto const at = static_cast<std::size_t>(pick(0, static_cast<int>(lines.size()) - 1));
        std::string& line = lines[at];
        switch (pick(0, 7)) {
        case 0:
            lines.erase(lines.begin() + static_cast<long>(at));
            if (lines.empty())
                lines.push_back(random_command());
            break;
        case 1:
            lines.insert(lines.begin() + static_cast<long>(at), line);
            break;
        case 2:
            std::swap(line, lines[static_cast<std::size_t>(pick(0, static_cast<int>(lines.size()) - 1))]);
            break;
        case 3:
            lines.insert(lines.begin() + static_cast<long>(at), random_command());
            break;
        case 4:
            if (!line.empty())
                line[static_cast<std::size_t>(pick(0, static_cast<int>(line.size()) - 1))] = static_cast<char>(pick(0, 255));
            break;
        case 5:
            line.resize(static_cast<std::size_t>(pick(0, static_cast<int>(line.size()))));
            break;
        default: {
            auto words = split(line, ' ');
            if (words.empty())
                break;
            words[static_cast<std::size_t>(pick(0, static_cast<int>(words.size()) - 1))] = word();
            line.clear();
            for (auto const& w : words)
                line += (line.empty() ? "" : " ") + w;
        }
        }
    }

    std::mt19937 m_random;
    std::vector<std::vector<std::string>> m_corpus;
    std::vector<std::string> m_templates;
    std::vector<std::string> m_targets;
    std::vector<std::string> m_forms;
    std::vector<std::string> m_properties { "Left", "Top", "Width", "Height", "Visible", "Enabled", "Caption", "Interval", "Picture",
        "ScaleWidth", "ScaleHeight" };
};

// Long waits only cost time: a script that would play more than ten minutes of game time is
// not worth running here.
bool plays_long(std::string const& script)
{
    try {
        double total = 0;
        for (auto const& command : platform::parse_script(script, "fuzz.script").commands)
            total += command.seconds;
        return total > 600;
    } catch (platform::ScriptError const&) {
        return false;
    }
}

std::uint32_t from_environment(char const* name, std::uint32_t fallback)
{
    char const* value = std::getenv(name);
    return value && *value ? static_cast<std::uint32_t>(std::strtoul(value, nullptr, 10)) : fallback;
}

}

TEST(ScriptFuzz, NoScriptCrashesHangsOrFailsWithoutAFileAndLine)
{
    auto const seed = from_environment("GRAWN2_FUZZ_SEED", 20240611);
    auto const budget = std::chrono::seconds(from_environment("GRAWN2_FUZZ_SECONDS", 4));
    Fuzzer fuzzer(seed);
    ASSERT_TRUE(fuzzer.has_material()) << "the play-through scripts and the README's commands are the fuzzer's material";
    // Screenshots are left without a renderer, so nothing is written wherever the test runs.
    auto const game = testing_support::game();
    static std::regex const one_error("test\\.script:[0-9]+: [^\n]+\n");
    auto const start = std::chrono::steady_clock::now();
    int runs = 0;
    int errors = 0;
    for (int i = 0; std::chrono::steady_clock::now() - start < budget; ++i) {
        auto const script = fuzzer.next_script();
        if (plays_long(script))
            continue;
        ++runs;
        testing_support::ScriptRun result;
        try {
            result = testing_support::run(script, game);
        } catch (std::exception const& error) {
            result.exit_code = -1;
            result.errors = std::string("uncaught exception: ") + error.what();
        }
        bool const fine = result.exit_code == 0 ? result.errors.empty()
                                                : result.exit_code == 2 && result.errors.size() < 400 && std::regex_match(result.errors, one_error);
        errors += result.exit_code == 2;
        if (!fine) {
            ADD_FAILURE() << "seed " << seed << ", script " << i << ": exit " << result.exit_code << ", said:\n"
                          << result.errors.substr(0, 1000) << "\nscript:\n"
                          << script.substr(0, 4000);
            break;
        }
    }
    EXPECT_GT(runs, 100);
    EXPECT_GT(errors, runs / 10) << "mutations should hit the parser's and the runner's errors";
    EXPECT_LT(errors, runs) << "some scripts should play through";
    std::cout << runs << " scripts, " << errors << " of them script errors\n";
}
