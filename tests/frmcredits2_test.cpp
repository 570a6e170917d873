// The final credits played by scripts: the large pages with their sounds, the climb of a credit
// line, every line's role in turn up to the secret code that stays, and closing the window.
#include "scenes/frmcredits2.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

HeadlessGame game()
{
    return testing_support::game({ { "frmcredits2", [](Runtime& rt) { return std::make_unique<scenes::frmcredits2>(rt); } } });
}

std::vector<std::string> credits_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) { return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos; });
    return lines;
}

// The value a `print` answered, quotes and all.
std::string value(ScriptRun const& result, std::string const& time, std::string const& property)
{
    auto const prefix = time + " value frmcredits2." + property + " ";
    for (auto const& line : result.lines()) {
        if (line.starts_with(prefix))
            return line.substr(prefix.size());
    }
    return "(not printed)";
}

// Every credit line starts at the bottom 29 ticks after the one before; the first starts when
// the pages end, 11 s after the screen opened.
constexpr int pages_end = 11000;
constexpr int line_time = 29 * 25;

}

TEST(FinalCredits, DirectorFirstThenFourPagesWithTheirSoundsThenTheLines)
{
    // Shown three seconds into the run, as a screen down the chain would: the pages count from then.
    auto result = run("wait 3\nshow frmcredits2\nprint frmcredits2.Label1.Caption\nprint frmcredits2.Label2.Caption\nprint frmcredits2.Label3.Visible\n"
                      "wait 2.499\nprint frmcredits2.Label1.Caption\nwait 0.001\nprint frmcredits2.Label1.Caption\nprint frmcredits2.Label2.Caption\n"
                      "wait 2.5\nprint frmcredits2.Label1.Caption\nwait 2.5\nprint frmcredits2.Label1.Caption\nprint frmcredits2.Label2.Caption\n"
                      "wait 2.5\nprint frmcredits2.Label1.Caption\nprint frmcredits2.Label2.Caption\nwait 0.999\nprint frmcredits2.Label3.Visible\n"
                      "wait 0.001\nprint frmcredits2.Label1.Visible\nprint frmcredits2.Label2.Visible\nprint frmcredits2.Label3.Visible\n"
                      "print frmcredits2.Label4.Visible\nprint frmcredits2.changer.Enabled\nprint frmcredits2.changer2.Enabled\n"
                      "print frmcredits2.Label3.Caption\nprint frmcredits2.Label4.Caption\nprint frmcredits2.Label3.Top\nwait 60\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* line : { "3000 value frmcredits2.Label1.Caption \"Director:\"", "3000 value frmcredits2.Label3.Visible False",
             "5499 value frmcredits2.Label1.Caption \"Director:\"", "5500 value frmcredits2.Label1.Caption \"Programmer:\"",
             "8000 value frmcredits2.Label1.Caption \"Art Director:\"", "10500 value frmcredits2.Label1.Caption \"Creator:\"",
             "13000 value frmcredits2.Label1.Caption \"Creator:\"", "13999 value frmcredits2.Label3.Visible False",
             "14000 value frmcredits2.Label1.Visible False", "14000 value frmcredits2.Label2.Visible False", "14000 value frmcredits2.Label3.Visible True",
             "14000 value frmcredits2.Label4.Visible True", "14000 value frmcredits2.changer.Enabled False", "14000 value frmcredits2.changer2.Enabled True",
             "14000 value frmcredits2.Label3.Caption \"Additionail Artwork:\"", "14000 value frmcredits2.Label3.Top 286" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    // Every page names someone, and the two creators are two people.
    for (auto const* time : { "3000", "5500", "10500", "13000" })
        EXPECT_NE(value(result, time, "Label2.Caption"), "\"\"") << time;
    EXPECT_NE(value(result, "10500", "Label2.Caption"), value(result, "13000", "Label2.Caption"));
    EXPECT_NE(value(result, "14000", "Label4.Caption"), "\"\"");

    auto lines = credits_lines(result);
    ASSERT_GE(lines.size(), 7u) << result.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 7),
        (std::vector<std::string> { "3000 load frmcredits2", "3000 music play \\CREDITS2.mid", "3000 show frmcredits2", "5500 sound \\sheepbaa.wav async",
            "8000 sound \\mooo.wav async", "10500 sound \\howl.wav async", "13000 sound \\sheepbaa.wav async" }))
        << result.transcript;
    // The credits never end the game on their own, nor play anything more.
    EXPECT_EQ(lines.size(), 8u) << result.transcript;
    EXPECT_EQ(lines.back(), "74000 script-end");
}

