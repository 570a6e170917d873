// Input the game must refuse with a clear message: script lines, script files, the command line
// and a tune whose times run off the end of the arithmetic.
#include "platform/audio/midi_song.hpp"
#include "platform/echoed.hpp"
#include "platform/sdl/screenshot.hpp"
#include "support/audio_files.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"
#include "support/shell_command.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// From the title screen's start to its menu, story skipped.
std::string const to_the_menu = "wait 5\nclick intro.Label2\nwait 0.6\nclick intro.Label2\nwait 0.6\nclick intro.Label2\n"
                                "wait 0.6\nclick intro.Label2\nwait 6\n";

platform::HeadlessGame game_with_screenshots()
{
    auto game = testing_support::game();
    game.screenshot = platform::make_screenshot_renderer(1);
    return game;
}

// Runs the game with `args` (and any shell redirections), keeping what it writes to stderr.
testing_support::CommandOutcome run_game(std::string const& args)
{
    return testing_support::run_command("timeout 60 " + std::string(GRAWN2_EXECUTABLE) + " " + args + " 2>&1 >/dev/null");
}

}

TEST(BadScriptInput, EachLineIsAnErrorThatNamesTheRealProblem)
{
    testing_support::TempFolder folder;
    auto const fifo = (folder.path() / "pipe.png").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string script;
        std::string error; // after "test.script:LINE: "
    };
    for (auto const& c : std::initializer_list<Case> {
             { "wait 9223372036854.7\n", "1: wait takes at most 86400 seconds (a day of game time), got '9223372036854.7'" },
             { "wait 1e300\n", "1: wait takes at most 86400 seconds (a day of game time), got '1e300'" },
             { "wait 1e400\n", "1: seconds out of range: '1e400'" },
             { "wait nan\n", "1: expected seconds as a finite number, got 'nan'" },
             { "wait -inf\n", "1: expected seconds as a finite number, got '-inf'" },
             { "clickat intro 5 inf\n", "1: expected Y as a finite number, got 'inf'" },
             { "wait 1\nclick intro.Label2(-1)\n", "2: control 'Label2' is not an array, so it takes no index (-1)" },
             { "print intro.Label2(-7).Caption\n", "1: control 'Label2' is not an array, so it takes no index (-7)" },
             { "print intro.Image1.Left\n", "1: control 'Image1' is an array: name one of its elements, as Image1(0)" },
             { "print intro.Image1(2).Left\n", "1: control array 'Image1' has no element 2" },
             { "click intro.Image1(99999999999)\n", "1: an index out of range: '99999999999'" },
             { "screenshot intro /dev/full\n", "1: screenshot failed: '/dev/full' is not a regular file" },
             { "screenshot intro \"" + fifo + "\"\n", "1: screenshot failed: '" + fifo + "' is not a regular file" },
             { "screenshot intro \"" + folder.path().string() + "\"\n", "1: screenshot failed: '" + folder.path().string() + "' is not a regular file" },
             { "screenshot intro \"no end.png\n", "1: a quoted word has no closing quote" },
             { "screenshot intro \"a\"b.png\n", "1: a quoted word must end at a space, got 'b.png' after its closing quote" },
             { "screenshot intro \"a\\tb.png\"\n", "1: a quoted word knows only the escapes \\\", \\\\ and \\n, got '\\\\t'" },
             // Words are repeated escaped and cut short, however they came.
             { "show in\x01tr\xc3\xa9\xff\n", "1: unknown form 'in\\x01tr\xc3\xa9\\xff'" },
             { "wait " + std::string(50'000'000, '7') + "\n",
                 "1: seconds out of range: '" + std::string(platform::echoed_max_bytes, '7') + "...' (50000000 bytes)" },
         }) {
        auto const result = testing_support::run(c.script, game_with_screenshots());
        EXPECT_EQ(result.exit_code, 2) << c.script.substr(0, 80);
        EXPECT_EQ(result.errors, "test.script:" + c.error + "\n") << c.script.substr(0, 80);
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo)) << "nothing was written into the pipe, nor put in its place";
}

