// World 3 Level 1 played by scripts: the barking patrols and their silent shakes, the robber's
// heard shots, Grawn 3's moments in sight, the claws and falls, the wrong clicks, the three ways
// to lose and the win that hands over to World 3 Level 2.
#include "levels/rescue/frmw3l1.hpp"
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
    return testing_support::game({ { "frmw3l1", [](Runtime& rt) { return std::make_unique<levels::frmw3l1>(rt); } },
        { "frmw3l2", testing_support::stand_in("frmw3l2") } });
}

std::string const briefing_line = "msgbox info \"World 3, Level 1: The S-Bomb\" \"The pig who was saved from the Grawn Re-Incarnation "
                                  "machine has proved you valuable information (don't ask how...)  It turns out that the Grawns are "
                                  "building a Mecha Machine that will destroy Farmer Ruv's whole farm.  You must venture very deep in to "
                                  "the forest to find the Grawne's HQ, and destroy this Death Star of a machine before it is fully "
                                  "operational.  Also, it seems that many grawns have been injected with the smart serum, and have grown "
                                  "an adaptation.  This allows the grawns to attack you with a supersonic bark.  This will take 10% of "
                                  "your health, so kill the S-Grawns before they can kill you.  Don't forget, like always, to save all "
                                  "of the farm animals.\"";

// The level shown at time 0 with its briefing closed at once: the patrols and the robber start then.
std::string const playing = "show frmw3l1\nok\n";

// What the player saw of this level and the next: the title screen behind them and the printed
// values are left out.
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
    std::vector<std::string> lines { "0 load frmw3l1", "0 music stop \\W2L52.mid", "0 " + briefing_line, "0 closed",
        "0 music play \\W3L1.mid", "0 show frmw3l1" };
    lines.insert(lines.end(), then.begin(), then.end());
    return lines;
}

std::string at(int ms, std::string const& what) { return std::to_string(ms) + " " + what; }
std::string howl(int ms) { return at(ms, "sound \\howl.wav async"); }
std::string gunshot(int ms) { return at(ms, "sound \\gundead.wav async"); }
std::string game_over_box(int ms, std::string const& text) { return at(ms, "msgbox info \"Game Over!\" \"" + text + "\""); }

std::vector<std::string> program_ends(int ms)
{
    return { at(ms, "closed"), at(ms, "unload frmw3l1"), at(ms, "music stop \\W3L1.mid"), at(ms, "end") };
}

std::vector<std::string> joined(std::vector<std::string> lines, std::vector<std::string> const& more)
{
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}


}

TEST(World3Level1, ThePatrolsWaitForTheBriefingThenEachRightwardPassBarksOnceAndTheEleventhBarkKills)
{
    // A second on the briefing: Grawn 3 has peeked out and gone meanwhile, the patrols have not
    // moved. The robber dies at once (110). Grawn 2 turns at -13 and 412 and barks at 312 every
    // 0.85 s from 0.2 s; Grawn 1 turns at -8 and 397 and barks at 202 every 1.35 s from 0.55 s.
    auto result = run("show frmw3l1\nwait 1\nprint frmw3l1.imggrawn1.Left\nprint frmw3l1.imggrawn2.Left\n"
                      "print frmw3l1.imggrawn3.Visible\nok\nclick frmw3l1.imgrob1\nwait 0.2\nprint frmw3l1.imggrawn1.Left\n"
                      "print frmw3l1.imggrawn1.Picture\nprint frmw3l1.imggrawn2.Left\nprint frmw3l1.lblhp.Caption\nwait 0.1\n"
                      "print frmw3l1.imggrawn2.Left\nprint frmw3l1.imggrawn2.Picture\nwait 0.25\nprint frmw3l1.imggrawn1.Left\n"
                      "wait 6\nprint frmw3l1.lblhp.Caption\nprint frmw3l1.hp.Interval\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            // A bark under the game-over box finds nothing left to take.
            "7550 value frmw3l1.lblhp.Caption \"0\"",
            "7550 value frmw3l1.hp.Interval 0",
            "1000 value frmw3l1.imggrawn1.Left 112",
            "1000 value frmw3l1.imggrawn2.Left 112",
            "1000 value frmw3l1.imggrawn3.Visible False",
            "1200 value frmw3l1.imggrawn1.Left -8",
            "1200 value frmw3l1.imggrawn1.Picture imggf2",
            "1200 value frmw3l1.imggrawn2.Left 312",
            "1200 value frmw3l1.lblhp.Caption \"100\"",
            "1300 value frmw3l1.imggrawn2.Left 412",
            "1300 value frmw3l1.imggrawn2.Picture imggf1",
            "1550 value frmw3l1.imggrawn1.Left 202",
        });
    // The barks shake the window without a sound of their own; the game goes on under the box.
    EXPECT_EQ(level_lines(result),
        joined({ "0 load frmw3l1", "0 music stop \\W2L52.mid", "0 " + briefing_line, "1000 closed", "1000 music play \\W3L1.mid",
                   "1000 show frmw3l1", howl(1200), howl(1550), howl(2050), howl(2900), howl(2900), howl(3750), howl(4250),
                   howl(4600), howl(5450), howl(5600), howl(6300), game_over_box(6300, "You died!  Game over!"), howl(6950) },
            program_ends(7550)))
        << result.transcript;
}

