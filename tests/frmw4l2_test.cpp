// The Big Bad Grawn played by scripts: the walk, jump and landing, the sinking animals and their
// rescue, the biting Grawn, attack mode with its cannon and its aborted shots, the destruction
// that hands over to the flashback, and the four ways the fight is lost.
#include "levels/rescue/frmw4l2.hpp"
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
using Lines = std::vector<std::string>;

namespace {

// Stands in for the flashback: plays its first tune.
class Flashback : public screen::Screen {
public:
    explicit Flashback(Runtime& runtime)
        : Screen(runtime, "frmw4l3x", { .caption = "Grawn 2", .width = 373, .height = 293 })
    {
    }
    void Form_Load() override { PlayMusic("\\W4L3X1.mid"); }
};

HeadlessGame game()
{
    return testing_support::game({ { "frmw4l2", [](Runtime& rt) { return std::make_unique<levels::frmw4l2>(rt); } },
        { "frmw4l3x", [](Runtime& rt) { return std::make_unique<Flashback>(rt); } } });
}

Lines from_load(ScriptRun const& result)
{
    auto lines = result.lines();
    auto start = std::find(lines.begin(), lines.end(), "0 load frmw4l2");
    Lines result_lines { start, lines.end() };
    // A click's release is ignored under the box its press opened.
    std::erase_if(result_lines, [](std::string const& line) { return line.find(" ignored ") != std::string::npos; });
    return result_lines;
}

Lines last(ScriptRun const& result, std::size_t count)
{
    auto const lines = from_load(result);
    return { lines.end() - static_cast<long>(std::min(count, lines.size())), lines.end() };
}


std::string repeat(std::string const& command, int count)
{
    std::string script;
    for (int i = 0; i < count; ++i)
        script += command + "\n";
    return script;
}

std::string const playing = "show frmw4l2\nok\n";

// From the moment the boss starts walking in: it lands after 3925 ms; the animals are saved, the
// Grawn shot, and the boss walks in again and lowers its shields (3225 ms later).
std::string const to_attack_mode = "wait 4\nclick frmw4l2.imgpig1 right\nclick frmw4l2.imgcow1 right\nclick frmw4l2.imgsheep1 right\n"
                                   "wait 0.1\nclick frmw4l2.imggrawn1\nwait 3.3\nok\n";
// Fifteen hits abort the shot; four seconds later the boss walks in again.
std::string const abort_shot = repeat("click frmw4l2.boss", 15) + "ok\nwait 4\n";

Lines game_over(std::string const& at, std::string const& text)
{
    return { at + " msgbox none \"Grawn 2\" \"" + text + "\"", at + " closed", at + " unload frmw4l2", at + " music stop \\W4L2.mid", at + " end" };
}

}

TEST(World4Level2, BehindAnOpenBriefingTheBossWalksJumpsAndThePigSinksToItsDeath)
{
    // Eight walk ticks of 400 ms (two steps of 10 each), thirteen jump ticks, a landing at
    // 3925 ms, and the pig's 43rd sinking step at 5000 ms; the box opens over the briefing.
    auto result = run("show frmw4l2\nwait 0.6\nprint frmw4l2.boss.Left\nprint frmw4l2.boss.Picture\nwait 3\nprint frmw4l2.boss.Left\nprint frmw4l2.timehop1.Enabled\nwait 0.3\n"
                      "print frmw4l2.boss.Top\nprint frmw4l2.imgpig1.Visible\nwait 0.025\nprint frmw4l2.boss.Top\nprint frmw4l2.imgpig1.Visible\n"
                      "print frmw4l2.imgcow1.Visible\nprint frmw4l2.imgsheep1.Visible\nwait 1.074\nprint frmw4l2.imgpig1.Top\nwait 0.001\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "600 value frmw4l2.boss.Left 190",
            "600 value frmw4l2.boss.Picture imgbossf2",
            "3600 value frmw4l2.boss.Left 40",
            "3600 value frmw4l2.timehop1.Enabled True",
            "3900 value frmw4l2.boss.Top 4",
            "3900 value frmw4l2.imgpig1.Visible False",
            "3925 value frmw4l2.boss.Top 64",
            "3925 value frmw4l2.imgpig1.Visible True",
            "3925 value frmw4l2.imgcow1.Visible True",
            "3925 value frmw4l2.imgsheep1.Visible True",
            "4999 value frmw4l2.imgpig1.Top 252",
        });
    EXPECT_TRUE(result.has("3950 sound \\gundead.wav async")) << result.transcript;
    auto ending = game_over("5000", "Oh no!  A pig died!  And you've come so far!  Please play again.");
    ending.insert(ending.begin() + 3, "5000 closed"); // the briefing goes with the screen
    EXPECT_EQ(last(result, 6), ending) << result.transcript;
    EXPECT_FALSE(result.has("0 music play \\W4L2.mid")) << result.transcript;
}

