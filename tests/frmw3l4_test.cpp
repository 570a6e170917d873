// The skatepark played by scripts: the ollie and speed combinations, the landing, the crash,
// steering, the scrolling markings, and the quirks of speed 0 and a second jump in the air.
#include "levels/bonus/frmw3l4.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace platform;
using testing_support::expect_values;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

HeadlessGame game()
{
    return testing_support::game({ { "frmw3l4", [](Runtime& rt) { return std::make_unique<levels::frmw3l4>(rt); } } });
}

// Both boxes read at once.
std::string const riding = "show frmw3l4\nok\nok\n";
// Z, Z with Shift, then Shift: the ollie.
std::string const ollie = "keydown frmw3l4 90\nkeydown frmw3l4 90 1\nkeydown frmw3l4 16 1\n";
// Control with Shift, Shift, Control: a unit of speed.
std::string const faster = "keydown frmw3l4 17 3\nkeydown frmw3l4 16 1\nkeydown frmw3l4 17 2\n";


}

TEST(Skatepark, OllieLiftsThePigForAQuarterSecondPerUnitOfSpeed)
{
    auto result = run(riding + "print frmw3l4.lblspeed.Caption\n" + ollie + "print frmw3l4.imgpig.Top\nprint frmw3l4.Label1.Visible\n"
            + "wait 1.999\nprint frmw3l4.imgpig.Top\nwait 0.001\nprint frmw3l4.imgpig.Top\nprint frmw3l4.lblspeed.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "0 value frmw3l4.lblspeed.Caption \"0\"", "0 value frmw3l4.imgpig.Top 85", "0 value frmw3l4.Label1.Visible True",
                              "1999 value frmw3l4.imgpig.Top 85", "2000 value frmw3l4.imgpig.Top 160", "2000 value frmw3l4.lblspeed.Caption \"70\"" });
    EXPECT_TRUE(result.has("0 sound \\intromusic.wav async")) << result.transcript;
}

TEST(Skatepark, AnOllieNeedsItsStepsInOrderAndInTime)
{
    // The markings first: 8 pixels a tick, back to the start once the first is 25 past the edge.
    // Then an ollie broken by a Control in the middle, and one too slow: the window closes two
    // seconds after Z with Shift.
    auto result = run(riding + "wait 0.1\nprint frmw3l4.Line1(8).Left\nwait 0.025\nprint frmw3l4.Line1(8).Left\nkeydown frmw3l4 90\nkeydown frmw3l4 90 1\nkeydown frmw3l4 17 2\nkeydown frmw3l4 16 1\n"
            + "print frmw3l4.imgpig.Top\nkeydown frmw3l4 90\nkeydown frmw3l4 90 1\nwait 2\nkeydown frmw3l4 16 1\nprint frmw3l4.imgpig.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "100 value frmw3l4.Line1(8).Left -24", "125 value frmw3l4.Line1(8).Left 8", "125 value frmw3l4.imgpig.Top 160",
                              "2125 value frmw3l4.imgpig.Top 160" });
}

TEST(Skatepark, TwoSpeedCombosFromTheStartCrashThePig)
{
    auto result = run(riding + faster + "print frmw3l4.lblspeed.Caption\nwait 0.025\nprint frmw3l4.Line1(0).Left\n" + faster + "ok\n"
            + "print frmw3l4.speed.Interval\nprint frmw3l4.lblspeed.Caption\nwait 1\nprint frmw3l4.Line1(0).Left\n"
            + "key frmw3l4 39\nprint frmw3l4.imgpig.Left\n" + ollie + "wait 5\nprint frmw3l4.imgpig.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "0 value frmw3l4.lblspeed.Caption \"90\"", "25 value frmw3l4.Line1(0).Left 47", "25 value frmw3l4.speed.Interval 0",
                              // The label keeps its last value; at speed 0 nothing scrolls, steers or lands.
                              "25 value frmw3l4.lblspeed.Caption \"100\"", "1025 value frmw3l4.Line1(0).Left 47", "1025 value frmw3l4.imgpig.Left 112",
                              "6025 value frmw3l4.imgpig.Top 85" });
    EXPECT_TRUE(result.has("25 msgbox none \"Grawn 2\" \"Oh no!  You crashed!\"")) << result.transcript;
    EXPECT_TRUE(result.has("25 sound \\gundead.wav async")) << result.transcript;
}

TEST(Skatepark, ASecondJumpInTheAirLeavesThePigHigherAndTheMarkingsWrap)
{
    auto result = run(riding + ollie + "wait 1\n" + ollie + "print frmw3l4.imgpig.Top\nwait 2\nprint frmw3l4.imgpig.Top\n"
            + "key frmw3l4 37\nprint frmw3l4.imgpig.Left\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "1000 value frmw3l4.imgpig.Top 10", "3000 value frmw3l4.imgpig.Top 85", "3000 value frmw3l4.imgpig.Left 108.5" });
}