TEST(World3Level1, BarksShakeSilentlyTheRobbersShotShakesAloudAndTheWindowEndsWhereItBegan)
{
    // Grawn 2's bark at 200 ms shakes from 225; the robber fires at 300 ms, heard when his shake
    // starts at 325. The waits nest, so the bark's shake, half done, holds still until the shot's
    // has run to 525, then finishes its last four moves by 625. Grawn 1's bark at 550 falls
    // inside it and adds no shake of its own.
    auto result = run(playing + "print frmw3l1.Left\nprint frmw3l1.Top\nwait 0.225\nprint frmw3l1.Top\nprint frmw3l1.Left\n"
                                "wait 0.025\nprint frmw3l1.Top\nwait 0.05\nprint frmw3l1.imgrob1.Visible\nprint frmw3l1.lblhp.Caption\n"
                                "wait 0.025\nprint frmw3l1.Top\nwait 0.025\nprint frmw3l1.Top\nwait 0.175\nprint frmw3l1.Top\n"
                                "print frmw3l1.shake.Enabled\nprint frmw3l1.shake2.Enabled\nwait 0.1\nprint frmw3l1.Top\n"
                                "print frmw3l1.Left\nprint frmw3l1.shake2.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const value_at = [&](int ms, std::string const& property) {
        std::string const prefix = std::to_string(ms) + " value frmw3l1." + property + " ";
        for (auto const& line : result.lines()) {
            if (line.starts_with(prefix))
                return std::stod(line.substr(prefix.size()));
        }
        ADD_FAILURE() << "no " << prefix << "\n" << result.transcript;
        return 0.0;
    };
    double const left = value_at(0, "Left");
    double const top = value_at(0, "Top");
    EXPECT_EQ(value_at(225, "Top"), top - 25);
    EXPECT_EQ(value_at(225, "Left"), left - 25);
    EXPECT_EQ(value_at(250, "Top"), top);
    EXPECT_EQ(value_at(325, "Top"), top - 25);
    EXPECT_EQ(value_at(350, "Top"), top);
    EXPECT_EQ(value_at(525, "Top"), top - 25);
    EXPECT_EQ(value_at(625, "Top"), top);
    EXPECT_EQ(value_at(625, "Left"), left);
    expect_values(result,
        {
            "300 value frmw3l1.imgrob1.Visible False",
            "300 value frmw3l1.lblhp.Caption \"80\"",
            "525 value frmw3l1.shake.Enabled False",
            "525 value frmw3l1.shake2.Enabled True",
            "625 value frmw3l1.shake2.Enabled False",
        });
    EXPECT_EQ(level_lines(result), opened_at_once({ howl(200), gunshot(325), howl(550), "625 script-end" })) << result.transcript;
}

