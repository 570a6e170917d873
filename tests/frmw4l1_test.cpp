// World 4 Level 1 played by scripts: the twenty robbers' fire, the shake that follows each shot
// and judges the player's health there, the kills that give health back, and the win on the
// twentieth kill that hands over to the attack scene.
#include "levels/rescue/frmw4l1.hpp"
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
    return testing_support::game({ { "frmw4l1", [](Runtime& rt) { return std::make_unique<levels::frmw4l1>(rt); } },
        { "frmw4l2x", testing_support::stand_in("frmw4l2x") } });
}

std::string const briefing_line = "msgbox info \"World 4, Level 1: Corporate America 2\" \"The horror!  The horror!  Yes folks, it's "
                                  "returned.  Are you ready for... Corporate America 2?  Anyways, while the S-Grawns have apparently "
                                  "disapeared, the robbers are still around... and they have Farmer Ruv's farm animals!  The best way to "
                                  "get them back is to take out all the robberstat the source.  Destroy the entire complex.  Watch out, "
                                  "there are a ton of guards here.\"";

// The level shown at time 0 with its briefing closed at once: the robbers' clocks start then.
std::string const playing = "show frmw4l1\nok\n";

// What the player saw and heard: the title screen behind and the printed values left out.
std::vector<std::string> level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos;
    });
    return lines;
}

std::string at(int ms, std::string const& what) { return std::to_string(ms) + " " + what; }
std::string gunshot(int ms) { return at(ms, "sound \\gundead.wav async"); }

std::vector<std::string> opened_at_once(std::vector<int> const& shots_heard)
{
    std::vector<std::string> lines { "0 load frmw4l1", "0 " + briefing_line, "0 closed", "0 music play \\W4L1.mid", "0 show frmw4l1" };
    for (int ms : shots_heard)
        lines.push_back(gunshot(ms));
    return lines;
}

std::vector<std::string> died(int box_ms, int closed_ms)
{
    return { at(box_ms, "msgbox info \"Grawn 2\" \"Oh no!  You died!  Game over!  Please play again.\""), at(closed_ms, "closed"),
        at(closed_ms, "unload frmw4l1"), at(closed_ms, "music stop \\W4L1.mid"), at(closed_ms, "end") };
}

std::vector<std::string> joined(std::vector<std::string> lines, std::vector<std::string> const& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}


// Shots with nobody killed, in ms after the briefing: 500 (robber 1), 1200 (2), 1500 (4, 16 and 19
// at once), 2000 (14), 2450 (12), 2500 (20), 2800 (13), 3350 (5), 3500 (17) ... Each is heard
// when its shake begins 35 ms later; a shot that lands during a shake is neither heard nor shaken.

}

TEST(World4Level1, NobodyFiresDuringTheBriefingAndTheShakeAfterTheTenthShotEndsTheGame)
{
    auto result = run("show frmw4l1\nwait 2\nprint frmw4l1.lblhp.Caption\nprint frmw4l1.imgrob03.Visible\nok\n"
                      "wait 0.5\nprint frmw4l1.lblhp.Caption\nprint frmw4l1.imgrob01.Visible\nwait 2.85\n"
                      "print frmw4l1.hp.Interval\nwait 0.034\nprint frmw4l1.shake.Enabled\nwait 0.616\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "2000 value frmw4l1.lblhp.Caption \"100\"",
            "2000 value frmw4l1.imgrob03.Visible True",
            "2500 value frmw4l1.lblhp.Caption \"90\"",
            "2500 value frmw4l1.imgrob01.Visible False",
            "5350 value frmw4l1.hp.Interval 0",
            "5384 value frmw4l1.shake.Enabled True",
        });
    // The fatal shot's shake finds no health before it jolts: the box comes silently, and the
    // robbers' later shots under it shake nothing.
    auto expected = joined({ "0 load frmw4l1", "0 " + briefing_line, "2000 closed", "2000 music play \\W4L1.mid", "2000 show frmw4l1" },
        { gunshot(2535), gunshot(3235), gunshot(3535), gunshot(4035), gunshot(4485), gunshot(4835) });
    EXPECT_EQ(level_lines(result), joined(expected, died(5385, 6000))) << result.transcript;
}