TEST(ScriptInput, QuotedFileNamesAndTypingAsTheWindowsEditorTakesIt)
{
    testing_support::TempFolder folder;
    auto const spaced = folder.path() / "my \"best\" shot.png";
    // The unquoted form takes no spaces, and the test's folder has one.
    auto const plain = std::filesystem::temp_directory_path() / ("grawn2-plain-" + std::to_string(::getpid()) + ".png");
    std::string const letter = "\xc3\xa9"; // two bytes, one letter
    std::string typed;
    for (int i = 0; i < 300; ++i)
        typed += i == 7 ? std::string("\x01\x7f\t") + letter : letter;
    auto const result = testing_support::run(to_the_menu + "screenshot intro \"" + folder.path().string() + "/my \\\"best\\\" shot.png\"\n"
            + "screenshot intro " + plain.string() + "\nclick intro.Command4\ntype " + typed + "\nok\n",
        game_with_screenshots());
    ASSERT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_GT(std::filesystem::file_size(spaced), 1000u);
    EXPECT_EQ(std::filesystem::file_size(spaced), std::filesystem::file_size(plain));
    std::filesystem::remove(plain);
    std::string kept;
    for (int i = 0; i < 255; ++i)
        kept += letter;
    EXPECT_EQ(result.count("closed \"" + kept + "\""), 1) << "255 letters, control characters dropped\n" << result.transcript;
}

TEST(BadScriptInput, ScriptFilesAndTheCommandLine)
{
    testing_support::TempFolder folder;
    struct Case {
        std::string args;
        int status;
        std::string said;
    };
    for (auto const& c : std::initializer_list<Case> {
             { "--headless --script - --time-of-day nan </dev/null", 64, "grawn2: --time-of-day needs seconds since midnight, at least 0 and less than 86400, got 'nan'\n" },
             { "--headless --script '" + folder.path().string() + "'", 2, folder.path().string() + ": cannot read the script: it is a folder\n" },
             { "--headless --script - <&-", 2, "-: cannot read the script: Bad file descriptor\n" },
             { "--headless --script /dev/zero", 2, "/dev/zero: cannot read the script: it is larger than 4 MiB\n" },
         }) {
        auto const outcome = run_game(c.args);
        EXPECT_EQ(outcome.status, c.status) << c.args;
        EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n') + 1), c.said) << c.args;
    }
}

TEST(BadTune, NotesTooFarApartForTheFrameArithmeticAreRefused)
{
    // One track at one tick per quarter note at the slowest tempo, its notes 2^28 ticks (a
    // hundred and forty years) apart.
    std::vector<std::uint8_t> const tune {
        'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 1,
        'M', 'T', 'r', 'k', 0, 0, 0, 30,
        0x00, 0xFF, 0x51, 0x03, 0xFF, 0xFF, 0xFF,
        0x00, 0x90, 60, 100,
        0xFF, 0xFF, 0xFF, 0x7F, 0x80, 60, 0,
        0x01, 0x90, 62, 100,
        0x00, 0x80, 62, 0,
        0x00, 0xFF, 0x2F, 0x00,
    };
    EXPECT_FALSE(platform::parse_midi(tune));
}

TEST(ReadmeExample, StartsTheGameUpToTheFirstLevelsBriefing)
{
    // The README's example, as it stands there: the indented lines after "Example:".
    std::ifstream readme(std::string(GRAWN2_SOURCE_DIR) + "/README.md");
    std::string script;
    bool in_example = false;
    for (std::string line; std::getline(readme, line);) {
        if (line == "Example:")
            in_example = true;
        else if (in_example && line.rfind("    ", 0) == 0)
            script += line.substr(4) + "\n";
        else if (in_example && !script.empty())
            break;
    }
    ASSERT_NE(script.find("click intro.Command1"), std::string::npos) << script;
    auto const result = testing_support::run(script, testing_support::game(), "README.md");
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const lines = result.lines();
    auto const load = std::find_if(lines.begin(), lines.end(), [](auto const& l) { return l.ends_with(" load frmw1l1"); });
    ASSERT_LT(load + 1, lines.end()) << result.transcript;
    EXPECT_NE(load[1].find(" msgbox info \"Grawn 2\" \"World 1, Level 1."), std::string::npos) << "the first level's briefing\n" << result.transcript;
    EXPECT_EQ(result.shown().back(), "frmw1l1") << result.transcript;
}