TEST(World3Level1, KillsAreSilentGiveHealthOnceAndOpenTheClawsOfThePigAndTheSheep)
{
    // Grawn 3 can be hit only while it shows: at load for a quarter second, then from 5.25 s.
    // Grawn 2 guards nothing; the robber is back up at 4.3 s.
    auto result = run(playing + "click frmw3l1.imggrawn2\nclick frmw3l1.imggrawn2\nclick frmw3l1.imggrawn1 right\n"
                                "print frmw3l1.lblhp.Caption\nprint frmw3l1.imggrawn2.Picture\nprint frmw3l1.imgclaw1.Picture\n"
                                "print frmw3l1.imgclaw2.Picture\nclick frmw3l1.imgpig1 right\nprint frmw3l1.imgpig1.Visible\n"
                                "click frmw3l1.imggrawn1\nprint frmw3l1.imgclaw2.Picture\nprint frmw3l1.timepig11.Enabled\n"
                                "print frmw3l1.lblhp.Caption\nclick frmw3l1.imgpig1 right\nprint frmw3l1.imgpig1.Visible\n"
                                "print frmw3l1.lblhp.Caption\nwait 0.3\nclick frmw3l1.imggrawn3\nprint frmw3l1.imgclaw1.Picture\n"
                                "print frmw3l1.timesheep11.Enabled\nwait 4\nclick frmw3l1.imgrob1\nwait 0.95\n"
                                "print frmw3l1.imggrawn3.Visible\nprint frmw3l1.lblhp.Caption\nclick frmw3l1.imggrawn3\n"
                                "print frmw3l1.imggrawn3.Picture\nprint frmw3l1.imgclaw1.Picture\nprint frmw3l1.lblhp.Caption\n"
                                "wait 0.5\nprint frmw3l1.imggrawn3.Visible\nprint frmw3l1.imgsheep1.Top\nclick frmw3l1.imgsheep1 right\n"
                                "print frmw3l1.lblhp.Caption\nprint frmw3l1.imgrob1.Picture\nprint frmw3l1.imgrob1.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            // A dead Grawn gives no more health; a right click kills nothing; a held pig cannot be saved.
            "0 value frmw3l1.lblhp.Caption \"110\"",
            "0 value frmw3l1.imggrawn2.Picture imgbf1",
            "0 value frmw3l1.imgclaw1.Picture imgcf1",
            "0 value frmw3l1.imgclaw2.Picture imgcf1",
            "0 value frmw3l1.imgpig1.Visible True",
            "0 value frmw3l1.imgclaw2.Picture imgcf2",
            "0 value frmw3l1.timepig11.Enabled True",
            "0 value frmw3l1.lblhp.Caption \"120\"",
            "0 value frmw3l1.imgpig1.Visible False",
            "0 value frmw3l1.lblhp.Caption \"130\"",
            // The click at 0.3 s finds Grawn 3 gone and the sheep stays held.
            "300 value frmw3l1.imgclaw1.Picture imgcf1",
            "300 value frmw3l1.timesheep11.Enabled False",
            "5250 value frmw3l1.imggrawn3.Visible True",
            // The robber's shot at 0.3 s, his death at 4.3 s.
            "5250 value frmw3l1.lblhp.Caption \"130\"",
            "5250 value frmw3l1.imggrawn3.Picture imgbf1",
            "5250 value frmw3l1.imgclaw1.Picture imgcf2",
            "5250 value frmw3l1.lblhp.Caption \"140\"",
            // Dead, Grawn 3 blinks no more.
            "5750 value frmw3l1.imggrawn3.Visible True",
            "5750 value frmw3l1.imgsheep1.Top 276",
            "5750 value frmw3l1.imgrob1.Picture imgbf1",
            "5750 value frmw3l1.imgrob1.Visible True",
        });
    // The save at 5.75 s completes the level.
    EXPECT_TRUE(result.has("5750 value frmw3l1.lblhp.Caption \"150\"")) << result.transcript;
    EXPECT_TRUE(result.has("5750 load frmw3l2")) << result.transcript;
    EXPECT_EQ(result.count(" sound \\gundead.wav"), 1) << result.transcript;
}

