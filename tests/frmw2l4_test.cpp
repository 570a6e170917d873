// The road crossing played by scripts: the win and its bonus, the traffic that sends the pig back,
// the steps and their bounds, the countdown and the time-out, and a time-out inside the win.
#include "levels/bonus/frmw2l4.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace platform;
using testing_support::expect_values;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

// Stands in for the World 2 intermission, whose load silences this level's tune.
class Intermission : public screen::Screen {
public:
    explicit Intermission(Runtime& runtime)
        : Screen(runtime, "frmw2l5", { .caption = "Grawn 2", .width = 400, .height = 400 })
    {
    }
    void Form_Load() override
    {
        StopMusic("\\W2L4.mid");
        PlayMusic("\\W2L5.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({ { "frmw2l4", [](Runtime& rt) { return std::make_unique<levels::frmw2l4>(rt); } },
        { "frmw2l5", [](Runtime& rt) { return std::make_unique<Intermission>(rt); } } });
}

using Lines = std::vector<std::string>;

std::string const briefing = "msgbox info \"World 2, Level 4: Why Did The Pig Cross The Road?\" \"The first of the four smart animals "
                             "has escaped from the boss in the previous level, but must cross the road before reaching Farmer Ruv's "
                             "Farm on the other side withing 80 seconds!  Use your arrow keys (up, down, left, and right) to steer "
                             "the pig, but avoid the cars and trucks or you'll get set back to the start!  Remember, if you win all "
                             "of these bonus levels, you will get something special at the end!\"";
std::string const congrats = "msgbox none \"Grawn 2\" \"Congrats you beat the level!\"";
std::string const out_of_time = "msgbox none \"Grawn 2\" \"You're out of time!\"";

std::string presses(int code, int times)
{
    std::string script;
    for (int i = 0; i < times; ++i)
        script += "key frmw2l4 " + std::to_string(code) + "\n";
    return script;
}
std::string rights(int times) { return presses(keys::right, times); }

// The level shown at time 0 and its briefing closed at once: traffic and countdown start then.
std::string const playing = "show frmw2l4\nok\n";

// What happened on this level and the next, without the title screen behind them, the printed
// values and the input that reached nothing.
Lines level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos
            || line.find(" ignored ") != std::string::npos;
    });
    return lines;
}

// The move to the intermission at `at`.
Lines moved_on(std::string const& at)
{
    return { at + " music stop \\W2L4.mid", at + " hide frmw2l4", at + " load frmw2l5", at + " music stop \\W2L4.mid",
        at + " music play \\W2L5.mid", at + " show frmw2l5" };
}

Lines joined(std::initializer_list<Lines> parts)
{
    Lines all;
    for (auto const& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Lines const opened { "0 load frmw2l4", "0 " + briefing, "0 closed", "0 music play \\W2L4.mid", "0 show frmw2l4" };


}

TEST(RoadCrossing, ThirtyThreeStepsRightWinOneBonusWhateverKeysFollow)
{
    // All steps fall between two traffic ticks, so nothing can send the pig back. More steps
    // during the box and the pause reach the far side again and must not count again.
    auto result = run(playing + rights(32) + "print frmw2l4.imgpig1.Left\n" + rights(1) + "print frmw2l4.imgpig1.Left\n"
            + "print intro.bonusbags.Interval\nwait 0.3\n" + presses(keys::left, 1) + rights(1) + "ok\nprint intro.bonusbags.Interval\n"
            + "wait 0.5\n" + presses(keys::up, 1) + "print frmw2l4.imgpig1.Top\nwait 0.5\nprint frmw2l4.Timer1.Enabled\nprint frmw2l4.timecar.Enabled\n"
            + "wait 1\n" + rights(2) + "print intro.bonusbags.Interval\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(level_lines(result),
        joined({ opened, { "0 music stop \\W2L4.mid", "0 sound \\way2rok.wav async", "0 " + congrats, "300 closed" }, moved_on("1300"),
            { "2300 script-end" } }))
        << result.transcript;
    expect_values(result,
        { "0 value frmw2l4.imgpig1.Left 320", "0 value frmw2l4.imgpig1.Left 330", "0 value intro.bonusbags.Interval 0",
            "300 value intro.bonusbags.Interval 1", "800 value frmw2l4.imgpig1.Top 94",
            "1300 value frmw2l4.Timer1.Enabled False", "1300 value frmw2l4.timecar.Enabled False",
            "2300 value intro.bonusbags.Interval 1" });
    // Keys wait for the box; the hidden screen takes none at all.
    EXPECT_EQ(result.count("a modal box is open"), 4) << result.transcript;
    EXPECT_EQ(result.count("the window is hidden"), 4) << result.transcript;
}

TEST(RoadCrossing, StepsAreTenPixelsOnKeyReleaseAndStopOneStepPastTheEdges)
{
    // Far left of the road, where no vehicle comes: the bounds are tested before each step.
    auto result = run(playing + "keydown frmw2l4 39\nprint frmw2l4.imgpig1.Left\nkeyup frmw2l4 39\nprint frmw2l4.imgpig1.Left\n"
            + presses(keys::left, 3) + "print frmw2l4.imgpig1.Left\n" + presses(keys::up, 12) + "print frmw2l4.imgpig1.Top\n" + presses(keys::down, 33)
            + "print frmw2l4.imgpig1.Top\n" + presses(keys::space, 1) + presses(keys::down, 1) + "print frmw2l4.imgpig1.Top\nwait 5\n"
            + "print frmw2l4.imgpig1.Left\nprint frmw2l4.imgpig1.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        { "0 value frmw2l4.imgpig1.Left 0", "0 value frmw2l4.imgpig1.Left 10", "0 value frmw2l4.imgpig1.Left -10",
            "0 value frmw2l4.imgpig1.Top -6", "0 value frmw2l4.imgpig1.Top 314", "5000 value frmw2l4.imgpig1.Left -10",
            "5000 value frmw2l4.imgpig1.Top 314" });
    EXPECT_EQ(result.count("msgbox"), 1) << result.transcript;
}