TEST(World4Level1, AKillBeforeTheShakeSavesThePlayerButAShotDuringTheShakeIsJudgedWhenItEnds)
{
    // Robber 5's shot at 3350 leaves nothing; killing robber 11 ten ms later gives ten back, so
    // the shake at 3385 goes ahead. Robber 17's shot at 3500 lands inside it and is judged at its
    // end.
    auto result = run(playing + "wait 3.36\nprint frmw4l1.lblhp.Caption\nclick frmw4l1.imgrob11\nprint frmw4l1.lblhp.Caption\n"
                                "wait 0.14\nprint frmw4l1.lblhp.Caption\nwait 0.2\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        { "3360 value frmw4l1.lblhp.Caption \"0\"", "3360 value frmw4l1.lblhp.Caption \"10\"", "3500 value frmw4l1.lblhp.Caption \"0\"" });
    EXPECT_EQ(level_lines(result), joined(opened_at_once({ 535, 1235, 1535, 2035, 2485, 2835, 3385 }), died(3585, 3700)))
        << result.transcript;
}

TEST(World4Level1, HealthStopsAtNothingSoShotsBeyondTheLastStillKill)
{
    // Seven robbers who would fire late or twice die at once (170). Fifteen shots later health is
    // 20 when robbers 1, 8 and 20 fire together at 5000, inside the shake that began at 4835.
    auto result = run(playing + "click frmw4l1.imgrob06\nclick frmw4l1.imgrob07\nclick frmw4l1.imgrob09\nclick frmw4l1.imgrob11\n"
                                "click frmw4l1.imgrob14\nclick frmw4l1.imgrob15\nclick frmw4l1.imgrob18\n"
                                "print frmw4l1.lblhp.Caption\nprint frmw4l1.Timer1.Interval\nwait 4.999\n"
                                "print frmw4l1.lblhp.Caption\nwait 0.001\nprint frmw4l1.lblhp.Caption\nwait 0.5\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw4l1.lblhp.Caption \"170\"",
            "0 value frmw4l1.Timer1.Interval 7",
            "4999 value frmw4l1.lblhp.Caption \"20\"",
            "5000 value frmw4l1.lblhp.Caption \"0\"",
        });
    EXPECT_EQ(level_lines(result), joined(opened_at_once({ 535, 1235, 1535, 2485, 2835, 3385, 3635, 4535, 4835 }), died(5035, 5500)))
        << result.transcript;
}

TEST(World4Level1, TwentyKillsWinAndOnlyLeftClicksOnTheLivingCount)
{
    // Robber 1 has fired (90) and ducks until 4500; the other nineteen are shot where they stand.
    std::string script = playing + "wait 0.6\nclick frmw4l1.imgrob02 right\nprint frmw4l1.imgrob02.Picture\n"
                                   "print frmw4l1.timerob02a.Enabled\nprint frmw4l1.lblhp.Caption\nclick frmw4l1.imgrob02\n"
                                   "print frmw4l1.lblhp.Caption\nclick frmw4l1.imgrob02\nprint frmw4l1.lblhp.Caption\n"
                                   "print frmw4l1.Timer1.Interval\nprint frmw4l1.timerob02a.Enabled\n";
    for (int n = 3; n <= 20; ++n)
        script += "click frmw4l1.imgrob" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "\n";
    script += "click frmw4l1.imgrob01\nprint frmw4l1.lblhp.Caption\nprint frmw4l1.Timer1.Interval\nwait 3.899\n"
              "print frmw4l1.imgrob01.Visible\nwait 0.001\nclick frmw4l1.imgrob01\nprint frmw4l1.lblhp.Caption\n"
              "print frmw4l1.imgrob01.Picture\nprint frmw4l1.imgrob01.Visible\nprint frmw4l1.Visible\nwait 10\n";
    auto result = run(script, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "600 value frmw4l1.imgrob02.Picture imgrob01",
            "600 value frmw4l1.timerob02a.Enabled True",
            "600 value frmw4l1.lblhp.Caption \"90\"",
            "600 value frmw4l1.lblhp.Caption \"100\"",
            "600 value frmw4l1.Timer1.Interval 1",
            "600 value frmw4l1.timerob02a.Enabled False",
            "600 value frmw4l1.lblhp.Caption \"280\"",
            "600 value frmw4l1.Timer1.Interval 19",
            "4499 value frmw4l1.imgrob01.Visible False",
            "4500 value frmw4l1.lblhp.Caption \"290\"",
            "4500 value frmw4l1.imgrob01.Picture imgbf1",
            "4500 value frmw4l1.imgrob01.Visible True",
            "4500 value frmw4l1.Visible False",
        });
    EXPECT_EQ(result.count("value frmw4l1.lblhp.Caption \"100\""), 2) << result.transcript;
    // The dead never fire again; the tune stops once the scene shows, and the release of the
    // winning click finds the window gone.
    EXPECT_EQ(level_lines(result),
        joined(opened_at_once({ 535 }),
            { "4500 hide frmw4l1", "4500 load frmw4l2x", "4500 show frmw4l2x", "4500 music stop \\W4L1.mid", "4500 ignored 38 the window is hidden",
                "14500 script-end" }))
        << result.transcript;
}
