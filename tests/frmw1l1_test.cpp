// World 1, Level 1 played by scripts: patrols, kills, falls, saves, the sheep's blink, the win and
// each way to lose.
#include "levels/rescue/frmw1l1.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::run;

namespace {


HeadlessGame game()
{
    return testing_support::game({
        { "frmw1l1", [](Runtime& rt) { return std::make_unique<levels::frmw1l1>(rt); } },
        { "frmw1l2", testing_support::stand_in("frmw1l2") },
    });
}

// Opens the level and closes its briefing at 0.1 s.
std::string const opened = "show frmw1l1\nwait 0.1\nok\n";

std::vector<std::string> lines_from(std::vector<std::string> const& lines, std::string const& first)
{
    auto it = std::find(lines.begin(), lines.end(), first);
    return { it, lines.end() };
}

}

TEST(World1Level1, BriefingThenTuneWhileGrawnsAlreadyPatrol)
{
    auto result = run("show frmw1l1\nwait 0.2\nprint frmw1l1.imggrawn1.Left\nprint frmw1l1.imggrawn1.Picture\nclick frmw1l1.imggrawn1\n"
                      "wait 0.05\nprint frmw1l1.imggrawn3.Top\nprint frmw1l1.imggrawn3.Picture\nok\n",
        game());
    for (auto const* line : {
             "0 load frmw1l1",
             // Grawn 1 walks in from beyond its bound and turns on its eighth step.
             "200 value frmw1l1.imggrawn1.Left 240",
             "200 value frmw1l1.imggrawn1.Picture imggf2",
             "200 ignored 5 a modal box is open",
             "250 value frmw1l1.imggrawn3.Top 42",
             "250 value frmw1l1.imggrawn3.Picture imggf2",
             "250 closed",
             "250 music play \\W1L1.mid",
             "250 show frmw1l1",
         })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    EXPECT_TRUE(result.transcript.find("0 msgbox info \"Grawn 2\" \"World 1, Level 1.  Welcome back to Grawn!") != std::string::npos);
}

TEST(World1Level1, SavingEveryAnimalInAnyOrderWinsOnTheLastSave)
{
    auto result = run(opened +
            // A held pig can't be saved; a left click never harms an animal.
            "click frmw1l1.imgpig1 right\nprint frmw1l1.imgpig1.Visible\n"
            "click frmw1l1.imggrawn1\nprint frmw1l1.lblmsg.Caption\nprint frmw1l1.imgclaw1.Picture\nprint frmw1l1.imggrawn1.Picture\n"
            "wait 0.1\nclick frmw1l1.imgpig1\nprint frmw1l1.imgpig1.Visible\nclick frmw1l1.imgpig1 right\nprint frmw1l1.lblmsg.Caption\n"
            // A dead Grawn stays a flame and says nothing more.
            "click frmw1l1.imggrawn1\nprint frmw1l1.lblmsg.Caption\n"
            "click frmw1l1.imggrawn2\nwait 0.2\nclick frmw1l1.imgpig2 right\n"
            "click frmw1l1.imggrawn3\nwait 0.3\nclick frmw1l1.imgcow1 right\nprint frmw1l1.lblmsg.Caption\n"
            // The sheep is back from 5.3 s to 5.6 s; it is saved last and that wins.
            "wait 4.6\nclick frmw1l1.imgsheep1 right\nprint frmw1l1.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* line : {
             "100 value frmw1l1.imgpig1.Visible True",
             "100 value frmw1l1.lblmsg.Caption \"Grawn Killed!\"",
             "100 value frmw1l1.imgclaw1.Picture imgcf2",
             "100 value frmw1l1.imggrawn1.Picture fire(0)",
             "200 value frmw1l1.imgpig1.Visible True",
             "200 value frmw1l1.lblmsg.Caption \"Pig Saved!\"",
             "200 value frmw1l1.lblmsg.Caption \"Pig Saved!\"",
             "700 value frmw1l1.lblmsg.Caption \"Cow Saved!\"",
         })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    std::vector<std::string> const won {
        "5300 music stop \\W1L1.mid", "5300 hide frmw1l1", "5300 load frmw1l2", "5300 show frmw1l2",
        "5300 ignored 25 the window is hidden", // the release of the winning click
        "5300 value frmw1l1.Visible False", "5300 script-end",
    };
    EXPECT_EQ(lines_from(result.lines(), "5300 music stop \\W1L1.mid"), won) << result.transcript;
}

TEST(World1Level1, SheepSavedFirstStillNeedsTheOthers)
{
    auto result = run("show frmw1l1\nwait 5.4\nok\nclick frmw1l1.imgsheep1 right\nprint frmw1l1.lblmsg.Caption\nwait 6\n"
                      "print frmw1l1.imgsheep1.Visible\nprint frmw1l1.Visible\n",
        game());
    EXPECT_TRUE(result.has("5400 value frmw1l1.lblmsg.Caption \"Sheep Saved!\"")) << result.transcript;
    EXPECT_TRUE(result.has("11400 value frmw1l1.imgsheep1.Visible False")) << "a saved sheep blinks no more";
    EXPECT_TRUE(result.has("11400 value frmw1l1.Visible True"));
}

TEST(World1Level1, AReleasedAnimalLeftAloneIsLostAfter35Ticks)
{
    struct Case {
        char const* grawn;
        char const* animal;
        char const* text;
    };
    for (auto const& c : { Case { "imggrawn2", "imgpig2", "Oh no!  A pig died!  Game over!  Please play again!" },
             Case { "imggrawn3", "imgcow1", "Oh no!  A cow died!  Game over!  Please play again!" } }) {
        auto result = run(opened + "click frmw1l1." + c.grawn + "\nwait 0.85\nprint frmw1l1." + c.animal + ".Top\nwait 0.5\nok\n", game());
        auto const expected = std::vector<std::string> {
            "950 value frmw1l1." + std::string(c.animal) + ".Top 394",
            "975 msgbox none \"Grawn 2\" \"" + std::string(c.text) + "\"",
            "1450 closed",
            "1450 unload frmw1l1",
            "1450 music stop \\W1L1.mid",
            "1450 end",
        };
        EXPECT_EQ(lines_from(result.lines(), expected.front()), expected) << result.transcript;
    }
}

TEST(World1Level1, ASecondLossUnderTheBoxOpensNoSecondBox)
{
    // Both pigs fall; the first lost one opens the box, the second reaches the flames under it.
    auto result = run(opened + "click frmw1l1.imggrawn1\nwait 0.05\nclick frmw1l1.imggrawn2\nwait 2\nclick frmw1l1.imgcow1 right\nok\n", game());
    auto const lines = result.lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](auto const& l) { return l.find("msgbox none") != std::string::npos; }), 1) << result.transcript;
    EXPECT_TRUE(result.has("975 msgbox none \"Grawn 2\" \"Oh no!  A pig died!  Game over!  Please play again!\""));
    EXPECT_TRUE(result.has("2150 ignored 8 a modal box is open"));
    EXPECT_EQ(lines.back(), "2150 end");
}
