// World 2 Level 2 played by scripts: the four robbers' rhythms and robber 3's unseen first shot,
// the Grawn's tenth-of-a-second appearances, the pig's wandering, the wrong click and the win that
// hands over to the World 2 boss.
#include "levels/rescue/frmw2l2.hpp"
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
    return testing_support::game({ { "frmw2l2", [](Runtime& rt) { return std::make_unique<levels::frmw2l2>(rt); } },
        { "frmw2l3", testing_support::stand_in("frmw2l3") } });
}

// The level shown at time 0 with its briefing closed at once: the robbers start then.
std::string const playing = "show frmw2l2\nok\n";

std::vector<std::string> level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos;
    });
    return lines;
}

std::vector<std::string> opened_at_once(std::vector<std::string> const& then)
{
    std::vector<std::string> lines { "0 load frmw2l2",
        "0 msgbox info \"World 2, Level 2: Tons O' Trees\" \"As you near the Grawn Re-Incarnation machine, several grawns and thieves "
        "have set up a defense.  Blast through them all, and naturally save all the farm animals.\"",
        "0 closed", "0 music play \\W2L2.mid", "0 show frmw2l2" };
    lines.insert(lines.end(), then.begin(), then.end());
    return lines;
}

std::string shot(int ms) { return std::to_string(ms) + " sound \\gundead.wav async"; }


}

TEST(World2Level2, FourRobbersOnTheirOwnRhythmsKillThePlayerWithTheTenthShot)
{
    // Robber 4 is up 0.2 s after loading and fires every 0.9 s; robber 1 fires at 1 s and every
    // 2.5 s; robber 3 fires unseen at 2 s and first shows himself at 4.5 s; robber 2 stands at
    // 2.5 s and fires at 3.7 s. The tenth shot is robber 4's at 5.4 s; those after it, under the
    // box, find nothing left to take.
    auto result = run(playing + "wait 0.199\nprint frmw2l2.imgrob4.Visible\nwait 0.001\nprint frmw2l2.imgrob4.Visible\n"
                                "wait 1.8\nprint frmw2l2.imgrob3.Visible\nprint frmw2l2.lblhp.Caption\nwait 2.499\n"
                                "print frmw2l2.imgrob3.Visible\nwait 0.001\nprint frmw2l2.imgrob3.Visible\nwait 2.4\n"
                                "print frmw2l2.lblhp.Caption\nprint frmw2l2.hp.Interval\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(level_lines(result),
        opened_at_once({
            shot(900),
            shot(1000),
            shot(1800),
            shot(2000),
            shot(2700),
            shot(3500),
            shot(3600),
            shot(3700),
            shot(4500),
            shot(5400),
            "5400 msgbox none \"Grawn 2\" \"Oh no!  You've been killed!  Game over!  Please play again!\"",
            shot(6000),
            shot(6500),
            "6900 closed",
            "6900 unload frmw2l2",
            "6900 music stop \\W2L2.mid",
            "6900 end",
        }))
        << result.transcript;
    expect_values(result,
        {
            "199 value frmw2l2.imgrob4.Visible False",
            "200 value frmw2l2.imgrob4.Visible True",
            "2000 value frmw2l2.imgrob3.Visible False",
            "2000 value frmw2l2.lblhp.Caption \"60\"",
            "4499 value frmw2l2.imgrob3.Visible False",
            "4500 value frmw2l2.imgrob3.Visible True",
            "6900 value frmw2l2.lblhp.Caption \"0\"",
            "6900 value frmw2l2.hp.Interval 0",
        });
}

