// The regatta played by scripts: the start signal and the dead button before "Go!", the win and
// its one bonus, the loss, the Grawn's catch-up in the final stretch, and a race lost behind an
// open briefing.
#include "levels/bonus/frmw3l42.hpp"
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
    return testing_support::game({ { "frmw3l42", [](Runtime& rt) { return std::make_unique<levels::frmw3l42>(rt); } },
        { "frmw3l5", testing_support::stand_in("frmw3l5") } });
}

using Lines = std::vector<std::string>;

std::string const briefing = "msgbox info \"World 3, Level 4:  Blow It Up!\" \"It's time for a day at the races... the sailing races.  "
                             "It's the 5th annual Grawn-Farmer Ruv's Farm Interclub Regatta, but there's no wind!  So, you'll need to "
                             "blow air into your sail by clicking the 'Click' button as fast as you can.  Be the first to get your boat "
                             "across the screen to claim the prize (and help your chances of getting the secret reward at the end of "
                             "the game!)\"";
std::string const won_code = "msgbox info \"World 3 Complete!\" \"Congratulations!  You won!  And you beat the world!  Your code for "
                             "beating World is 'crushtheherds'!\"";
std::string const lost_code = "msgbox info \"Wolrd 3 Complete!\" \"Darn, you lost.  However, you do get a code for winning the world.  "
                              "Your code is: 'crushtheherds'.\"";

// The screen shown at time 0 and its briefing closed at once: "Go!" comes at 2 seconds.
std::string const playing = "show frmw3l42\nok\n";
std::string const at_go = playing + "wait 2\n";

std::string clicks(int times, char const* button = "left")
{
    std::string script;
    for (int i = 0; i < times; ++i)
        script += std::string("click frmw3l42.Image3 ") + button + "\n";
    return script;
}

// What happened on this screen and the next, without the title screen, printed values and input
// that reached nothing.
Lines race_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos
            || line.find(" ignored ") != std::string::npos;
    });
    return lines;
}

Lines joined(std::initializer_list<Lines> parts)
{
    Lines all;
    for (auto const& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Lines const opened { "0 load frmw3l42", "0 " + briefing, "0 closed", "0 music play \\W3L42.mid", "0 show frmw3l42" };

Lines moved_on(std::string const& at) { return { at + " hide frmw3l42", at + " load frmw3l5", at + " show frmw3l5" }; }


}

TEST(Regatta, TheSignalCountsDownOnceAndTheButtonIsDeadUntilGo)
{
    auto result = run(playing + "wait 0.999\nprint frmw3l42.Label2.Caption\nwait 0.001\nprint frmw3l42.Label2.Caption\n" + clicks(2)
            + clicks(1, "right") + "wait 0.999\nprint frmw3l42.Label2.Caption\nprint frmw3l42.Image3.Enabled\nprint frmw3l42.cow.Left\n"
            + "wait 0.001\nprint frmw3l42.Label2.Caption\nprint frmw3l42.Image3.Enabled\nprint frmw3l42.Timer1.Enabled\n"
            + "print frmw3l42.grawn.Left\n" + clicks(1, "right") + "print frmw3l42.cow.Left\nwait 0.125\nprint frmw3l42.grawn.Left\n"
            + "wait 3\nprint frmw3l42.Label2.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        { "999 value frmw3l42.Label2.Caption \"Get Ready!\"", "1000 value frmw3l42.Label2.Caption \"Get Set!\"",
            "1999 value frmw3l42.Label2.Caption \"Get Set!\"", "1999 value frmw3l42.Image3.Enabled False",
            "1999 value frmw3l42.cow.Left 0", "2000 value frmw3l42.Label2.Caption \"Go!\"", "2000 value frmw3l42.Image3.Enabled True",
            "2000 value frmw3l42.Timer1.Enabled False", "2000 value frmw3l42.grawn.Left 0", "2000 value frmw3l42.cow.Left 0",
            "2125 value frmw3l42.grawn.Left 3", "5125 value frmw3l42.Label2.Caption \"Go!\"" });
    // The three clicks before "Go!" reach nothing; the right click after it moves nothing.
    EXPECT_EQ(result.count("ignored"), 6) << result.transcript;

    // The signal does not wait for the briefing: the race is on behind it.
    auto behind = run("show frmw3l42\nwait 1\nprint frmw3l42.Label2.Caption\nwait 1.25\nprint frmw3l42.Label2.Caption\n"
                      "print frmw3l42.grawn.Left\nok\n",
        game());
    expect_values(behind,
        { "1000 value frmw3l42.Label2.Caption \"Get Set!\"", "2250 value frmw3l42.Label2.Caption \"Go!\"", "2250 value frmw3l42.grawn.Left 6",
            "2250 music play \\W3L42.mid" });
}

