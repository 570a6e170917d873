// The game's command line: options, usage errors, and what the executable does with them.
#include "shell/command_line.hpp"
#include "support/shell_command.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace shell;

namespace {

using testing_support::CommandOutcome;
using testing_support::run_command;

// Runs the game with `args`, a one-line script on standard input, capturing stdout.
CommandOutcome run_game(std::string const& args)
{
    return run_command("echo 'wait 1' | " + std::string(GRAWN2_EXECUTABLE) + " " + args + " 2>/dev/null");
}

}

TEST(CommandLine, ParsesEveryOption)
{
    auto parsed = parse_command_line({ "--scale", "3", "--fullscreen", "--soundfont", "/x y/sf.sf2", "--mute" });
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, RunMode::play);
    EXPECT_EQ(parsed.options->scale, 3);
    EXPECT_EQ(parsed.options->display, Display::fullscreen);
    EXPECT_EQ(parsed.options->soundfont, "/x y/sf.sf2");
    EXPECT_EQ(parsed.options->sound, Sound::mute);

    parsed = parse_command_line({ "--headless", "--script", "-", "--time-of-day", "86399.5" });
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, RunMode::headless);
    EXPECT_EQ(parsed.options->script, "-");
    EXPECT_DOUBLE_EQ(parsed.options->start_time_of_day, 86399.5);

    // Without --headless a script is played in real windows.
    parsed = parse_command_line({ "--script", "a.script", "--scale", "1" });
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, RunMode::play_script);

    parsed = parse_command_line({ "--record", "my game.script", "--mute" });
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, RunMode::play);
    EXPECT_EQ(parsed.options->record, "my game.script");
}

TEST(CommandLine, RejectsWhatItCannotUse)
{
    for (auto const& args : std::initializer_list<std::vector<std::string>> {
             { "--scale", "5" }, { "--scale", "0" }, { "--scale", "2x" }, { "--scale" }, { "--soundfont" }, { "--headless" },
             { "--script", "a.script", "--time-of-day", "5" }, { "--frobnicate" }, { "--time-of-day", "90000" },
             { "--record" }, { "--record", "" }, { "--record", "r", "--headless", "--script", "-" }, { "--record", "r", "--script", "a" },
             { "--record", "r", "--demo" } }) {
        auto parsed = parse_command_line(args);
        EXPECT_FALSE(parsed.options) << args.front();
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(Executable, HelpVersionAndUsageErrors)
{
    auto help = run_game("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: grawn2"), std::string::npos);
    auto version = run_game("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("grawn2 ", 0), 0u);
    EXPECT_EQ(run_game("--bogus").status, 64);
    // A recording that cannot be written is refused before any window opens.
    EXPECT_EQ(run_command("env -u DISPLAY " + std::string(GRAWN2_EXECUTABLE) + " --mute --record /nonexistent-folder/r.script 2>&1").status, 64);
}

TEST(Executable, HeadlessScriptsFromStandardInputAndErrors)
{
    auto ran = run_game("--headless --script -");
    EXPECT_EQ(ran.status, 0);
    EXPECT_EQ(ran.out.rfind("0 load intro\n", 0), 0u) << ran.out;
    EXPECT_EQ(run_game("--headless --script /nonexistent.script").status, 2);
}

TEST(Executable, WithoutADisplayItSaysSoAndExits)
{
    // SDL would otherwise settle for a driver that shows nothing, and the player would wait.
    auto const outcome = run_command("env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + std::string(GRAWN2_EXECUTABLE) + " --mute 2>&1");
    EXPECT_EQ(outcome.status, 1);
    std::string const& said = outcome.out;
    EXPECT_NE(said.find("cannot open a window: "), std::string::npos) << said;
    EXPECT_NE(said.find("; use --headless for scripts"), std::string::npos) << said;
}

TEST(Executable, ArtSheetIsWritten)
{
    auto const path = std::filesystem::temp_directory_path() / "grawn2-art-sheet-test.png";
    std::filesystem::remove(path);
    EXPECT_EQ(run_game("--art-sheet " + path.string()).status, 0);
    EXPECT_GT(std::filesystem::file_size(path), 10000u);
    std::filesystem::remove(path);
    EXPECT_EQ(run_game("--art-sheet /nonexistent-folder/sheet.png").status, 1);
}
