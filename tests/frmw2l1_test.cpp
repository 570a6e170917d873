// World 2 Level 1 played by scripts: the two opening boxes, the robbers' fire and the player's
// health, the screen shake, the paces of the Grawn and the pig, the peeking cow, the wrong clicks
// and the win that hands over to World 2 Level 2.
#include "levels/rescue/frmw2l1.hpp"
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


HeadlessGame game()
{
    return testing_support::game({ { "frmw2l1", [](Runtime& rt) { return std::make_unique<levels::frmw2l1>(rt); } },
        { "frmw2l2", testing_support::stand_in("frmw2l2") } });
}

std::string const briefing_line = "msgbox info \"World 2, Level 1:  Barnyard Bandits\" \"Welcome back to the real world!  Protect Farmer "
                                  "Ruv's barn and all of his Farm Animals from the grawns and thieves.  Remember, for each time a thief "
                                  "shoots you, you'll lose 10 health %.  However, kill a thief, kill a grawn, or save a farm animal to "
                                  "get 10 % Health back.\"";
std::string const code_line = "msgbox info \"Grawn 2\" \"By the way, you beat a world so you earned a level skip to this world.  Your "
                              "code is amber crypt.  Remember, don't you caps, and space the two words.\"";

// The level shown at time 0 with both boxes closed at once: the robbers start then.
std::string const playing = "show frmw2l1\nok\nok\n";

// What the player saw of this level and the next: the title screen, which goes on behind them,
// and the printed values are left out.
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
    std::vector<std::string> lines { "0 load frmw2l1", "0 " + briefing_line, "0 closed", "0 " + code_line, "0 closed",
        "0 music play \\W2L1.mid", "0 show frmw2l1" };
    lines.insert(lines.end(), then.begin(), then.end());
    return lines;
}


}

TEST(World2Level1, RobbersHoldFireUntilBothBoxesAreReadWhileTheOthersMoveBehindThem)
{
    // Two seconds on the briefing, one on the code: the Grawn (10 ticks to 28, then 13 to 262),
    // the pig (15 ticks to 334) and the cow (out at 5 s for a quarter second) go on meanwhile.
    auto result = run("show frmw2l1\nwait 0.25\nprint frmw2l1.imggrawn1.Left\nprint frmw2l1.imggrawn1.Picture\n"
                      "wait 0.125\nprint frmw2l1.imgpig1.Left\nprint frmw2l1.imgpig1.Picture\nprint frmw2l1.timepig12.Enabled\n"
                      "wait 0.2\nprint frmw2l1.imggrawn1.Left\nprint frmw2l1.imggrawn1.Picture\n"
                      "wait 1.425\nprint frmw2l1.imgrob2.Visible\nprint frmw2l1.lblhp.Caption\nok\n"
                      "wait 1\nprint frmw2l1.timerob21.Enabled\nok\n"
                      "wait 0.299\nprint frmw2l1.imgrob2.Visible\nwait 0.001\nprint frmw2l1.imgrob2.Visible\nprint frmw2l1.lblhp.Caption\n"
                      "wait 1.7\nprint frmw2l1.imgcow1.Visible\nwait 0.249\nprint frmw2l1.imgcow1.Visible\nwait 0.001\n"
                      "print frmw2l1.imgcow1.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "250 value frmw2l1.imggrawn1.Left 28",
            "250 value frmw2l1.imggrawn1.Picture imggf2",
            "375 value frmw2l1.imgpig1.Left 334",
            "375 value frmw2l1.imgpig1.Picture imgpf1",
            "375 value frmw2l1.timepig12.Enabled True",
            "575 value frmw2l1.imggrawn1.Left 262",
            "575 value frmw2l1.imggrawn1.Picture imggf1",
            "2000 value frmw2l1.imgrob2.Visible True",
            "2000 value frmw2l1.lblhp.Caption \"100\"",
            "3000 value frmw2l1.timerob21.Enabled False",
            "3299 value frmw2l1.imgrob2.Visible True",
            "3300 value frmw2l1.imgrob2.Visible False",
            "3300 value frmw2l1.lblhp.Caption \"90\"",
            "5000 value frmw2l1.imgcow1.Visible True",
            "5249 value frmw2l1.imgcow1.Visible True",
            "5250 value frmw2l1.imgcow1.Visible False",
        });
    auto const lines = level_lines(result);
    std::vector<std::string> const opening { "0 load frmw2l1", "0 " + briefing_line, "2000 closed", "2000 " + code_line, "3000 closed",
        "3000 music play \\W2L1.mid", "3000 show frmw2l1", "3300 sound \\gundead.wav async" };
    ASSERT_GE(lines.size(), opening.size()) << result.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + opening.size()), opening) << result.transcript;
}