TEST(World3Level1, WonOnlyWhenTheRobberDiesToo)
{
    // Every Grawn dead and both animals saved at once; the robber, down from 0.3 s, is shot when
    // he stands again at 4.3 s, and that click wins.
    auto result = run(playing + "click frmw3l1.imgrob1 right\nclick frmw3l1.imggrawn1\nclick frmw3l1.imggrawn2\n"
                                "click frmw3l1.imggrawn3\nwait 0.1\nclick frmw3l1.imgpig1 right\nclick frmw3l1.imgsheep1 right\n"
                                "print frmw3l1.Visible\nwait 4.25\nclick frmw3l1.imgrob1\nprint frmw3l1.Visible\n"
                                "print frmw3l1.lblhp.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        { "100 value frmw3l1.Visible True", "4350 value frmw3l1.Visible False", "4350 value frmw3l1.lblhp.Caption \"150\"" });
    EXPECT_EQ(level_lines(result),
        opened_at_once({
            gunshot(325),
            "4350 music stop \\W3L1.mid",
            "4350 hide frmw3l1",
            "4350 load frmw3l2",
            "4350 show frmw3l2",
            // The release of the winning click finds the level's window gone.
            "4350 ignored 12 the window is hidden",
            "4350 script-end",
        }))
        << result.transcript;
}

TEST(World3Level1, AFreedAnimalIsLostOnItsThirtySeventhFallTick)
{
    // Grawn 1 dies at 0.1 s; the pig drops 5 a tick from 176: 356 after 36 ticks, gone on the
    // 37th at 1.025 s.
    auto pig = run(playing + "wait 0.1\nclick frmw3l1.imggrawn1\nwait 0.9\nprint frmw3l1.imgpig1.Top\nwait 0.025\nok\n", game());
    EXPECT_EQ(pig.exit_code, 0) << pig.errors;
    EXPECT_TRUE(pig.has("1000 value frmw3l1.imgpig1.Top 356")) << pig.transcript;
    auto lines = level_lines(pig);
    auto const pig_end = joined({ game_over_box(1025, "Oh no!  You lost a pig!  Game over!") }, program_ends(1025));
    ASSERT_GE(lines.size(), pig_end.size()) << pig.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(pig_end.size()), lines.end()), pig_end) << pig.transcript;

    auto sheep = run(playing + "wait 0.1\nclick frmw3l1.imggrawn3\nwait 0.925\nok\n", game());
    EXPECT_EQ(sheep.exit_code, 0) << sheep.errors;
    lines = level_lines(sheep);
    auto const sheep_end = joined({ game_over_box(1025, "Oh no!  You lost a sheep!  Game over!") }, program_ends(1025));
    ASSERT_GE(lines.size(), sheep_end.size()) << sheep.transcript;
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<long>(sheep_end.size()), lines.end()), sheep_end) << sheep.transcript;
}

TEST(World3Level1, ShootingAnAnimalEndsTheGameSilentlyEvenInItsClaw)
{
    auto pig = run(playing + "wait 0.1\nclick frmw3l1.imgpig1\nok\n", game());
    EXPECT_EQ(pig.exit_code, 0) << pig.errors;
    EXPECT_EQ(level_lines(pig),
        opened_at_once(joined({ game_over_box(100, "You moron!  You shot a pig!  Haven't you learned by now?  Game over!"),
                                  "100 ignored 4 a modal box is open" },
            program_ends(100))))
        << pig.transcript;

    // Freed and falling, the sheep is shot all the same.
    auto sheep = run(playing + "click frmw3l1.imggrawn3\nwait 0.1\nclick frmw3l1.imgsheep1\nok\n", game());
    EXPECT_EQ(sheep.exit_code, 0) << sheep.errors;
    EXPECT_EQ(level_lines(sheep),
        opened_at_once(joined({ game_over_box(100, "You moron!  You shot a sheep!  Haven't you learned by now?  Game over!"),
                                  "100 ignored 5 a modal box is open" },
            program_ends(100))))
        << sheep.transcript;
}