TEST(FinalCredits, ALineClimbsFastSlowsInTheMiddleAndIsReplacedAtTheTop)
{
    std::string script = "show frmcredits2\nwait 11\n";
    for (int tick = 1; tick <= 29; ++tick)
        script += "wait 0.025\nprint frmcredits2.Label3.Top\nprint frmcredits2.Label4.Top\n";
    script += "print frmcredits2.saywhat.Interval\nprint frmcredits2.Label3.Caption\nprint frmcredits2.Label4.Caption\n";
    auto result = run(script, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;

    std::vector<int> const tops { 278, 270, 262, 254, 246, 238, 230, 222, 214, 206, 198, 190, 179, 168, 165, 162, 159, 156, 153, 150, 139, 131, 123, 115,
        107, 99, 91, 83, 286 };
    for (int tick = 1; tick <= 29; ++tick) {
        auto const time = std::to_string(pages_end + 25 * tick);
        EXPECT_EQ(value(result, time, "Label3.Top"), std::to_string(tops[tick - 1])) << "tick " << tick;
        // The entry keeps its two pixels below the role until both start again together.
        EXPECT_EQ(value(result, time, "Label4.Top"), std::to_string(tick < 29 ? tops[tick - 1] + 2 : 286)) << "tick " << tick;
    }
    auto const next = std::to_string(pages_end + line_time);
    EXPECT_EQ(value(result, next, "saywhat.Interval"), "1");
    // The second line keeps the role and credits someone else.
    EXPECT_EQ(value(result, next, "Label3.Caption"), "\"Additionail Artwork:\"");
    EXPECT_NE(value(result, next, "Label4.Caption"), value(result, std::to_string(pages_end + line_time - 25), "Label4.Caption"));
}

TEST(FinalCredits, EveryLineInTurnUpToTheSecretCodeWhichStays)
{
    std::string script = "show frmcredits2\nwait 11\nprint frmcredits2.Label4.Caption\n";
    for (int line = 1; line <= 62; ++line)
        script += "wait 0.725\nprint frmcredits2.saywhat.Interval\nprint frmcredits2.Label3.Caption\nprint frmcredits2.Label4.Caption\n";
    script += "print frmcredits2.changer2.Enabled\nprint frmcredits2.Label3.Top\nwait 60\nprint frmcredits2.Label3.Top\nprint frmcredits2.Label4.Top\n"
              "print frmcredits2.saywhat.Interval\nprint frmcredits2.Label3.Caption\nprint frmcredits2.Label4.Caption\n";
    auto result = run(script, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const at = [](int line) { return std::to_string(pages_end + line * line_time); };

    struct Roles {
        int first;
        int last;
        char const* role;
    };
    for (auto const& roles : std::initializer_list<Roles> { { 0, 1, "Additionail Artwork:" }, { 2, 3, "Voice Talent:" }, { 4, 4, "Sound Effects:" },
             { 5, 6, "Midi Backrounds:" }, { 7, 7, "Level Design:" }, { 8, 8, "Grawn Icon:" }, { 9, 15, "Beta Testing:" },
             { 16, 16, "Programming Assistance:" }, { 17, 24, "Programs Used:" }, { 25, 31, "Websites That Deserve Credit:" },
             { 32, 53, "Special Thanks:" }, { 54, 54, "Very Special Thanks:" }, { 55, 55, "Promo Message:" }, { 56, 56, "Website:" },
             { 57, 57, "Developped By:" }, { 58, 58, "Published By:" }, { 60, 60, "The End!" }, { 61, 61, "Secret Code:" } }) {
        for (int line = std::max(roles.first, 1); line <= roles.last; ++line) {
            EXPECT_EQ(value(result, at(line), "saywhat.Interval"), std::to_string(line));
            EXPECT_EQ(value(result, at(line), "Label3.Caption"), std::string("\"") + roles.role + "\"") << "line " << line;
        }
    }
    // One entry a line; line 42 brings nothing new, so the line of 41 comes round again.
    for (int line = 1; line <= 61; ++line) {
        auto const entry = value(result, at(line), "Label4.Caption");
        if (line == 42)
            EXPECT_EQ(entry, value(result, at(41), "Label4.Caption"));
        else
            EXPECT_NE(entry, value(result, at(line - 1), "Label4.Caption")) << "line " << line;
    }
    EXPECT_EQ(value(result, at(42), "Label3.Caption"), "\"Special Thanks:\"");
    EXPECT_EQ(value(result, at(55), "Label4.Caption"), "\"Grawn Will Return\"");
    EXPECT_EQ(value(result, at(60), "Label4.Caption"), "\"\"");
    EXPECT_EQ(value(result, at(61), "Label4.Caption"), "\"Lantern Key\"");
    EXPECT_NE(value(result, at(59), "Label3.Caption"), value(result, at(58), "Label3.Caption"));

    // After the secret code nothing more scrolls: its line stands at the bottom for good.
    auto const late = std::to_string(pages_end + 62 * line_time + 60000);
    EXPECT_EQ(value(result, at(62), "saywhat.Interval"), "62");
    EXPECT_EQ(value(result, at(62), "Label3.Top"), "286");
    EXPECT_EQ(value(result, late, "Label3.Top"), "286");
    EXPECT_TRUE(result.has(at(62) + " value frmcredits2.changer2.Enabled False")) << result.transcript;
    EXPECT_EQ(value(result, late, "Label4.Top"), "286");
    EXPECT_EQ(value(result, late, "saywhat.Interval"), "62");
    EXPECT_EQ(value(result, late, "Label3.Caption"), "\"Secret Code:\"");
    EXPECT_EQ(value(result, late, "Label4.Caption"), "\"Lantern Key\"");
}

TEST(FinalCredits, ClosingTheWindowStopsTheTuneAndEndsTheGame)
{
    // During a page's pause, and later while the lines scroll.
    for (auto const* moment : { "6.2", "30" }) {
        auto result = run(std::string("show frmcredits2\nwait ") + moment + "\nclose frmcredits2\nwait 30\n", game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        auto const lines = credits_lines(result);
        ASSERT_GE(lines.size(), 3u) << result.transcript;
        auto const time = std::to_string(static_cast<int>(std::stod(moment) * 1000));
        EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string> { time + " unload frmcredits2", time + " music stop \\CREDITS2.mid", time + " end" }))
            << result.transcript;
    }
}