TEST(World2Level1, TenUnansweredShotsKillThePlayerOnceAndTheRobbersFireOnUnderTheBox)
{
    // Robber 2 fires 0.3 s after he stands and stands again a second later; robber 1 every two
    // seconds. The tenth shot is robber 1's at 7 s, fired with health at 10; the shots under the
    // box find nothing left to take.
    auto result = run(playing + "wait 6.8\nprint frmw2l1.lblhp.Caption\nwait 0.2\nprint frmw2l1.hp.Interval\nwait 1.1\n"
                                "print frmw2l1.lblhp.Caption\nprint frmw2l1.hp.Interval\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const shot = [](int ms) { return std::to_string(ms) + " sound \\gundead.wav async"; };
    EXPECT_EQ(level_lines(result),
        opened_at_once({
            shot(300),
            shot(1000),
            shot(1600),
            shot(2900),
            shot(3000),
            shot(4200),
            shot(5000),
            shot(5500),
            shot(6800),
            shot(7000),
            "7000 msgbox none \"Grawn 2\" \"Oh no!  You've been killed!  Game over!  Please play again!\"",
            shot(8100),
            "8100 closed",
            "8100 unload frmw2l1",
            "8100 music stop \\W2L1.mid",
            "8100 end",
        }))
        << result.transcript;
    expect_values(result,
        { "6800 value frmw2l1.lblhp.Caption \"10\"", "7000 value frmw2l1.hp.Interval 0", "8100 value frmw2l1.lblhp.Caption \"0\"",
            "8100 value frmw2l1.hp.Interval 0" });
}

TEST(World2Level1, EachShotShakesTheWindowBackToWhereItWasAndShotsDuringAShakeAddNone)
{
    // The first shot at 300 ms: jolts from 325, 25 ms up-left, 25 ms back, four times, over at 525.
    // Robber 2's shot at 2900 starts a shake that robber 1's shot at 3000 falls inside: that shot
    // switches nothing on, and the window is still by 3125.
    auto result = run(playing + "print frmw2l1.Left\nprint frmw2l1.Top\nwait 0.325\nprint frmw2l1.Left\nprint frmw2l1.Top\n"
                                "wait 0.024\nprint frmw2l1.Top\nwait 0.001\nprint frmw2l1.Top\nwait 0.175\nprint frmw2l1.Top\n"
                                "print frmw2l1.shake.Enabled\nwait 2.5\nprint frmw2l1.shake.Enabled\nwait 0.1\nprint frmw2l1.Top\n"
                                "print frmw2l1.shake.Enabled\nwait 0.026\nprint frmw2l1.Top\nprint frmw2l1.Left\nwait 0.5\n"
                                "print frmw2l1.Top\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const value_at = [&](int ms, std::string const& property) {
        std::string const prefix = std::to_string(ms) + " value frmw2l1." + property + " ";
        for (auto const& line : result.lines()) {
            if (line.starts_with(prefix))
                return std::stod(line.substr(prefix.size()));
        }
        ADD_FAILURE() << "no " << prefix << "\n" << result.transcript;
        return 0.0;
    };
    double const left = value_at(0, "Left");
    double const top = value_at(0, "Top");
    EXPECT_EQ(value_at(325, "Left"), left - 25);
    EXPECT_EQ(value_at(325, "Top"), top - 25);
    EXPECT_EQ(value_at(349, "Top"), top - 25);
    EXPECT_EQ(value_at(350, "Top"), top);
    EXPECT_EQ(value_at(525, "Top"), top);
    EXPECT_TRUE(result.has("525 value frmw2l1.shake.Enabled False")) << result.transcript;
    EXPECT_TRUE(result.has("3025 value frmw2l1.shake.Enabled True")) << result.transcript;
    EXPECT_TRUE(result.has("3125 value frmw2l1.shake.Enabled False")) << result.transcript;
    EXPECT_EQ(value_at(3125, "Top"), top);
    EXPECT_EQ(value_at(3151, "Top"), top);
    EXPECT_EQ(value_at(3151, "Left"), left);
    EXPECT_EQ(value_at(3651, "Top"), top);
}

TEST(World2Level1, KillsAndSavesGiveHealthOnceAndADeadRobberNeverFiresAgain)
{
    // Robber 1 dies at once; a second shot at his body, right clicks on robber 2 and the Grawn
    // change nothing. Robber 2 fires at 0.3 s and 1.6 s; robber 1 never.
    auto result = run(playing + "click frmw2l1.imgrob1\nprint frmw2l1.lblhp.Caption\nprint frmw2l1.imgrob1.Picture\n"
                                "print frmw2l1.imgrob1.Visible\nwait 0.5\nclick frmw2l1.imgrob1\nclick frmw2l1.imgrob2 right\n"
                                "click frmw2l1.imggrawn1 right\nprint frmw2l1.lblhp.Caption\nwait 1.5\nprint frmw2l1.lblhp.Caption\n"
                                "click frmw2l1.imggrawn1\nprint frmw2l1.lblhp.Caption\nwait 0.5\nclick frmw2l1.imggrawn1\n"
                                "print frmw2l1.lblhp.Caption\nprint frmw2l1.timegrawn11.Enabled\nprint frmw2l1.timegrawn12.Enabled\n"
                                "wait 1\nprint frmw2l1.imgrob1.Visible\nprint frmw2l1.timerob12.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw2l1.lblhp.Caption \"110\"",
            "0 value frmw2l1.imgrob1.Picture imgbf",
            "0 value frmw2l1.imgrob1.Visible True",
            "500 value frmw2l1.lblhp.Caption \"100\"",
            "2000 value frmw2l1.lblhp.Caption \"90\"",
            "2000 value frmw2l1.lblhp.Caption \"100\"",
            "2500 value frmw2l1.lblhp.Caption \"100\"",
            "2500 value frmw2l1.timegrawn11.Enabled False",
            "2500 value frmw2l1.timegrawn12.Enabled False",
            "3500 value frmw2l1.imgrob1.Visible True",
            "3500 value frmw2l1.timerob12.Enabled False",
        });
    // Two kills and robber 2's three shots (0.3, 1.6, 2.9 s) are all the gunfire there is.
    EXPECT_EQ(result.count(" sound \\gundead.wav"), 5) << result.transcript;
    EXPECT_EQ(result.count(" msgbox "), 2) << result.transcript;
}