TEST(World4Level2, ShootingAnAnimalEndsTheFight)
{
    for (std::string const animal : { "pig", "cow", "sheep" }) {
        auto result = run(playing + "wait 4\nclick frmw4l2.img" + animal + "1\nok\n", game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        EXPECT_EQ(last(result, 5), game_over("4000", "You moron!  You shot a " + animal + "!  Game over!")) << result.transcript;
    }
}

TEST(World4Level2, ASavedPigSinksOnAndIsLostIfTheOthersAreNotSavedInTime)
{
    auto result = run(playing + "wait 4\nclick frmw4l2.imgpig1 right\nclick frmw4l2.imgcow1 right\nprint frmw4l2.lblhp.Caption\n"
                                "wait 0.9\nprint frmw4l2.imgpig1.Top\nwait 0.1\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "4000 value frmw4l2.lblhp.Caption \"106\"", "4900 value frmw4l2.imgpig1.Top 234" });
    EXPECT_EQ(last(result, 5), game_over("5000", "Oh no!  A pig died!  And you've come so far!  Please play again.")) << result.transcript;
}

TEST(World4Level2, SavingAllThreeSendsTheGrawnRunningThatBitesOncePerPassUntilShot)
{
    // The Grawn runs 40 a tick from 0: its bite comes at 240 on the sixth tick; it wraps to -75
    // past the right edge and bites again at 245. Health may go below nothing.
    auto result = run(playing + "wait 4\nclick frmw4l2.imgpig1 right\nclick frmw4l2.imgcow1 right\nclick frmw4l2.imgsheep1 right\n"
                                "print frmw4l2.lblhp.Caption\nprint frmw4l2.boss.Visible\nprint frmw4l2.imgpig1.Top\nprint frmw4l2.timefall.Enabled\n"
                                "wait 0.125\nprint frmw4l2.imggrawn1.Left\nprint frmw4l2.lblhp.Caption\nwait 0.025\nprint frmw4l2.imggrawn1.Left\n"
                                "print frmw4l2.lblhp.Caption\nprint frmw4l2.imgbossf1.Left\nwait 0.15\nprint frmw4l2.imggrawn1.Left\n"
                                "print frmw4l2.imgbossf1.Left\nwait 0.2\nprint frmw4l2.imggrawn1.Left\nprint frmw4l2.lblhp.Caption\n"
            + repeat("wait 0.35", 30)
            + "print frmw4l2.lblhp.Caption\nclick frmw4l2.imggrawn1 right\n"
              "print frmw4l2.timegrawn1.Enabled\nclick frmw4l2.imggrawn1\nprint frmw4l2.imggrawn1.Visible\n"
              "print frmw4l2.boss.Visible\nprint frmw4l2.boss.Left\nprint frmw4l2.timebw2.Enabled\nwait 0.025\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "4000 value frmw4l2.lblhp.Caption \"110\"",
            "4000 value frmw4l2.boss.Visible False",
            "4000 value frmw4l2.imgpig1.Top 0",
            "4000 value frmw4l2.timefall.Enabled False",
            "4125 value frmw4l2.imggrawn1.Left 200",
            "4125 value frmw4l2.lblhp.Caption \"110\"",
            "4150 value frmw4l2.imggrawn1.Left 240",
            "4150 value frmw4l2.lblhp.Caption \"100\"",
            "4150 value frmw4l2.imgbossf1.Left 1",
            "4300 value frmw4l2.imggrawn1.Left -75",
            "4300 value frmw4l2.imgbossf1.Left 0",
            "4500 value frmw4l2.imggrawn1.Left 245",
            "4500 value frmw4l2.lblhp.Caption \"90\"",
            "15000 value frmw4l2.lblhp.Caption \"-210\"",
            "15000 value frmw4l2.timegrawn1.Enabled True",
            "15000 value frmw4l2.imggrawn1.Visible False",
            "15000 value frmw4l2.boss.Visible True",
            "15000 value frmw4l2.boss.Left 200",
            "15000 value frmw4l2.timebw2.Enabled True",
        });
    EXPECT_TRUE(result.has("15025 sound \\gundead.wav async")) << result.transcript;
    EXPECT_TRUE(result.has("4175 sound \\howl.wav async")) << result.transcript;
}

