// Raved's level played by scripts: the fires rising from load, the three phases of the fight,
// the fires kept at their height between phases, the single and double clicks that beat them
// down, the countdown, and the win that hands over to Raved's destruction.
#include "levels/rescue/frmw4l3.hpp"
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
    return testing_support::game({ { "frmw4l3", [](Runtime& rt) { return std::make_unique<levels::frmw4l3>(rt); } },
        { "frmw4l4", testing_support::stand_in("frmw4l4") } });
}

std::string shots(int count, std::string const& button = {})
{
    std::string script;
    for (int i = 0; i < count; ++i)
        script += "click frmw4l3.raved" + (button.empty() ? "" : " " + button) + "\n";
    return script;
}

std::vector<std::string> level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos || line.find("gundead") != std::string::npos
            || line.find(" ignored ") != std::string::npos;
    });
    return lines;
}

std::vector<std::string> tail(std::vector<std::string> const& lines, std::size_t count)
{
    return { lines.end() - static_cast<long>(std::min(count, lines.size())), lines.end() };
}


// Raved is on screen at 0.9 s (Left 330); 100 shots then end the first phase, and the big sheep
// leaves the screen six ticks later, at 1.05 s.
std::string const to_phase_two = "show frmw4l3\nok\nwait 0.9\n" + shots(100) + "wait 0.15\n";
// All four fires beaten down (the first by a double click) bring the big sheep back from the
// left; half a second later it is in reach.
std::string const fires_out = "dblclick frmw4l3.fire1\nclick frmw4l3.fire2\nclick frmw4l3.fire3\nclick frmw4l3.fire4\nwait 0.5\n";

}

TEST(World4Level3, FiresLeftAloneBehindTheBriefingReachTheAnimalsAfter285Ticks)
{
    auto result = run("show frmw4l3\nwait 7.1\nprint frmw4l3.fire1.Top\nwait 0.025\nok\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_TRUE(result.has("7100 value frmw4l3.fire1.Top 68")) << result.transcript;
    EXPECT_EQ(tail(level_lines(result), 6),
        (std::vector<std::string> { "7125 msgbox info \"Game Over!\" \"No!  God no!  You came so far only to lose it!  A sheep died!\"",
            "7125 closed", "7125 unload frmw4l3", "7125 closed", "7125 music stop \\W4L3.mid", "7125 end" }))
        << result.transcript;
}

TEST(World4Level3, FirstPhaseShotsSpeedTheFiresAndOnlyADoubleClickPutsOutTheFirst)
{
    auto result = run("show frmw4l3\nok\n" + shots(3, "right") + "print frmw4l3.bosshp.Interval\nwait 0.25\nclick frmw4l3.fire1\n"
                          + "print frmw4l3.fire1.Top\nclick frmw4l3.fire2\nprint frmw4l3.fire2.Top\nwait 0.6\ndblclick frmw4l3.fire1\n"
                          + "print frmw4l3.fire1.Top\nwait 0.05\n" + shots(90) + "print frmw4l3.yo.Interval\nwait 0.025\n"
                          + "print frmw4l3.fire3.Top\nprint frmw4l3.lblhealth.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw4l3.bosshp.Interval 100",
            "250 value frmw4l3.fire1.Top 342",
            "250 value frmw4l3.fire2.Top 351",
            "850 value frmw4l3.fire1.Top 351",
            "900 value frmw4l3.yo.Interval 3",
            // 36 ticks at one pixel, then one at three.
            "925 value frmw4l3.fire3.Top 313",
            "925 value frmw4l3.lblhealth.Caption \"100\"",
        });
}

TEST(World4Level3, ThreePhasesWonWithTheFiresKeptAtTheirHeightInBetween)
{
    auto result = run(to_phase_two + "print frmw4l3.raved.Picture\nprint frmw4l3.raved.Top\nprint frmw4l3.fire1.Top\n"
                          + "print frmw4l3.fire1.Visible\nprint frmw4l3.timefire12.Enabled\n" + fires_out
                          + "print frmw4l3.fire1.Visible\nprint frmw4l3.raved.Left\n" + shots(50) + "print frmw4l3.Label2.Visible\nok\n"
                          + "print frmw4l3.Label2.Visible\nprint frmw4l3.bosshp.Interval\nwait 1\nprint frmw4l3.Label2.Caption\n" + shots(55)
                          + "ok\nprint frmw4l3.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "1050 value frmw4l3.raved.Picture bigsheep",
            "1050 value frmw4l3.raved.Top 88",
            "1050 value frmw4l3.fire1.Top 316",
            "1050 value frmw4l3.fire1.Visible True",
            "1050 value frmw4l3.timefire12.Enabled True",
            "1550 value frmw4l3.fire1.Visible False",
            "1550 value frmw4l3.raved.Left -45",
            "1550 value frmw4l3.Label2.Visible False",
            "1550 value frmw4l3.Label2.Visible True",
            "1550 value frmw4l3.bosshp.Interval 55",
            "2550 value frmw4l3.Label2.Caption \"9\"",
            "2550 value frmw4l3.Visible False",
        });
    EXPECT_EQ(tail(level_lines(result), 12),
        (std::vector<std::string> { "900 sound \\death.wav async", "1550 sound \\godown.wav async",
            "1550 msgbox info \"Warning!\" \"Oh no!  Raved is using the evil radiation from his body and is turning it into a uncontrolled "
            "explosion!  Destroy him before he can do this!\"",
            "1550 closed", "2550 sound \\explosion.wav async", "2550 msgbox none \"Grawn 2\" \"Nooooo....\"", "2550 closed", "2550 load frmw4l4",
            "2550 show frmw4l4", "2550 hide frmw4l3", "2550 music stop \\W4L3.mid", "2550 script-end" }))
        << result.transcript;
}

TEST(World4Level3, TheCountdownEndsTheGameWhenTheLastShotsDoNotCome)
{
    auto result = run(to_phase_two + fires_out + shots(50) + "ok\n" + shots(54) + "wait 10\nok\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(tail(level_lines(result), 6),
        (std::vector<std::string> { "11550 sound \\explosion.wav async",
            "11550 msgbox info \"Game Over!\" \"Oh no!  You died!  Gameover.  Please play again!\"", "11550 closed", "11550 unload frmw4l3",
            "11550 music stop \\W4L3.mid", "11550 end" }))
        << result.transcript;
}
