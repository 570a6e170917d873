// The title screen's cheat prompt played by scripts: each code's box, jump, order of events and
// mark on the run, and the texts that are not codes.
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

// Stands in for a screen a code jumps to: a briefing, so that the order of events around the
// target's load shows.
class Target : public screen::Screen {
public:
    Target(Runtime& runtime, std::string name)
        : Screen(runtime, std::move(name), { .caption = "Grawn 2", .width = 300, .height = 200 })
    {
    }
    void Form_Load() override { briefing("Target", "Arrived."); }
};

HeadlessGame game()
{
    std::map<std::string, testing_support::ScreenMaker> targets;
    for (auto const* name : { "frmw2l1", "frmcredits", "frmw2l4", "frmw3l1", "frmw5lx", "frmw4l1" })
        targets[name] = [name](Runtime& rt) { return std::make_unique<Target>(rt, name); };
    return testing_support::game(targets);
}

// The title screen's menu is ready at 14 s; the prompt opens then.
std::string const prompt = "wait 5\nclick intro.Label2\nwait 1\nclick intro.Label2\nwait 1\nclick intro.Label2\nwait 1\n"
                           "click intro.Label2\nwait 6\nclick intro.Command4\n";

std::string const prompt_line = "14000 inputbox \"Enter Cheater\" \"Enter your cheat here.  To get cheats, guess them, or beat a "
                                "world/or the game.  News and hints are posted on the Pell Entertainment web site.\"";

// Everything from the prompt on, but the parade's animal calls and printed values.
std::vector<std::string> from_prompt(ScriptRun const& result)
{
    auto lines = result.lines();
    auto const start = std::find(lines.begin(), lines.end(), prompt_line);
    std::vector<std::string> after(start, lines.end());
    std::erase_if(after, [](std::string const& line) { return line.find(" sound ") != std::string::npos || line.find(" value ") != std::string::npos; });
    return after;
}

}

TEST(CheatCodes, WorldTwoHidesTheTitleThenLoadsItsTargetAndMarksTheRunAfterwards)
{
    auto result = run(prompt + "type amber crypt\nok\nok\nprint intro.bonusbags.Interval\nok\nprint intro.bonusbags.Interval\n"
                               "print intro.timecount.Enabled\nprint intro.Timer4.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(from_prompt(result),
        (std::vector<std::string> {
            prompt_line,
            "14000 closed \"amber crypt\"",
            "14000 msgbox none \"Grawn 2\" \"Cheat Excepted!  Skip to World 2!\"",
            "14000 closed",
            "14000 hide intro",
            "14000 music stop \\INTRO.mid",
            "14000 load frmw2l1",
            "14000 msgbox info \"Target\" \"Arrived.\"",
            "14000 closed",
            "14000 show frmw2l1",
            "14000 script-end",
        }))
        << result.transcript;
    // The mark is set once the target has loaded; the play clock is left alone.
    EXPECT_TRUE(result.has("14000 value intro.bonusbags.Interval 0")) << result.transcript;
    EXPECT_TRUE(result.has("14000 value intro.bonusbags.Interval 20")) << result.transcript;
    EXPECT_TRUE(result.has("14000 value intro.timecount.Enabled False")) << result.transcript;
    EXPECT_TRUE(result.has("14000 value intro.Timer4.Enabled False")) << result.transcript;
}

TEST(CheatCodes, WorldThreeLoadsBeforeHidingTheTitleStartsTheClockAndCountsTwo)
{
    auto result = run(prompt + "type x-hawk dawn\nok\nok\nprint intro.Visible\nok\nprint intro.bonusbags.Interval\n"
                               "print intro.timecount.Enabled\nwait 2\nprint intro.bigtime.Interval\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const lines = from_prompt(result);
    std::vector<std::string> const expected { prompt_line, "14000 closed \"x-hawk dawn\"",
        "14000 msgbox none \"Grawn 2\" \"Cheat Accepted!  Skip to World 3!\"", "14000 closed", "14000 music stop \\INTRO.mid",
        "14000 load frmw3l1", "14000 msgbox info \"Target\" \"Arrived.\"", "14000 closed", "14000 show frmw3l1", "14000 hide intro" };
    ASSERT_GE(lines.size(), expected.size()) << result.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected) << result.transcript;
    // Under the target's briefing the title screen still shows.
    EXPECT_TRUE(result.has("14000 value intro.Visible True")) << result.transcript;
    EXPECT_TRUE(result.has("14000 value intro.bonusbags.Interval 2")) << result.transcript;
    EXPECT_TRUE(result.has("14000 value intro.timecount.Enabled True")) << result.transcript;
    EXPECT_TRUE(result.has("16000 value intro.bigtime.Interval 2")) << result.transcript;
}

