// The magnet game played by scripts: the catch window, the lift, the countdown that lets go, the
// missed drops and the fourth that ends it, and the bonus counted on a win.
#include "levels/bonus/frmw4l5.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testing_support::expect_values;
using testing_support::run;
using testing_support::ScriptRun;

namespace {


HeadlessGame game()
{
    return testing_support::game({ { "frmw4l5", [](Runtime& rt) { return std::make_unique<levels::frmw4l5>(rt); } },
        { "frmw5lx", testing_support::stand_in("frmw5lx") } });
}

std::string repeat(std::string const& line, int count)
{
    std::string script;
    for (int i = 0; i < count; ++i)
        script += line + "\n";
    return script;
}

std::string lefts(int count) { return repeat("key frmw4l5 37", count); }
std::string const drop = "key frmw4l5 32\n";
// The briefing closed at once: the sheep is at 32 and the magnet at 166.
std::string const playing = "show frmw4l5\nok\n";


}

TEST(World4Level5, TheMagnetCatchesOnlyWhenWhollyOverTheSheep)
{
    // Sheep at 32: the magnet at 46 (two past the last place) misses, at 44 it catches.
    auto near_miss = run(playing + lefts(60) + drop + "print frmw4l5.times.Interval\n" + lefts(1) + drop + "print frmw4l5.imgclick.Enabled\n"
            + "print frmw4l5.times.Interval\n" + lefts(3) + "print frmw4l5.magnet.Left\n",
        game());
    EXPECT_EQ(near_miss.exit_code, 0) << near_miss.errors;
    expect_values(near_miss, { "0 value frmw4l5.times.Interval 1", "0 value frmw4l5.imgclick.Enabled True", "0 value frmw4l5.times.Interval 1",
                                 // Held: the arrows do nothing.
                                 "0 value frmw4l5.magnet.Left 44" });
    EXPECT_TRUE(near_miss.has("0 sound \\magnet.wav async")) << near_miss.transcript;
    EXPECT_TRUE(near_miss.has("0 music pause \\W4L5.mid")) << near_miss.transcript;
    EXPECT_TRUE(near_miss.has("0 music play \\W4L5x.mid")) << near_miss.transcript;

    // Two left of the sheep's edge it misses; with its left edge on the sheep's it catches.
    auto edge = run(playing + lefts(68) + drop + "print frmw4l5.imgclick.Enabled\nkey frmw4l5 39\n" + drop + "print frmw4l5.imgclick.Enabled\n",
        game());
    expect_values(edge, { "0 value frmw4l5.imgclick.Enabled False", "0 value frmw4l5.imgclick.Enabled True" });
}