TEST(Regatta, SeventySixClicksWinOneBonusAndTheGrawnArrivingUnderTheBoxChangesNothing)
{
    // The 76th click puts the bow at 480; the "You Win!" box then stays open for 160 of the
    // Grawn's ticks, enough to carry its boat past the finish.
    auto result = run(at_go + clicks(75) + "print frmw3l42.cow.Left\n" + clicks(1) + "print intro.bonusbags.Interval\nwait 20\n"
            + "ok\nprint intro.bonusbags.Interval\nprint frmw3l42.timegrawn.Enabled\nok\n"
            + "print frmw3l42.Visible\n" + clicks(2) + "wait 5\nprint intro.bonusbags.Interval\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(race_lines(result),
        joined({ opened,
            { "2000 msgbox none \"Grawn 2\" \"You Win!\"", "22000 closed", "22000 music stop \\W3L42.mid", "22000 " + won_code,
                "22000 closed" },
            moved_on("22000"), { "27000 script-end" } }))
        << result.transcript;
    expect_values(result,
        { "2000 value frmw3l42.cow.Left 375", "2000 value intro.bonusbags.Interval 0", "22000 value intro.bonusbags.Interval 1",
            "22000 value frmw3l42.timegrawn.Enabled False", "22000 value frmw3l42.Visible False", "27000 value intro.bonusbags.Interval 1" });
}

TEST(Regatta, APlayerWhoNeverClicksLosesOnTheGrawnsHundredAndTwentySixthTick)
{
    auto result = run(at_go + "wait 15.625\nprint frmw3l42.grawn.Left\nwait 0.125\nprint frmw3l42.grawn.Left\nok\n"
                      "print frmw3l42.timegrawn.Enabled\nok\nprint frmw3l42.timegrawn.Enabled\nprint intro.bonusbags.Interval\nwait 1\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(race_lines(result),
        joined({ opened,
            { "17750 msgbox none \"Grawn 2\" \"You Lose!\"", "17750 closed", "17750 music stop \\W3L42.mid", "17750 " + lost_code,
                "17750 closed" },
            moved_on("17750"), { "18750 script-end" } }))
        << result.transcript;
    expect_values(result,
        { "17625 value frmw3l42.grawn.Left 375", "17750 value frmw3l42.grawn.Left 378", "17750 value frmw3l42.timegrawn.Enabled True",
            "17750 value frmw3l42.timegrawn.Enabled False", "17750 value intro.bonusbags.Interval 0" });
}

TEST(Regatta, TheGrawnCatchesUpOnlyInTheFinalStretchWhileThePlayerIsLevelOrAhead)
{
    // 55 clicks leave the bow at 375, short of the stretch; the 56th reaches it.
    auto stretch = run(at_go + clicks(55) + "wait 0.125\nprint frmw3l42.grawn.Left\n" + clicks(1) + "wait 0.125\nprint frmw3l42.grawn.Left\n",
        game());
    expect_values(stretch, { "2125 value frmw3l42.grawn.Left 3", "2250 value frmw3l42.grawn.Left 7.5" });

    // After 94 ticks the Grawn is at 282 and its next step takes it to 285: 56 clicks leave the
    // player behind it then, 57 level with it, which counts, and the half pixel is kept. Once
    // ahead again, the Grawn sails on at its plain pace.
    auto behind = run(at_go + "wait 11.75\n" + clicks(56) + "wait 0.125\nprint frmw3l42.grawn.Left\n", game());
    expect_values(behind, { "13875 value frmw3l42.grawn.Left 285" });
    auto level = run(at_go + "wait 11.75\n" + clicks(57) + "wait 0.125\nprint frmw3l42.grawn.Left\nwait 0.125\nprint frmw3l42.grawn.Left\n",
        game());
    expect_values(level, { "13875 value frmw3l42.grawn.Left 286.5", "14000 value frmw3l42.grawn.Left 289.5" });
}

TEST(Regatta, ARaceLostBehindTheBriefingMovesOnWithoutEverShowingOrPlaying)
{
    auto result = run("show frmw3l42\nwait 17.75\nok\nok\nprint frmw3l42.Visible\nprint frmw3l5.Visible\nwait 1\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(race_lines(result),
        (Lines { "0 load frmw3l42", "0 " + briefing, "17750 msgbox none \"Grawn 2\" \"You Lose!\"", "17750 closed",
            "17750 music stop \\W3L42.mid", "17750 " + lost_code, "17750 closed", "17750 closed", "17750 load frmw3l5",
            "17750 show frmw3l5", "18750 script-end" }))
        << result.transcript;
    expect_values(result, { "17750 value frmw3l42.Visible False", "17750 value frmw3l5.Visible True" });
}

TEST(Regatta, ClosingTheWindowSilencesTheTuneAndEndsTheGame)
{
    auto result = run(at_go + "close frmw3l42\n", game());
    auto const lines = race_lines(result);
    ASSERT_GE(lines.size(), 3U) << result.transcript;
    EXPECT_EQ(Lines(lines.end() - 3, lines.end()), (Lines { "2000 unload frmw3l42", "2000 music stop \\W3L42.mid", "2000 end" }))
        << result.transcript;
}

