// World 1 Level 3 played by scripts: the machine's patrol and drops, losses, wrong clicks, saves,
// the thirty hits and the hand-over.
#include "screen/screen.hpp"
#include "levels/rescue/frmw1l3.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using testing_support::run;

namespace {

// Stands in for the bonus level that follows: a briefing, then its tune.
class NextLevel : public screen::Screen {
public:
    explicit NextLevel(Runtime& runtime)
        : Screen(runtime, "frmw1l4", { .caption = "Grawn 2", .width = 400, .height = 400 })
    {
    }
    void Form_Load() override
    {
        briefing("World 1, Level 4: Firefighters", "Level four");
        PlayMusic("\\W1L4.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({
        { "frmw1l3", [](Runtime& rt) { return std::make_unique<levels::frmw1l3>(rt); } },
        { "frmw1l4", [](Runtime& rt) { return std::make_unique<NextLevel>(rt); } },
    });
}

// The briefing closes at 1 s, so the machine's first tick falls at 1025 ms and, after 6 ticks
// out and 12 back and 12 out again, it drops the animals at 1750 ms; they sink 6 pixels a tick.
std::string const briefed = "show frmw1l3\nwait 1\nok\n";
std::string const to_the_drop = briefed + "wait 0.75\n";

// The title screen's opening runs underneath; only this level's lines matter here.
std::vector<std::string> level_lines(testing_support::ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](auto const& line) {
        return line.find("intro") != std::string::npos || line.find(" sound ") != std::string::npos
            || line.find("INTRO.mid") != std::string::npos;
    });
    return lines;
}

long count_boxes(testing_support::ScriptRun const& result)
{
    auto const lines = result.lines();
    return std::count_if(lines.begin(), lines.end(), [](auto const& line) { return line.find(" msgbox ") != std::string::npos; });
}

std::string shot(std::string const& animal)
{
    return "\"Oh no!  You shot a " + animal + "!  You evil, evil little man (or woman)!  Game Over!  Please play again!\"";
}

std::string died(std::string const& animal) { return "\"Oh no!  A " + animal + " died!  Game over!  Please play again!\""; }

}

TEST(MachineLevel, StandsStillUnderTheBriefingThenDropsOnTheSecondArrivalAtTheRightEdge)
{
    auto result = run("show frmw1l3\nwait 1\nprint frmw1l3.imgboss.Left\nprint frmw1l3.ScaleWidth\nprint frmw1l3.ScaleHeight\nok\n"
                      "wait 0.15\nprint frmw1l3.imgboss.Left\nprint frmw1l3.timeboss2.Enabled\nprint frmw1l3.yadda.Interval\n"
                      "wait 0.3\nprint frmw1l3.imgboss.Left\nprint frmw1l3.timeboss1.Enabled\nprint frmw1l3.yadda.Interval\n"
                      "wait 0.275\nprint frmw1l3.imgboss.Left\nprint frmw1l3.imgboss.Visible\nprint frmw1l3.imgpig1.Visible\n"
                      "wait 0.025\nprint frmw1l3.imgboss.Visible\nprint frmw1l3.imgboss.Left\nprint frmw1l3.timeboss1.Enabled\n"
                      "print frmw1l3.timeboss2.Enabled\nprint frmw1l3.yadda.Interval\n"
                      "print frmw1l3.imgpig1.Visible\nprint frmw1l3.imgsheep1.Visible\nprint frmw1l3.imgcow1.Visible\nprint frmw1l3.imgcow1.Top\n"
                      "wait 0.025\nprint frmw1l3.imgpig1.Top\nprint frmw1l3.imgsheep1.Top\nprint frmw1l3.imgcow1.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::vector<std::string> const expected {
        "0 load frmw1l3",
        "0 msgbox info \"World 1, Level 3: The Piggie Poker\" \"The Machine that is pulling the Farm Animals down here is within range.  "
        "Destroy it by shooting it several times.  Watch out, if a farm animal is pulled into the spike, it's all over.  "
        "Kill the boss, save the animals.\"",
        "1000 value frmw1l3.imgboss.Left 144",
        "1000 value frmw1l3.ScaleWidth 385",
        "1000 value frmw1l3.ScaleHeight 347",
        "1000 closed",
        "1000 music play \\W1L3.mid",
        "1000 show frmw1l3",
        // First arrival at the right edge after 6 ticks: counted, and it turns.
        "1150 value frmw1l3.imgboss.Left 294",
        "1150 value frmw1l3.timeboss2.Enabled True",
        "1150 value frmw1l3.yadda.Interval 1",
        // The left edge turns it without counting.
        "1450 value frmw1l3.imgboss.Left -6",
        "1450 value frmw1l3.timeboss1.Enabled True",
        "1450 value frmw1l3.yadda.Interval 1",
        "1725 value frmw1l3.imgboss.Left 269",
        "1725 value frmw1l3.imgboss.Visible True",
        "1725 value frmw1l3.imgpig1.Visible False",
        // Second arrival: the machine vanishes where it stands and the animals appear at the top.
        "1750 value frmw1l3.imgboss.Visible False",
        "1750 value frmw1l3.imgboss.Left 294",
        "1750 value frmw1l3.timeboss1.Enabled False",
        "1750 value frmw1l3.timeboss2.Enabled False",
        "1750 value frmw1l3.yadda.Interval 0",
        "1750 value frmw1l3.imgpig1.Visible True",
        "1750 value frmw1l3.imgsheep1.Visible True",
        "1750 value frmw1l3.imgcow1.Visible True",
        "1750 value frmw1l3.imgcow1.Top 0",
        "1775 value frmw1l3.imgpig1.Top 6",
        "1775 value frmw1l3.imgsheep1.Top 6",
        "1775 value frmw1l3.imgcow1.Top 6",
        "1775 script-end",
    };
    EXPECT_EQ(level_lines(result), expected) << result.transcript;
}

