// A game played in real windows by real X input and recorded as a script, then played back
// headless: the same screens, boxes and sounds at the same game times.
#include "platform/headless/command_source.hpp"
#include "platform/headless/headless_run.hpp"
#include "shell/command_line.hpp"
#include "shell/game.hpp"
#include "support/shell_command.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <string>

using testing_support::run_command;

namespace {

namespace fs = std::filesystem;

constexpr char const* record_child = "GRAWN2_RECORD_CHILD";

std::string read_file(fs::path const& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lines of a transcript that say what the game did (screens, boxes, sounds, its end), with
// their times; input that reached nothing and the reason a run stopped are left out.
std::string what_the_game_did(std::string const& transcript)
{
    static std::regex const kept(R"(^\d+ (load|show|hide|unload|msgbox|inputbox|closed|sound|music|end)\b.*)");
    std::istringstream lines(transcript);
    std::string out;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, kept))
            out += line + '\n';
    }
    return out;
}

}

// Under an X server of its own: the folder's play.script played through the display server, as a
// person's mouse and keyboard would play it, while the run is recorded.
TEST(RealWindowsChildren, RecordChild)
{
    char const* folder_name = std::getenv(record_child);
    if (!folder_name)
        GTEST_SKIP();
    fs::path const folder = folder_name;
    auto script = platform::load_script((folder / "play.script").string(), std::cerr);
    ASSERT_TRUE(script);
    shell::Options options;
    options.sound = shell::Sound::mute;
    std::ofstream recording(folder / "recorded.script", std::ios::binary);
    std::ofstream transcript(folder / "played.txt", std::ios::binary);
    transcript << std::unitbuf;
    int const status = shell::play_in_windows(
        options, GRAWN2_PROGRAM_DIR, std::make_unique<platform::ScriptSource>(std::move(*script)), &recording, transcript);
    EXPECT_EQ(status, 0);
    recording.close();
    EXPECT_FALSE(recording.fail());
}

TEST(RealWindows, ARecordedGameReplaysHeadlessWithTheSameScreensBoxesAndSoundsAtTheSameTimes)
{
    if (std::system("command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xprop >/dev/null") != 0)
        GTEST_SKIP() << "needs Xvfb, openbox and xprop";
    fs::path const folder = fs::temp_directory_path() / ("grawn2-record-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    fs::copy_file(GRAWN2_SOURCE_DIR "/tests/scripts/real_window_world1.script", folder / "play.script");
    auto const self = fs::read_symlink("/proc/self/exe").string();
    auto const child = run_command(std::string("env ") + record_child + "=" + folder.string() + " timeout 300 " GRAWN2_SOURCE_DIR
        "/tests/support/with_desktop.sh openbox 1280x1024 '" + self + "' --gtest_filter=RealWindowsChildren.RecordChild 2>&1");
    ASSERT_EQ(child.status, 0) << child.out;
    std::string const played = read_file(folder / "played.txt");
    std::string const recorded = read_file(folder / "recorded.script");
    ASSERT_FALSE(played.empty()) << child.out;

    // What the player did: clicks of both buttons, the cheat prompt typed into, cancelled and
    // confirmed, boxes confirmed, and the window's close button at the end.
    for (auto const* line : { "\ndown intro ", "\nup frmw1l1 ", " right\n", "\ntype no such cheat\nok\n", "\ntype Amber Crypt\nok\n",
             "\ncancel\n", "\nclose frmw2l1\n" })
        EXPECT_NE(recorded.find(line), std::string::npos) << line << "\n" << recorded;
    std::smatch time_of_day;
    ASSERT_TRUE(std::regex_search(recorded, time_of_day, std::regex(R"(--time-of-day ([0-9.]+))"))) << recorded;

    auto const replay = run_command(std::string(GRAWN2_EXECUTABLE) + " --headless --time-of-day " + time_of_day[1].str() + " --script "
        + (folder / "recorded.script").string() + " 2>&1");
    EXPECT_EQ(replay.status, 0) << replay.out;
    // Ticks late on the real clock, sounds that held the game (the dance's shots) and a second
    // click inside the double-click time would all show here as times or lines that differ.
    auto const expected = what_the_game_did(played);
    EXPECT_NE(expected.find(" sound \\gundead.wav sync\n"), std::string::npos);
    EXPECT_NE(expected.find(" show frmw2l1\n"), std::string::npos);
    EXPECT_TRUE(expected.ends_with(" end\n")) << expected;
    EXPECT_EQ(what_the_game_did(replay.out), expected);
    fs::remove_all(folder);
}