TEST(RoadCrossing, AVehicleThatOnlyTouchesThePigSendsItBackToTheLeftEdgeAtItsHeight)
{
    // Lengthwise: the pig at (10, 164) in the first lane; the truck above it, bottom at 150,
    // comes down 2 a tick and meets the pig's top edge on the seventh tick.
    auto lengthwise = run(playing + rights(1) + presses(keys::down, 6) + "wait 0.6\nprint frmw2l4.imgpig1.Left\nprint frmw2l4.imgcar01.Top\n"
            + "wait 0.1\nprint frmw2l4.imgpig1.Left\nprint frmw2l4.imgpig1.Top\nprint frmw2l4.imgcar01.Top\n",
        game());
    expect_values(lengthwise,
        { "600 value frmw2l4.imgpig1.Left 10", "600 value frmw2l4.imgcar01.Top 12", "700 value frmw2l4.imgpig1.Left 0",
            "700 value frmw2l4.imgpig1.Top 164", "700 value frmw2l4.imgcar01.Top 14" });
    // Sideways: one step short of the far side, the pig's left edge lies on the right edge of the
    // last lane, where a truck passes.
    auto sideways = run(playing + rights(32) + "wait 0.1\nprint frmw2l4.imgpig1.Left\nprint frmw2l4.imgpig1.Top\n", game());
    expect_values(sideways, { "100 value frmw2l4.imgpig1.Left 0", "100 value frmw2l4.imgpig1.Top 104" });
    EXPECT_EQ(sideways.count("Congrats"), 0) << sideways.transcript;
}

TEST(RoadCrossing, VehiclesWrapAtTheirOwnEdgesAndComeBackAtTheOther)
{
    // Up car (5 a tick, slack 10): at -60, then -65 wraps to 401 below the edge. Up trucks with
    // slack 14 and 15 wrap at -136. Down truck (1 a tick, from 200): 480, then 481 leaves for -135.
    auto result = run(playing + "wait 1.2\nprint frmw2l4.imgcar08.Top\nwait 0.1\nprint frmw2l4.imgcar08.Top\nwait 0.1\n"
            + "print frmw2l4.imgcar08.Top\nwait 1.9\nprint frmw2l4.imgcar14.Top\nwait 5.6\nprint frmw2l4.imgcar15.Top\n"
            + "wait 19.1\nprint frmw2l4.imgcar07.Top\nwait 0.1\nprint frmw2l4.imgcar07.Top\nprint frmw2l4.imgcar06.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        { "1200 value frmw2l4.imgcar08.Top -60", "1300 value frmw2l4.imgcar08.Top 401", "1400 value frmw2l4.imgcar08.Top 396",
            "3300 value frmw2l4.imgcar14.Top -132", "8900 value frmw2l4.imgcar15.Top -132", "28000 value frmw2l4.imgcar07.Top 480",
            "28100 value frmw2l4.imgcar07.Top -135", "28100 value frmw2l4.imgcar06.Top 281" });
    // One tick on, each truck has wrapped.
    auto trucks = run(playing + "wait 3.4\nprint frmw2l4.imgcar14.Top\nwait 5.6\nprint frmw2l4.imgcar15.Top\n", game());
    expect_values(trucks, { "3400 value frmw2l4.imgcar14.Top 476", "9000 value frmw2l4.imgcar15.Top 476" });
}