TEST(World2Level1, AllFiveDoneWinsOnlyWithTheCowSavedOnItsPeekAndHealthOverAHundred)
{
    // Both robbers, the Grawn and the pig in the first instant; the cow can be saved only on its
    // peek at 5 s: until then the level goes on.
    auto result = run(playing + "click frmw2l1.imgrob1\nclick frmw2l1.imgrob2\nclick frmw2l1.imggrawn1\nclick frmw2l1.imgpig1 right\n"
                                "print frmw2l1.Visible\nwait 4.9\nclick frmw2l1.imgcow1 right\nprint frmw2l1.Visible\nwait 0.15\n"
                                "print frmw2l1.imgcow1.Visible\nclick frmw2l1.imgcow1 right\nprint frmw2l1.lblhp.Caption\n"
                                "print frmw2l1.Visible\nprint frmw2l1.imgpig1.Visible\nprint frmw2l1.timepig11.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw2l1.Visible True",
            "4900 value frmw2l1.Visible True",
            "5050 value frmw2l1.imgcow1.Visible True",
            "5050 value frmw2l1.lblhp.Caption \"150\"",
            "5050 value frmw2l1.Visible False",
            "5050 value frmw2l1.imgpig1.Visible False",
            "5050 value frmw2l1.timepig11.Enabled False",
        });
    EXPECT_EQ(level_lines(result),
        opened_at_once({
            "0 sound \\gundead.wav async",
            "0 sound \\gundead.wav async",
            "0 sound \\gundead.wav async",
            "5050 music stop \\W2L1.mid",
            "5050 hide frmw2l1",
            "5050 load frmw2l2",
            "5050 show frmw2l2",
            // The release of the winning click finds the level's window gone.
            "5050 ignored 14 the window is hidden",
            "5050 script-end",
        }))
        << result.transcript;
}

TEST(World2Level1, ShootingThePigOrThePeekingCowEndsTheGame)
{
    auto pig = run(playing + "wait 0.1\nclick frmw2l1.imgpig1\nok\n", game());
    EXPECT_EQ(pig.exit_code, 0) << pig.errors;
    EXPECT_EQ(level_lines(pig),
        opened_at_once({
            "100 sound \\gundead.wav async",
            "100 msgbox exclamation \"You Baffoon!\" \"You evil person!  You shot a pig!  Game over!  Please play again.\"",
            // The release of the fatal click comes while the box is open.
            "100 ignored 5 a modal box is open",
            "100 closed",
            "100 unload frmw2l1",
            "100 music stop \\W2L1.mid",
            "100 end",
        }))
        << pig.transcript;

    // The robbers are dead first so that the only sound is the shot at the cow.
    auto cow = run(playing + "click frmw2l1.imgrob1\nclick frmw2l1.imgrob2\nwait 5.1\nclick frmw2l1.imgcow1\nok\n", game());
    EXPECT_EQ(cow.exit_code, 0) << cow.errors;
    auto const lines = level_lines(cow);
    std::vector<std::string> const ending {
        "5100 sound \\gundead.wav async",
        "5100 msgbox exclamation \"You Baffoon!\" \"You evil person!  You shot a cow!  Game over!  Please play again.\"",
        "5100 ignored 7 a modal box is open", "5100 closed",
        "5100 unload frmw2l1", "5100 music stop \\W2L1.mid", "5100 end" };
    ASSERT_GE(lines.size(), ending.size()) << cow.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(ending.size()), lines.end()), ending) << cow.transcript;
}