TEST(World4Level5, ThirtyFiveLiftsSaveTheSheepAndCountTheBonusOnce)
{
    // Clicks in quick pairs: the second of each pair is a double click, so 70 clicks lift 35 times.
    auto result = run(playing + lefts(66) + drop + repeat("click frmw4l5.imgclick", 68) + "print frmw4l5.sheep.Top\n"
            + repeat("click frmw4l5.imgclick", 2) + "print frmw4l5.sheep.Top\nok\nprint intro.bonusbags.Interval\nprint frmw4l5.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "0 value frmw4l5.sheep.Top 100", "0 value frmw4l5.sheep.Top 98", "0 value intro.bonusbags.Interval 1",
                              "0 value frmw4l5.Visible False" });
    for (auto const* line : { "0 music stop \\W4L5.mid", "0 music stop \\W4L5x.mid",
             "0 msgbox info \"You Won!\" \"You Won!  The smart sheep has been saved!\"", "0 show frmw5lx" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
}

TEST(World4Level5, TheClawsLetGoAfterTenSecondsAndThePenRunsAgain)
{
    auto result = run(playing + lefts(66) + drop + repeat("click frmw4l5.imgclick", 20) + "wait 1\nprint frmw4l5.lblcount.Caption\n"
            + "wait 8\nprint frmw4l5.lblcount.Caption\nprint frmw4l5.sheep.Left\nwait 1\nprint frmw4l5.lblcount.Visible\n"
            + "print frmw4l5.lblcount.Caption\nprint frmw4l5.sheep.Top\nprint frmw4l5.imgclick.Enabled\nprint frmw4l5.letsgoup.Interval\n"
            + "print frmw4l5.times.Interval\nwait 0.025\nprint frmw4l5.sheep.Left\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "1000 value frmw4l5.lblcount.Caption \"9\"",
            "9000 value frmw4l5.lblcount.Caption \"1\"",
            "9000 value frmw4l5.sheep.Left 32",
            "10000 value frmw4l5.lblcount.Visible False",
            "10000 value frmw4l5.lblcount.Caption \"10\"",
            "10000 value frmw4l5.sheep.Top 168",
            "10000 value frmw4l5.imgclick.Enabled False",
            "10000 value frmw4l5.letsgoup.Interval 0",
            "10000 value frmw4l5.times.Interval 0",
            "10025 value frmw4l5.sheep.Left 34",
        });
    EXPECT_TRUE(result.has("10000 music stop \\W4L5x.mid")) << result.transcript;
    EXPECT_TRUE(result.has("10000 music play \\W4L5.mid")) << result.transcript;
}

TEST(World4Level5, TheFourthMissedDropEndsTheLevelWithoutABonus)
{
    auto result = run(playing + repeat(drop.substr(0, drop.size() - 1), 3) + "print frmw4l5.Visible\n" + drop + "ok\n"
            + "print intro.bonusbags.Interval\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_TRUE(result.has("0 value frmw4l5.Visible True")) << result.transcript;
    EXPECT_EQ(result.count("saucer.wav"), 4) << result.transcript;
    for (auto const* line : { "0 msgbox info \"You're out of turns!\" \"You're out of turns!  Sorry.  Secret bonus unavaliable.  Prepare for the ending.\"",
             "0 show frmw5lx", "0 value intro.bonusbags.Interval 0" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
}

TEST(World4Level5, ADropIsSeenGoingDownToThePenAndBackWhileTheMagnetKeepsItsPlace)
{
    // A miss lets the magnet down a step a tick to the pen's row and winds it back up; a catch
    // leaves it on the sheep's back, rising with every lift, and the claws letting go bring it
    // home. The crane's own magnet never leaves its place: it shows the pulley block meanwhile.
    auto result = run(playing + drop + "wait 0.2\nprint frmw4l5.lowered.Top\nkey frmw4l5 37\nprint frmw4l5.lowered.Left\nprint frmw4l5.magnet.Top\n"
            + "print frmw4l5.magnet.Picture\nwait 0.2\nprint frmw4l5.lowered.Visible\nprint frmw4l5.magnet.Picture\n"
            // The sheep reaches the magnet, now at 164, when its left is 152 (at 1.525 s).
            + "wait 1.2\n" + drop + "print frmw4l5.imgclick.Enabled\nprint frmw4l5.lowered.Top\n" + "click frmw4l5.imgclick\nwait 0.6\nclick frmw4l5.imgclick\n"
            + "print frmw4l5.lowered.Top\nwait 10\nprint frmw4l5.lowered.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "200 value frmw4l5.lowered.Top 136",
            "200 value frmw4l5.lowered.Left 164",
            "200 value frmw4l5.magnet.Top 40",
            "200 value frmw4l5.magnet.Picture magnet-pulley",
            "400 value frmw4l5.lowered.Visible False",
            "400 value frmw4l5.magnet.Picture magnet",
            "1600 value frmw4l5.imgclick.Enabled True",
            "1600 value frmw4l5.lowered.Top 117",
            "2200 value frmw4l5.lowered.Top 113",
            "12200 value frmw4l5.lowered.Visible False",
        });
}