TEST(MachineLevel, AnAnimalReachingTheFlamesEndsTheGameWithOneBoxOnly)
{
    // Left alone, all three reach the flames on their 54th tick (1750 + 54 x 25 ms); the pig's
    // timer comes first and its box is the only one, though the others go on sinking under it.
    auto result = run(to_the_drop + "wait 1.325\nprint frmw1l3.imgpig1.Top\nwait 0.025\nwait 2\nprint frmw1l3.imgcow1.Top\nok\nwait 1\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_TRUE(result.has("3075 value frmw1l3.imgpig1.Top 318")) << result.transcript;
    EXPECT_TRUE(result.has("3100 msgbox none \"Grawn 2\" " + died("pig")));
    EXPECT_EQ(count_boxes(result), 2) << result.transcript; // the briefing and the pig's
    EXPECT_TRUE(result.has("5100 value frmw1l3.imgcow1.Top 804"));
    auto lines = level_lines(result);
    std::vector<std::string> const ending(lines.end() - 5, lines.end());
    std::vector<std::string> const expected { "5100 value frmw1l3.imgcow1.Top 804", "5100 closed", "5100 unload frmw1l3",
        "5100 music stop \\W1L3.mid", "5100 end" };
    EXPECT_EQ(ending, expected) << result.transcript;
}

TEST(MachineLevel, EachAnimalLeftToSinkHasItsOwnBox)
{
    struct Case {
        std::string saved;
        std::string lost;
    };
    for (auto const& c : { Case { "imgpig1 imgcow1", "sheep" }, Case { "imgpig1 imgsheep1", "cow" }, Case { "imgsheep1 imgcow1", "pig" } }) {
        std::string script = to_the_drop + "wait 0.5\n";
        for (std::string const name : { "imgpig1", "imgsheep1", "imgcow1" })
            if (c.saved.find(name) != std::string::npos)
                script += "click frmw1l3." + name + " right\n";
        script += "wait 0.85\nok\n";
        auto result = run(script, game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        EXPECT_TRUE(result.has("3100 msgbox none \"Grawn 2\" " + died(c.lost))) << result.transcript;
        EXPECT_TRUE(result.has("3100 unload frmw1l3"));
        EXPECT_EQ(count_boxes(result), 2) << result.transcript;
    }
}

TEST(MachineLevel, ShootingAnAnimalEndsTheGameEvenWithTheOthersSaved)
{
    struct Case {
        std::string target;
        std::string animal;
        std::string saved_first;
    };
    for (auto const& c : { Case { "imgpig1", "pig", "" }, Case { "imgsheep1", "sheep", "" },
             Case { "imgcow1", "cow", "click frmw1l3.imgpig1 right\nclick frmw1l3.imgsheep1 right\n" } }) {
        // The box stays open past the moment the others would reach the flames: still one box.
        auto result = run(to_the_drop + "wait 0.2\n" + c.saved_first + "click frmw1l3." + c.target + "\nwait 2\nok\n", game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        EXPECT_TRUE(result.has("1950 msgbox none \"Grawn 2\" " + shot(c.animal))) << result.transcript;
        EXPECT_TRUE(result.has("3950 unload frmw1l3")) << result.transcript;
        EXPECT_EQ(count_boxes(result), 2) << result.transcript;
    }
}

TEST(MachineLevel, SavingAllThreeBringsTheMachineBackUntilItsNextSecondArrival)
{
    auto result = run(to_the_drop + "wait 0.5\nclick frmw1l3.imgpig1 right\nclick frmw1l3.imgcow1 right\n"
                                    "print frmw1l3.imgpig1.Visible\nprint frmw1l3.imgpig1.Top\nprint frmw1l3.timepig1.Enabled\n"
                                    "print frmw1l3.imgboss.Visible\nprint frmw1l3.timeboss2.Enabled\n"
                                    "wait 0.025\nprint frmw1l3.imgsheep1.Top\nclick frmw1l3.imgsheep1 right\n"
                                    "print frmw1l3.imgsheep1.Top\nprint frmw1l3.imgboss.Visible\nprint frmw1l3.imgboss.Left\n"
                                    "print frmw1l3.timeboss2.Enabled\nwait 0.025\nprint frmw1l3.imgboss.Left\n"
                                    // 48 more ticks: left, right (first arrival), left, right (second).
                                    "wait 1.15\nprint frmw1l3.imgboss.Visible\nwait 0.025\nprint frmw1l3.imgboss.Visible\n"
                                    "print frmw1l3.imgpig1.Visible\nprint frmw1l3.imgpig1.Top\nprint frmw1l3.imgsheep1.Top\n"
                                    "wait 0.025\nprint frmw1l3.imgcow1.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::vector<std::string> const expected {
        // Two saved: they are gone and back at the top; the machine stays away.
        "2250 value frmw1l3.imgpig1.Visible False",
        "2250 value frmw1l3.imgpig1.Top 0",
        "2250 value frmw1l3.timepig1.Enabled False",
        "2250 value frmw1l3.imgboss.Visible False",
        "2250 value frmw1l3.timeboss2.Enabled False",
        "2275 value frmw1l3.imgsheep1.Top 126",
        // The third saved: the machine is back at the right edge, heading left.
        "2275 value frmw1l3.imgsheep1.Top 0",
        "2275 value frmw1l3.imgboss.Visible True",
        "2275 value frmw1l3.imgboss.Left 294",
        "2275 value frmw1l3.timeboss2.Enabled True",
        "2300 value frmw1l3.imgboss.Left 269",
        "3450 value frmw1l3.imgboss.Visible True",
        "3475 value frmw1l3.imgboss.Visible False",
        "3475 value frmw1l3.imgpig1.Visible True",
        "3475 value frmw1l3.imgpig1.Top 0",
        "3475 value frmw1l3.imgsheep1.Top 0",
        "3500 value frmw1l3.imgcow1.Top 6",
        "3500 script-end",
    };
    auto lines = level_lines(result);
    std::vector<std::string> const tail(lines.end() - static_cast<long>(expected.size()), lines.end());
    EXPECT_EQ(tail, expected) << result.transcript;
}

TEST(MachineLevel, LeftHitsFlashAndCountRightClicksDoNeither)
{
    auto result = run(briefed + "click frmw1l3.imgboss right\nprint frmw1l3.imgboss.Picture\nprint frmw1l3.bosshp.Interval\n"
                                "print frmw1l3.bossr.Enabled\nclick frmw1l3.imgboss\nprint frmw1l3.imgboss.Picture\n"
                                "print frmw1l3.bosshp.Interval\nwait 0.125\nclick frmw1l3.imgboss\nwait 0.025\n"
                                "print frmw1l3.imgboss.Picture\nprint frmw1l3.bossr.Enabled\nprint frmw1l3.bosshp.Interval\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::vector<std::string> const expected {
        "1000 value frmw1l3.imgboss.Picture imgbf1",
        "1000 value frmw1l3.bosshp.Interval 0",
        "1000 value frmw1l3.bossr.Enabled False",
        "1000 value frmw1l3.imgboss.Picture imgbf2",
        "1000 value frmw1l3.bosshp.Interval 1",
        // A second hit while the flash shows does not prolong it: it ends 150 ms after the first.
        "1150 value frmw1l3.imgboss.Picture imgbf1",
        "1150 value frmw1l3.bossr.Enabled False",
        "1150 value frmw1l3.bosshp.Interval 2",
        "1150 script-end",
    };
    auto lines = level_lines(result);
    std::vector<std::string> const tail(lines.end() - static_cast<long>(expected.size()), lines.end());
    EXPECT_EQ(tail, expected) << result.transcript;
}

TEST(MachineLevel, TheThirtiethHitInAllWrecksItAndHandsOverASecondLater)
{
    std::string script = briefed;
    // Ten hits before the drop, nineteen after the rescue: still standing.
    for (int i = 0; i < 10; ++i)
        script += "click frmw1l3.imgboss\n";
    script += "wait 0.75\nwait 0.25\nclick frmw1l3.imgpig1 right\nclick frmw1l3.imgsheep1 right\nclick frmw1l3.imgcow1 right\n";
    for (int i = 0; i < 19; ++i)
        script += "click frmw1l3.imgboss\n";
    script += "print frmw1l3.bosshp.Interval\nprint frmw1l3.imgboss.Picture\nprint frmw1l3.bossd.Enabled\nprint frmw1l3.timeboss2.Enabled\n"
              "click frmw1l3.imgboss\nprint frmw1l3.imgboss.Picture\nprint frmw1l3.imgboss.Width\nprint frmw1l3.imgboss.Height\n"
              "print frmw1l3.bossr.Enabled\nprint frmw1l3.timeboss2.Enabled\n"
              // Shooting the wreck again changes nothing and does not hold up the hand-over.
              "wait 0.5\nclick frmw1l3.imgboss\nclick frmw1l3.imgboss right\nprint frmw1l3.imgboss.Picture\nprint frmw1l3.imgboss.Width\n"
              "wait 0.475\nprint frmw1l3.Visible\nwait 0.025\nwait 1\nok\n"
              // The hidden, won screen has nothing left that could act.
              "print frmw1l3.bossd.Enabled\nprint frmw1l3.bossr.Enabled\nprint frmw1l3.timeboss1.Enabled\nprint frmw1l3.timeboss2.Enabled\n"
              "print frmw1l3.timepig1.Enabled\nprint frmw1l3.timesheep1.Enabled\nprint frmw1l3.timecow1.Enabled\n"
              "click frmw1l3.imgboss\nwait 60\n";
    auto result = run(script, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::vector<std::string> const expected {
        "2000 value frmw1l3.bosshp.Interval 29",
        "2000 value frmw1l3.imgboss.Picture imgbf2",
        "2000 value frmw1l3.bossd.Enabled False",
        "2000 value frmw1l3.timeboss2.Enabled True",
        "2000 value frmw1l3.imgboss.Picture imgbf3",
        "2000 value frmw1l3.imgboss.Width 150",
        "2000 value frmw1l3.imgboss.Height 150",
        "2000 value frmw1l3.bossr.Enabled False",
        "2000 value frmw1l3.timeboss2.Enabled False",
        "2500 value frmw1l3.imgboss.Picture imgbf3",
        "2500 value frmw1l3.imgboss.Width 150",
        "2975 value frmw1l3.Visible True",
        "3000 music stop \\W1L3.mid",
        "3000 hide frmw1l3",
        "3000 load frmw1l4",
        "3000 msgbox info \"World 1, Level 4: Firefighters\" \"Level four\"",
        "4000 closed",
        "4000 music play \\W1L4.mid",
        "4000 show frmw1l4",
        "4000 value frmw1l3.bossd.Enabled False",
        "4000 value frmw1l3.bossr.Enabled False",
        "4000 value frmw1l3.timeboss1.Enabled False",
        "4000 value frmw1l3.timeboss2.Enabled False",
        "4000 value frmw1l3.timepig1.Enabled False",
        "4000 value frmw1l3.timesheep1.Enabled False",
        "4000 value frmw1l3.timecow1.Enabled False",
    };
    auto lines = level_lines(result);
    auto from = std::find(lines.begin(), lines.end(), expected.front());
    ASSERT_NE(from, lines.end()) << result.transcript;
    ASSERT_GE(lines.end() - from, static_cast<long>(expected.size())) << result.transcript;
    std::vector<std::string> const played(from, from + static_cast<long>(expected.size()));
    EXPECT_EQ(played, expected) << result.transcript;
    // The last click (its press and its release) reaches nothing, and nothing else happens in
    // the minute after.
    std::vector<std::string> const after(from + static_cast<long>(expected.size()), lines.end());
    std::vector<std::string> const rest { "4000 ignored 65 the window is hidden", "4000 ignored 65 the window is hidden", "64000 script-end" };
    EXPECT_EQ(after, rest) << result.transcript;
    EXPECT_EQ(count_boxes(result), 2);
}