TEST(World2Level2, TheGrawnCanBeHitOnlyInItsTenthOfASecondAndThePigWandersOffScreen)
{
    // The Grawn is out from load to 0.1 s, then from 5.1 s to 5.2 s. The pig walks left for 8
    // ticks to 104, then right for 24 to 464, past the edge of the wood.
    auto result = run("show frmw2l2\nwait 0.2\nprint frmw2l2.imgpig1.Left\nprint frmw2l2.imgpig1.Picture\nwait 0.6\n"
                      "print frmw2l2.imgpig1.Left\nprint frmw2l2.imgpig1.Picture\nok\nclick frmw2l2.imggrawn1\n"
                      "print frmw2l2.timegrawn12.Enabled\nprint frmw2l2.lblhp.Caption\nwait 4.299\nprint frmw2l2.imggrawn1.Visible\n"
                      "wait 0.051\nclick frmw2l2.imggrawn1\nprint frmw2l2.imggrawn1.Picture\nprint frmw2l2.lblhp.Caption\n"
                      "wait 0.2\nprint frmw2l2.imggrawn1.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "200 value frmw2l2.imgpig1.Left 104",
            "200 value frmw2l2.imgpig1.Picture imgpf2",
            "800 value frmw2l2.imgpig1.Left 464",
            "800 value frmw2l2.imgpig1.Picture imgpf1",
            // The click at 0.8 s finds only the ground where the Grawn hides.
            "800 value frmw2l2.timegrawn12.Enabled True",
            "800 value frmw2l2.lblhp.Caption \"100\"",
            "5099 value frmw2l2.imggrawn1.Visible False",
            "5150 value frmw2l2.imggrawn1.Picture imgbf",
            "5350 value frmw2l2.imggrawn1.Visible True",
        });
    // Eight robber shots since the briefing closed at 0.8 s, and ten back for the Grawn, whose
    // death makes no sound.
    EXPECT_TRUE(result.has("5150 value frmw2l2.lblhp.Caption \"30\"")) << result.transcript;
    EXPECT_FALSE(result.has("5150 sound \\gundead.wav async")) << result.transcript;
}

TEST(World2Level2, FiveKillsWinOnlyOnceThePigIsSavedAndHealthGoesPastAHundred)
{
    // Robbers 1 and 4 at 0.3 s, robber 2 when he first stands at 2.5 s, robber 3 and the Grawn at
    // 5.15 s; robber 3's unseen shot at 2 s is the only one that lands.
    auto result = run(playing + "wait 0.3\nclick frmw2l2.imgrob1\nclick frmw2l2.imgrob4\nwait 2.3\nclick frmw2l2.imgrob2\n"
                                "wait 2.55\nclick frmw2l2.imgrob3\nclick frmw2l2.imggrawn1\nprint frmw2l2.Visible\n"
                                "print frmw2l2.lblhp.Caption\nclick frmw2l2.imgpig1 right\nprint frmw2l2.lblhp.Caption\n"
                                "print frmw2l2.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "5150 value frmw2l2.Visible True",
            "5150 value frmw2l2.lblhp.Caption \"140\"",
            "5150 value frmw2l2.lblhp.Caption \"150\"",
            "5150 value frmw2l2.Visible False",
        });
    auto const kill = [](int ms) { return std::to_string(ms) + " sound \\gundead.wav async"; };
    EXPECT_EQ(level_lines(result),
        opened_at_once({
            kill(300),
            kill(300),
            shot(2000),
            kill(2600),
            kill(5150),
            "5150 music stop \\W2L2.mid",
            "5150 hide frmw2l2",
            "5150 load frmw2l3",
            "5150 show frmw2l3",
            "5150 ignored 13 the window is hidden",
            "5150 script-end",
        }))
        << result.transcript;
}

TEST(World2Level2, ShootingThePigEndsTheGameWithoutAShot)
{
    auto result = run(playing + "wait 0.1\nclick frmw2l2.imgpig1\nok\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(level_lines(result),
        opened_at_once({
            "100 msgbox info \"Game Over!\" \"You evil person!  You shot a pig!  Game over!  Please play again.\"",
            "100 ignored 4 a modal box is open",
            "100 closed",
            "100 unload frmw2l2",
            "100 music stop \\W2L2.mid",
            "100 end",
        }))
        << result.transcript;
}
