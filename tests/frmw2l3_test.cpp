// The World 2 boss played by scripts: the machine's patrol and the release of its robbers, the
// robbers' runs and shots, the machine's return, the thirty hits and the player's death.
#include "levels/rescue/frmw2l3.hpp"
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
    return testing_support::game({ { "frmw2l3", [](Runtime& rt) { return std::make_unique<levels::frmw2l3>(rt); } },
        { "frmw2l4", testing_support::stand_in("frmw2l4") } });
}

std::string const playing = "show frmw2l3\nok\n";

std::string const briefing_line = "0 msgbox info \"World 2, Level 3:  The Madness Stops Here!\" \"You've finally reached the Grawn "
                                  "Re-Incarnation Machine.  If you destroy this, the thieves can no longer warp back grawns from the "
                                  "dead!  However, the machine in heavily guarded by thieves.  Destroy the machine, and don't die!\"";

std::vector<std::string> level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos || line.find(" sound ") != std::string::npos;
    });
    return lines;
}


}

TEST(World2Level3, TheMachinePatrolsBehindTheBriefingAndReleasesTheRobbersOnItsSecondArrival)
{
    // Left edge after 9 ticks, right edge after 10 more, and again 20 later: tick 39, with the
    // briefing still open.
    auto result = run("show frmw2l3\nwait 0.225\nprint frmw2l3.imgboss.Left\nprint frmw2l3.timeboss12.Enabled\nwait 0.25\n"
                      "print frmw2l3.imgboss.Left\nprint frmw2l3.imgcloud(0).Left\nwait 0.475\nprint frmw2l3.imgboss.Visible\n"
                      "print frmw2l3.imgcloud(0).Left\nwait 0.025\nprint frmw2l3.imgboss.Visible\nprint frmw2l3.imgcloud(0).Left\n"
                      "print frmw2l3.imgrob1.Visible\nprint frmw2l3.imgrob2.Visible\nprint frmw2l3.timeboss11.Enabled\n"
                      "print frmw2l3.timerob11.Enabled\nprint frmw2l3.timerob21.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "225 value frmw2l3.imgboss.Left -19",
            "225 value frmw2l3.timeboss12.Enabled True",
            "475 value frmw2l3.imgboss.Left 251",
            "475 value frmw2l3.imgcloud(0).Left 1",
            "950 value frmw2l3.imgboss.Visible True",
            "950 value frmw2l3.imgcloud(0).Left 1",
            "975 value frmw2l3.imgboss.Visible False",
            "975 value frmw2l3.imgcloud(0).Left 0",
            "975 value frmw2l3.imgrob1.Visible True",
            "975 value frmw2l3.imgrob2.Visible True",
            "975 value frmw2l3.timeboss11.Enabled False",
            "975 value frmw2l3.timerob11.Enabled True",
            "975 value frmw2l3.timerob21.Enabled True",
        });
    EXPECT_EQ(level_lines(result), (std::vector<std::string> { "0 load frmw2l3", briefing_line, "975 script-end" })) << result.transcript;
}

TEST(World2Level3, TheTwentyFirstShotKillsFiveAtATimeWithHealthZeroStillAlive)
{
    // Robber 1 fires every 850 ms from 1.175 s, robber 2 every 800 ms from 1.325 s. The twentieth
    // shot (8.825 s) leaves health at 0; the next one (9.325 s) kills.
    auto result = run(playing + "wait 1.2\nprint frmw2l3.lblhp.Caption\nprint frmw2l3.imgrob1.Visible\nwait 7.6\n"
                                "print frmw2l3.lblhp.Caption\nwait 0.025\nprint frmw2l3.lblhp.Caption\nwait 0.5\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, {
                              "1200 value frmw2l3.lblhp.Caption \"95\"",
                              "1200 value frmw2l3.imgrob1.Visible False",
                              "8800 value frmw2l3.lblhp.Caption \"5\"",
                              "8825 value frmw2l3.lblhp.Caption \"0\"",
                          });
    auto const lines = level_lines(result);
    std::vector<std::string> const ending { "9325 msgbox info \"Game Over!\" \"Oh no!  You died!  Please play again!  Game over!\"",
        "9325 closed", "9325 unload frmw2l3", "9325 music stop \\W2L3.mid", "9325 end" };
    ASSERT_GE(lines.size(), ending.size()) << result.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(ending.size()), lines.end()), ending) << result.transcript;
    // Each shot's shake starts with the gunshot; a shot during a shake adds no second one.
    EXPECT_TRUE(result.has("1200 sound \\gundead.wav async")) << result.transcript;
    EXPECT_FALSE(result.has("1350 sound \\gundead.wav async")) << result.transcript;
}