TEST(World4Level2, TheShieldsHoldOutsideAttackModeAndTheCannonHitsWhenTheCountdownRunsOut)
{
    // Before attack mode a shot at the boss is stopped by its shields and a right click does
    // nothing. In attack mode the countdown steps every half second from 10; at 0 the cannon
    // hits for 20, the boss is gone four seconds, and the next attack counts from 15.
    auto result = run(playing + "click frmw4l2.boss right\nclick frmw4l2.boss\nok\nprint frmw4l2.imgbossf3.Left\n" + to_attack_mode
            + "print frmw4l2.Label2.Visible\nprint frmw4l2.lbltime.Caption\nclick frmw4l2.boss\nwait 0.5\n"
            + "print frmw4l2.lbltime.Caption\nprint frmw4l2.imgbossf3.Left\nprint frmw4l2.boss.Picture\nwait 4.5\nprint frmw4l2.lblhp.Caption\n"
            + "print frmw4l2.boss.Visible\nprint frmw4l2.imgbossf2.Left\nwait 4\nprint frmw4l2.boss.Visible\n"
            + "print frmw4l2.boss.Left\nprint frmw4l2.boss.Picture\nprint frmw4l2.timebw.Enabled\nprint frmw4l2.Label2.Visible\nprint frmw4l2.imgbossf2.Left\n" + to_attack_mode + "wait 7.49\nprint frmw4l2.lbltime.Caption\n"
            + "print frmw4l2.imgbossf3.Left\nwait 0.01\nprint frmw4l2.lblhp.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(result.count("\"Can't penetrate its shields!\""), 1) << result.transcript;
    expect_values(result,
        {
            "0 value frmw4l2.imgbossf3.Left 0",
            "7400 value frmw4l2.Label2.Visible True",
            "7400 value frmw4l2.lbltime.Caption \"10\"",
            "7900 value frmw4l2.lbltime.Caption \"9\"",
            "7900 value frmw4l2.imgbossf3.Left 1",
            "7900 value frmw4l2.boss.Picture imgbossbare",
            // The cannon: the countdown stands at 0 while the boss is away.
            "12400 value frmw4l2.lblhp.Caption \"90\"",
            "12400 value frmw4l2.boss.Visible False",
            "12400 value frmw4l2.imgbossf2.Left 0",
            "16400 value frmw4l2.boss.Visible True",
            "16400 value frmw4l2.boss.Left 200",
            // Back with its shields up, though the hit flash ended while they were down.
            "16400 value frmw4l2.boss.Picture imgbossf1",
            "16400 value frmw4l2.timebw.Enabled True",
            "16400 value frmw4l2.Label2.Visible False",
            "16400 value frmw4l2.imgbossf2.Left 15",
            // The hit of the first attack still counts; fifteen steps before the second cannon,
            // which follows a bite of the Grawn in the second cycle.
            "31290 value frmw4l2.lbltime.Caption \"1\"",
            "31290 value frmw4l2.imgbossf3.Left 1",
            "31300 value frmw4l2.lblhp.Caption \"70\"",
        });
    EXPECT_TRUE(result.has("12425 sound \\howl.wav async")) << result.transcript;
}

