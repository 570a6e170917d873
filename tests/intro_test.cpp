// The title screen played by scripts: its opening, the parade, Start, Exit and the play clock.
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::run;

namespace {

// Stands in for the first level: a briefing, then its tune.
class FirstLevel : public screen::Screen {
public:
    explicit FirstLevel(Runtime& runtime)
        : Screen(runtime, "frmw1l1", { .caption = "Grawn 2", .width = 477, .height = 458 })
    {
    }
    void Form_Load() override
    {
        briefing("Grawn 2", "Level one");
        PlayMusic("\\W1L1.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({ { "frmw1l1", [](Runtime& rt) { return std::make_unique<FirstLevel>(rt); } } });
}

// Turns the four story pages one second apart from 5 s, so the title appears at 8 s.
std::string const to_the_title = "wait 5\nclick intro.Label2\nwait 1\nclick intro.Label2\nwait 1\nclick intro.Label2\nwait 1\nclick intro.Label2\n";

std::vector<std::string> without(std::vector<std::string> lines, std::string const& fragment)
{
    std::erase_if(lines, [&](auto const& line) { return line.find(fragment) != std::string::npos; });
    return lines;
}

}

TEST(TitleScreen, OpeningPlaysInOrderAndOnTime)
{
    auto result = run("wait 4.999\nprint intro.Label4.Visible\nwait 0.001\nprint intro.Label4.Visible\nprint intro.Label1.Caption\n"
                      "wait 1\nclick intro.Label2\nprint intro.Label1.Caption\nwait 1\nclick intro.Label2\nwait 1\nclick intro.Label2\nwait 1\nclick intro.Label2\n"
                      "print intro.Label3.Visible\nprint intro.Command1.Visible\nprint intro.Command1.Enabled\n"
                      "wait 4.5\nprint intro.bullet(3).Visible\nwait 3\nprint intro.Command1.Enabled\nprint intro.Command3.Enabled\nwait 20\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::vector<std::string> const expected {
        "0 load intro",
        "0 sound \\intromusic.wav async",
        "0 show intro",
        "4999 value intro.Label4.Visible True",
        "5000 value intro.Label4.Visible False",
        "5000 value intro.Label1.Caption \"It's been 6 months since the originail problem with the grawns and thieves.  Farmer Ruv and his animals have been happy, and you've been sitting up in heaven having a blast of a time...\"",
        "6000 value intro.Label1.Caption \"But the thieves have resurfaced, and have a vengance for you and the farm animals.  They have also come up with a machine to bring back the grawns from the dead...\"",
        "9000 value intro.Label3.Visible True",
        "9000 value intro.Command1.Visible True",
        "9000 value intro.Command1.Enabled False",
        "10000 sound \\gundead.wav async",
        "11000 sound \\gundead.wav async",
        "12000 sound \\gundead.wav async",
        "13000 sound \\gundead.wav async",
        "13500 value intro.bullet(3).Visible True",
        "14000 music play \\INTRO.mid",
        "14000 sound \\cow.wav async",
        // Each walker needs 21 steps of 15 pixels to leave; the next one enters in the same tick.
        "14525 sound \\pig.wav async",
        "15025 sound \\sheep.wav async",
        "15525 sound \\grawn.wav async",
        "16025 sound \\thief.wav async",
        "16500 value intro.Command1.Enabled True",
        "16500 value intro.Command3.Enabled False",
        "36500 script-end",
    };
    EXPECT_EQ(result.lines(), expected) << result.transcript;
}

TEST(TitleScreen, ParadeEndsWhenTheRobberLeaves)
{
    auto result = run(to_the_title + "wait 7.5\nprint intro.imgrob1.Visible\nprint intro.Timer4.Enabled\nwait 0.025\nprint intro.imgrob1.Visible\n"
                                      "print intro.imgrob1.Left\nprint intro.Timer4.Enabled\n",
        game());
    EXPECT_TRUE(result.has("15500 value intro.imgrob1.Visible True")) << result.transcript;
    EXPECT_TRUE(result.has("15500 value intro.Timer4.Enabled True"));
    EXPECT_TRUE(result.has("15525 value intro.imgrob1.Visible False"));
    EXPECT_TRUE(result.has("15525 value intro.imgrob1.Left -43"));
    EXPECT_TRUE(result.has("15525 value intro.Timer4.Enabled False"));
}

TEST(TitleScreen, StartDuringTheParadeHandsOverInOrder)
{
    auto result = run(to_the_title + "wait 6\nclick intro.Command1\nwait 1\nok\nwait 3\nprint intro.imgpig1.Visible\nprint intro.imgsheep1.Left\n"
                                      "print intro.Visible\nprint intro.Timer4.Enabled\n",
        game());
    auto lines = without(result.lines(), "gundead");
    auto start = std::find(lines.begin(), lines.end(), "14000 hide intro");
    ASSERT_NE(start, lines.end()) << result.transcript;
    std::vector<std::string> const handed_over(start, lines.end());
    std::vector<std::string> const expected {
        "14000 hide intro",
        "14000 load frmw1l1",
        "14000 msgbox info \"Grawn 2\" \"Level one\"",
        "15000 closed",
        "15000 music play \\W1L1.mid",
        "15000 show frmw1l1",
        "15000 music stop \\INTRO.mid",
        "15000 music play \\W1L1.mid",
        // The parade stood still from Start on: the pig never left, the sheep never came.
        "18000 value intro.imgpig1.Visible True",
        "18000 value intro.imgsheep1.Left 272",
        "18000 value intro.Visible False",
        "18000 value intro.Timer4.Enabled False",
        "18000 script-end",
    };
    EXPECT_EQ(handed_over, expected) << result.transcript;
}

TEST(TitleScreen, PlayClockCountsSecondsFromStartAndStopsAtItsLimit)
{
    auto result = run(to_the_title + "wait 5\nclick intro.Command1\nwait 2.5\nok\nprint intro.bigtime.Interval\nwait 0.5\n"
                                      "print intro.bigtime.Interval\nwait 70000\nprint intro.bigtime.Interval\n",
        game());
    EXPECT_TRUE(result.has("15500 value intro.bigtime.Interval 2")) << "briefing time counts\n" << result.transcript;
    EXPECT_TRUE(result.has("16000 value intro.bigtime.Interval 3"));
    EXPECT_TRUE(result.has("70016000 value intro.bigtime.Interval 65535"));
}

TEST(TitleScreen, ExitOrClosingEndsTheGameWithTheTuneStoppedInEveryPhase)
{
    struct Phase {
        std::string name;
        std::string script;
        int at;
    };
    std::vector<Phase> const phases {
        { "logo", "wait 1\nclose intro\n", 1000 },
        { "story", "wait 6\nclose intro\n", 6000 },
        { "gunshots", to_the_title + "wait 2.5\nclose intro\n", 10500 },
        { "parade", to_the_title + "wait 6\nclose intro\n", 14000 },
        { "exit during the parade", to_the_title + "wait 6\nclick intro.Command2\n", 14000 },
        { "exit after the parade", to_the_title + "wait 30\nclick intro.Command2\n", 38000 },
    };
    for (auto const& phase : phases) {
        auto result = run(phase.script, game());
        auto const at = std::to_string(phase.at);
        auto const lines = result.lines();
        ASSERT_GE(lines.size(), 3u) << phase.name;
        std::vector<std::string> const tail(lines.end() - 3, lines.end());
        std::vector<std::string> const expected { at + " unload intro", at + " music stop \\INTRO.mid", at + " end" };
        EXPECT_EQ(tail, expected) << phase.name << "\n" << result.transcript;
    }
}

TEST(TitleScreen, LearnStaysDisabledAndCheatOpensThePrompt)
{
    auto result = run(to_the_title + "wait 6\nclick intro.Command3\nclick intro.Command4\ntype amber crypt\nok\nprint intro.Command3.Enabled\n"
                                      "print intro.Visible\n",
        game());
    EXPECT_TRUE(result.has("14000 ignored 10 nothing there takes the mouse")) << result.transcript;
    EXPECT_TRUE(result.has("14000 inputbox \"Enter Cheater\" \"Enter your cheat here.  To get cheats, guess them, or beat a world/or the game.  News and hints are posted on the Pell Entertainment web site.\""));
    EXPECT_TRUE(result.has("14000 value intro.Command3.Enabled False"));
}