TEST(RoadCrossing, TheCountdownStartsAfterTheBriefingAndRunningOutMovesOnWithoutABonus)
{
    // The briefing stays open five seconds: nothing moves and no second goes.
    auto result = run("show frmw2l4\nwait 5\nprint frmw2l4.imgcar01.Top\nprint frmw2l4.lbltime.Caption\nok\nwait 1\n"
                      "print frmw2l4.lbltime.Caption\nwait 78.999\nprint frmw2l4.lbltime.Caption\nprint frmw2l4.timetime.Interval\n"
                      "wait 0.001\nprint frmw2l4.lbltime.Caption\nwait 2\nok\nprint intro.bonusbags.Interval\n"
                      "print frmw2l4.Timer1.Enabled\nprint frmw2l4.timetime.Interval\nwait 3\nprint frmw2l4.timetime.Interval\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(level_lines(result),
        joined({ { "0 load frmw2l4", "0 " + briefing, "5000 closed", "5000 music play \\W2L4.mid", "5000 show frmw2l4",
                     "85000 " + out_of_time, "87000 closed" },
            moved_on("87000"), { "90000 script-end" } }))
        << result.transcript;
    expect_values(result,
        { "5000 value frmw2l4.imgcar01.Top 0", "5000 value frmw2l4.lbltime.Caption \"80\"", "6000 value frmw2l4.lbltime.Caption \"79\"",
            "84999 value frmw2l4.lbltime.Caption \"1\"", "84999 value frmw2l4.timetime.Interval 1",
            "85000 value frmw2l4.lbltime.Caption \"0\"", "87000 value intro.bonusbags.Interval 0",
            "87000 value frmw2l4.Timer1.Enabled False", "87000 value frmw2l4.timetime.Interval 0",
            "90000 value frmw2l4.timetime.Interval 0" });
}

TEST(RoadCrossing, TimeRunningOutInsideTheWinIsToldButTheBonusStaysAndTheLevelMovesOnOnce)
{
    // The far side reached half a second before the end, the box closed at once: the time runs
    // out in the win's one-second pause.
    auto in_pause = run(playing + "wait 79.5\n" + rights(33) + "ok\nwait 0.6\nok\nwait 1\nprint intro.bonusbags.Interval\n", game());
    EXPECT_EQ(in_pause.exit_code, 0) << in_pause.errors;
    EXPECT_EQ(level_lines(in_pause),
        joined({ opened,
            { "79500 music stop \\W2L4.mid", "79500 sound \\way2rok.wav async", "79500 " + congrats, "79500 closed", "80000 " + out_of_time,
                "80100 closed" },
            moved_on("80100"), { "81100 script-end" } }))
        << in_pause.transcript;
    EXPECT_TRUE(in_pause.has("81100 value intro.bonusbags.Interval 1")) << in_pause.transcript;

    // The win's box still open when the time runs out: the time-out box comes on top, and moving
    // on takes the win's box with it; the bonus is counted all the same.
    auto in_box = run(playing + "wait 79.5\n" + rights(33) + "wait 0.6\nok\nwait 1.5\nprint intro.bonusbags.Interval\n", game());
    EXPECT_EQ(in_box.exit_code, 0) << in_box.errors;
    EXPECT_EQ(level_lines(in_box),
        joined({ opened,
            { "79500 music stop \\W2L4.mid", "79500 sound \\way2rok.wav async", "79500 " + congrats, "80000 " + out_of_time,
                "80100 closed", "80100 music stop \\W2L4.mid", "80100 closed", "80100 hide frmw2l4", "80100 load frmw2l5",
                "80100 music stop \\W2L4.mid", "80100 music play \\W2L5.mid", "80100 show frmw2l5", "81600 script-end" } }))
        << in_box.transcript;
    EXPECT_TRUE(in_box.has("81600 value intro.bonusbags.Interval 1")) << in_box.transcript;
}

TEST(RoadCrossing, ClosingTheWindowSilencesTheTuneAndEndsTheGame)
{
    auto result = run(playing + "wait 2\nclose frmw2l4\n", game());
    auto const lines = level_lines(result);
    ASSERT_GE(lines.size(), 3U) << result.transcript;
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines { "2000 unload frmw2l4", "2000 music stop \\W2L4.mid", "2000 end" }))
        << result.transcript;
}