TEST(World4Level2, TheFifteenthHitAbortsTheShotAtOnceEvenWithOneStepLeft)
{
    // The countdown stands at 1 when the fifteenth hit lands; the cannon stays silent however
    // long the box stays open, and the boss loses 15 points.
    auto result = run(playing + to_attack_mode + "wait 4.55\nprint frmw4l2.lbltime.Caption\n" + repeat("click frmw4l2.boss", 15)
            + "print frmw4l2.timecount.Enabled\nprint frmw4l2.Label2.Visible\nwait 1\nok\nprint frmw4l2.boss.Visible\n"
            + "print frmw4l2.bosshp.Interval\nwait 4\nprint frmw4l2.boss.Visible\nprint frmw4l2.boss.Left\nprint frmw4l2.bosshp.Interval\n"
            + "print frmw4l2.imgbossf3.Left\nprint frmw4l2.imgbossf2.Left\nprint frmw4l2.lblhp.Caption\nprint frmw4l2.timebw.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "11950 value frmw4l2.lbltime.Caption \"1\"",
            "11950 value frmw4l2.timecount.Enabled False",
            "11950 value frmw4l2.Label2.Visible False",
            "12950 value frmw4l2.boss.Visible False",
            "12950 value frmw4l2.bosshp.Interval 60",
            "16950 value frmw4l2.boss.Visible True",
            "16950 value frmw4l2.boss.Left 200",
            "16950 value frmw4l2.bosshp.Interval 45",
            "16950 value frmw4l2.imgbossf3.Left 0",
            "16950 value frmw4l2.imgbossf2.Left 10",
            "16950 value frmw4l2.lblhp.Caption \"110\"",
            "16950 value frmw4l2.timebw.Enabled True",
        });
    EXPECT_TRUE(result.has("11950 msgbox none \"Grawn 2\" \"Weapon fire aborted!\"")) << result.transcript;
    EXPECT_EQ(result.count("howl.wav"), 0) << result.transcript;
}

TEST(World4Level2, FourAbortedShotsDestroyTheBossOnTheNextWalkAndTheFlashbackFollows)
{
    // The Grawn keeps its place from cycle to cycle; running it five steps each time keeps it
    // on the field to be shot. Its bites shake the screen, which slows the boss's approach.
    std::string const cycle = "wait 4\nclick frmw4l2.imgpig1 right\nclick frmw4l2.imgcow1 right\nclick frmw4l2.imgsheep1 right\n"
                              "wait 0.125\nclick frmw4l2.imggrawn1\nwait 4\nok\n"
        + abort_shot;
    auto result = run(playing + cycle + cycle + cycle + cycle + "print frmw4l2.bosshp.Interval\nprint frmw4l2.boss.Left\nwait 0.8\n"
            + "print frmw4l2.boss.Picture\nprint frmw4l2.timebw.Enabled\nwait 2\nok\nwait 30\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(result.count("\"Weapon fire aborted!\""), 4) << result.transcript;
    auto const lines = from_load(result);
    auto const aborted = std::find_if(lines.rbegin(), lines.rend(), [](auto const& l) { return l.find("Weapon fire aborted!") != std::string::npos; });
    ASSERT_NE(aborted, lines.rend());
    auto const t = std::stoi(*aborted) + 4000;
    auto const at = [](int ms) { return std::to_string(ms) + " "; };
    expect_values(result,
        {
            at(t) + "value frmw4l2.bosshp.Interval 0",
            at(t) + "value frmw4l2.boss.Left 200",
            at(t + 800) + "value frmw4l2.boss.Picture imgbossf4",
            at(t + 800) + "value frmw4l2.timebw.Enabled False",
            at(t + 800) + "sound \\explosion.wav async",
        });
    EXPECT_EQ(last(result, 8),
        (Lines {
            at(t + 2800) + "msgbox none \"Grawn 2\" \"Boss Destroyed!\"",
            at(t + 2800) + "closed",
            at(t + 2800) + "load frmw4l3x",
            at(t + 2800) + "music play \\W4L3X1.mid",
            at(t + 2800) + "show frmw4l3x",
            at(t + 2800) + "hide frmw4l2",
            at(t + 2800) + "music stop \\W4L2.mid",
            at(t + 32800) + "script-end",
        }))
        << result.transcript;
}