TEST(World2Level3, KillingBothRobbersBringsTheMachineBackAndTheyRunAgainFromWhereTheyFell)
{
    // Robber 1 dies at 1 s (at Left 20) before his shot; robber 2 fires at 1.325 s and dies on his
    // way back at 1.7 s. A right click on the machine or a robber counts for nothing.
    auto result = run(playing + "wait 1\nclick frmw2l3.imgrob1 right\nprint frmw2l3.lblhp.Caption\nclick frmw2l3.imgrob1\n"
                                "print frmw2l3.lblhp.Caption\nprint frmw2l3.imgrob1.Left\nwait 0.7\nprint frmw2l3.imgboss.Visible\n"
                                "print frmw2l3.lblhp.Caption\nclick frmw2l3.imgrob2\nprint frmw2l3.lblhp.Caption\n"
                                "print frmw2l3.imgboss.Visible\nprint frmw2l3.imgboss.Left\nprint frmw2l3.timeboss11.Enabled\n"
                                "print frmw2l3.imgrob1.Visible\nprint frmw2l3.imgrob1.Picture\nwait 0.025\nprint frmw2l3.imgboss.Left\n"
                                "click frmw2l3.imgboss right\nprint frmw2l3.bosshp.Interval\nwait 0.975\nprint frmw2l3.imgboss.Visible\n"
                                "print frmw2l3.imgrob1.Visible\nprint frmw2l3.imgrob1.Left\nprint frmw2l3.imgrob2.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "1000 value frmw2l3.lblhp.Caption \"100\"",
            "1000 value frmw2l3.lblhp.Caption \"110\"",
            "1000 value frmw2l3.imgrob1.Left 20",
            // One robber dead is not enough: the machine stays away and robber 2 still shoots.
            "1700 value frmw2l3.imgboss.Visible False",
            "1700 value frmw2l3.lblhp.Caption \"105\"",
            "1700 value frmw2l3.lblhp.Caption \"115\"",
            "1700 value frmw2l3.imgboss.Visible True",
            "1700 value frmw2l3.imgboss.Left 251",
            "1700 value frmw2l3.timeboss11.Enabled True",
            "1700 value frmw2l3.imgrob1.Visible False",
            "1700 value frmw2l3.imgrob1.Picture imgrf",
            "1725 value frmw2l3.imgboss.Left 224",
            "1725 value frmw2l3.bosshp.Interval 0",
            // Forty ticks later the machine has arrived twice more and the robbers are out again,
            // robber 1 where he fell.
            "2700 value frmw2l3.imgboss.Visible False",
            "2700 value frmw2l3.imgrob1.Visible True",
            "2700 value frmw2l3.imgrob1.Left 20",
            "2700 value frmw2l3.imgrob2.Visible True",
        });
}

TEST(World2Level3, TheThirtiethHitDestroysTheMachineAtOnceMidPatrol)
{
    std::string script = playing + "click frmw2l3.imgboss\nprint frmw2l3.imgboss.Picture\nwait 0.05\nprint frmw2l3.imgboss.Picture\n";
    for (int hit = 2; hit <= 29; ++hit)
        script += "click frmw2l3.imgboss\n";
    script += "click frmw2l3.imgboss right\nprint frmw2l3.bosshp.Interval\nprint frmw2l3.Visible\nclick frmw2l3.imgboss\n"
              "print frmw2l3.imgboss.Picture\nprint frmw2l3.Timer1.Enabled\nprint frmw2l3.timeboss11.Enabled\n";
    auto result = run(script, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw2l3.imgboss.Picture imgbf2",
            "50 value frmw2l3.imgboss.Picture imgbf1",
            "50 value frmw2l3.bosshp.Interval 29",
            "50 value frmw2l3.Visible True",
            "50 value frmw2l3.imgboss.Picture imgbf3",
            "50 value frmw2l3.Timer1.Enabled False",
            "50 value frmw2l3.timeboss11.Enabled False",
        });
    auto const lines = level_lines(result);
    std::vector<std::string> const ending { "50 music stop \\W2L3.mid", "50 hide frmw2l3", "50 load frmw2l4", "50 show frmw2l4" };
    EXPECT_TRUE(std::search(lines.begin(), lines.end(), ending.begin(), ending.end()) != lines.end()) << result.transcript;
    EXPECT_EQ(result.count(" msgbox "), 1) << result.transcript;
}