TEST(CheatCodes, TheEndAndWorldFourMarkTheRunBeforeTheirBox)
{
    struct Case {
        char const* code;
        char const* message;
        char const* target;
    };
    for (auto const& c : { Case { "old sly fiddler", "Cheat Accepted!  Skip To The End", "frmw5lx" },
             Case { "crushtheherds", "Cheat Accepted!  Skip To World 4", "frmw4l1" } }) {
        auto result = run(prompt + "type " + c.code + "\nok\nprint intro.bonusbags.Interval\nok\n", game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        EXPECT_TRUE(result.has("14000 value intro.bonusbags.Interval 20")) << c.code << "\n" << result.transcript;
        auto const lines = from_prompt(result);
        std::vector<std::string> const expected { prompt_line, std::string("14000 closed \"") + c.code + "\"",
            std::string("14000 msgbox none \"Grawn 2\" \"") + c.message + "\"", "14000 closed", "14000 music stop \\INTRO.mid",
            "14000 hide intro", std::string("14000 load ") + c.target };
        ASSERT_GE(lines.size(), expected.size()) << result.transcript;
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(expected.size())), expected) << result.transcript;
    }
}

TEST(CheatCodes, CreditsAndTheBonusLevelJumpToo)
{
    auto credits = run(prompt + "type spin up\nok\nok\nok\nprint intro.bonusbags.Interval\n", game());
    EXPECT_TRUE(credits.has("14000 msgbox none \"Grawn 2\" \"Cheat Excepted!  Skip to Credits!\"")) << credits.transcript;
    EXPECT_TRUE(credits.has("14000 show frmcredits")) << credits.transcript;
    EXPECT_TRUE(credits.has("14000 value intro.bonusbags.Interval 20")) << credits.transcript;

    auto bonus = run(prompt + "type hogsly\nok\nok\nok\nprint intro.bonusbags.Interval\nprint intro.Visible\n", game());
    EXPECT_TRUE(bonus.has("14000 msgbox none \"Grawn 2\" \"Cheat Accepted!  Skip to World 2 Bonus Level!\"")) << bonus.transcript;
    EXPECT_TRUE(bonus.has("14000 show frmw2l4")) << bonus.transcript;
    EXPECT_TRUE(bonus.has("14000 value intro.bonusbags.Interval 20")) << bonus.transcript;
    EXPECT_TRUE(bonus.has("14000 value intro.Visible False")) << bonus.transcript;
}

TEST(CheatCodes, NearMissesCancelAndTheJokeLeaveTheMenuAsItWas)
{
    // Codes match exactly: case and surrounding spaces count. Cancel gives nothing; the joke
    // shows its box every time and changes nothing. (A second to wait between clicks on the
    // button, so that none of them is a double click.)
    auto result = run(prompt + "type Amber crypt\nok\nwait 1\nclick intro.Command4\ntype  amber crypt\nok\nwait 1\n"
                               "click intro.Command4\ntype amber crypt \nok\nwait 1\nclick intro.Command4\ncancel\nwait 1\n"
                               "click intro.Command4\ntype lanternkey\nok\nok\nwait 1\nclick intro.Command4\ntype lanternkey\nok\nok\n"
                               "print intro.Visible\nprint intro.bonusbags.Interval\nprint intro.Command4.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::string const joke = "msgbox info \"Grawn 2\" \"Sucker!  This code does nothing ;-p.  'Tis only an easter egg from the programmer "
                             "of Grawn 2.  Anyways, we'd like to thank you for beating the game.\"";
    EXPECT_EQ(result.count(" msgbox "), 2) << result.transcript;
    EXPECT_TRUE(result.has("18000 " + joke)) << result.transcript;
    EXPECT_TRUE(result.has("19000 " + joke)) << result.transcript;
    EXPECT_EQ(result.count(" hide intro"), 0) << result.transcript;
    EXPECT_EQ(result.count("music stop"), 0) << result.transcript;
    EXPECT_TRUE(result.has("19000 value intro.Visible True")) << result.transcript;
    EXPECT_TRUE(result.has("19000 value intro.bonusbags.Interval 0")) << result.transcript;
    EXPECT_TRUE(result.has("19000 value intro.Command4.Enabled True")) << result.transcript;
}
