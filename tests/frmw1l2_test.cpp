// World 1 Level 2 played by scripts: the pig's walk, the Grawns' moves, the wrong clicks, the
// losses and the win that hands over to World 1 Level 3.
#include "levels/rescue/frmw1l2.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

// Stands in for World 1 Level 3: a briefing, then its tune.
class NextLevel : public screen::Screen {
public:
    explicit NextLevel(Runtime& runtime)
        : Screen(runtime, "frmw1l3", { .caption = "Grawn 2", .width = 477, .height = 458 })
    {
    }
    void Form_Load() override
    {
        briefing("World 1, Level 3: The Piggie Poker", "Level three");
        PlayMusic("\\W1L3.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({ { "frmw1l2", [](Runtime& rt) { return std::make_unique<levels::frmw1l2>(rt); } },
        { "frmw1l3", [](Runtime& rt) { return std::make_unique<NextLevel>(rt); } } });
}

std::string const briefing_line = "0 msgbox info \"Grawn: World 1, Level 2: Pigs, Platforms, and Peril\" \"Another round of grawns have "
                                  "ganged up just a few minutes away from the machine that is sucking the farm animals down from "
                                  "Earth.  Kill all grawns, save all farm animals.  Watch out for the pig early on, as it's been sent "
                                  "on a path to death if you don't help it.\"";

// The level shown at time 0 with its briefing closed at once: the pig sets off then.
std::string const playing = "show frmw1l2\nok\n";

// The transcript of the level's load, its briefing closed at `closed_ms`, followed by `then`.
std::vector<std::string> opened(int closed_ms, std::vector<std::string> const& then)
{
    auto const at = std::to_string(closed_ms) + " ";
    std::vector<std::string> lines { "0 load frmw1l2", briefing_line, at + "closed", at + "music play \\W1L2.mid", at + "show frmw1l2" };
    lines.insert(lines.end(), then.begin(), then.end());
    return lines;
}

// What the player saw of this level and the next: the title screen's opening, which goes on
// behind them, is left out.
std::vector<std::string> level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" sound ") != std::string::npos
            || line.find("INTRO.mid") != std::string::npos;
    });
    return lines;
}

long boxes_opened(ScriptRun const& result)
{
    auto const lines = result.lines();
    return std::count_if(lines.begin(), lines.end(), [](std::string const& line) { return line.find(" msgbox ") != std::string::npos; });
}

// A value of frmw1l2 read at a given time.
struct Probe {
    int ms;
    std::string property; // "imgpig1.Left"
    std::string value;
};

// Waits from `from_ms` to each probe's time in turn (probes in time order) and prints it there.
std::string probing(std::vector<Probe> const& probes, int from_ms)
{
    std::string script;
    int now = from_ms;
    for (auto const& probe : probes) {
        if (probe.ms > now) {
            char wait[32];
            std::snprintf(wait, sizeof wait, "wait %.3f\n", (probe.ms - now) / 1000.0);
            script += wait;
            now = probe.ms;
        }
        script += "print frmw1l2." + probe.property + "\n";
    }
    return script;
}

void expect_probes(ScriptRun const& result, std::vector<Probe> const& probes)
{
    for (auto const& probe : probes)
        EXPECT_TRUE(result.has(std::to_string(probe.ms) + " value frmw1l2." + probe.property + " " + probe.value))
            << "at " << probe.ms << " ms: " << probe.property << " " << probe.value << "\n"
            << result.transcript;
}

}

TEST(World1Level2, PigWaitsForTheBriefingThenWalksItsPathIntoTheFlames)
{
    // The briefing stays open for a second; the pig's 89 ticks (14, 3, 8, 3, 11, 2, 17, 31) run
    // from its closing. Each probe is the last tick of a segment, where the pig turns.
    int const closed = 1000;
    auto at_tick = [&](int tick) { return closed + 25 * tick; };
    std::vector<Probe> const walk {
        { at_tick(14), "imgpig1.Left", "224" },
        { at_tick(14), "timepig12.Enabled", "True" },
        { at_tick(17), "imgpig1.Top", "84" },
        { at_tick(17), "imgpig1.Picture", "imgpf2" },
        { at_tick(25), "imgpig1.Left", "320" },
        { at_tick(28), "imgpig1.Top", "120" },
        { at_tick(28), "imgpig1.Picture", "imgpf1" },
        { at_tick(39), "imgpig1.Left", "188" },
        { at_tick(41), "imgpig1.Top", "144" },
        { at_tick(41), "imgpig1.Picture", "imgpf2" },
        { at_tick(58), "imgpig1.Left", "392" },
        { at_tick(58), "timepig18.Enabled", "True" },
        { at_tick(88), "imgpig1.Top", "384" },
        { at_tick(89), "imgpig1.Left", "392" },
        { at_tick(89), "imgpig1.Top", "392" },
    };
    auto result = run("show frmw1l2\nwait 1\nprint frmw1l2.imgpig1.Left\nprint frmw1l2.imgpig1.Top\nprint frmw1l2.timepig11.Enabled\nok\n"
            + probing(walk, closed) + "wait 1\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_probes(result, walk);

    EXPECT_TRUE(result.has("1000 value frmw1l2.imgpig1.Left 392"));
    EXPECT_TRUE(result.has("1000 value frmw1l2.imgpig1.Top 48"));
    EXPECT_TRUE(result.has("1000 value frmw1l2.timepig11.Enabled False"));
    auto const expected = opened(closed,
        {
            "3225 msgbox info \"Grawn 2\" \"Oh no!  A pig died!  Game Over!  Please play again!\"",
            "4225 closed",
            "4225 unload frmw1l2",
            "4225 music stop \\W1L2.mid",
            "4225 end",
        });
    auto lines = level_lines(result);
    std::erase_if(lines, [](std::string const& line) { return line.find(" value ") != std::string::npos; });
    EXPECT_EQ(lines, expected) << result.transcript;
}

TEST(World1Level2, GrawnsMoveFromLoadAndGrawnOneNeverStopsLooping)
{
    // The briefing is never closed: the Grawns move behind it, the pig stays where it stands.
    // Grawn 1's first round takes 75 ticks from 56 and brings it to Left 41; every later round
    // starts there and takes 76.
    std::vector<Probe> const moves {
        { 150, "imggrawn2.Left", "104" },
        { 150, "imggrawn2.Picture", "imggf2" },
        { 299, "imggrawn3.Visible", "True" },
        { 300, "imggrawn3.Visible", "False" },
        { 325, "imggrawn2.Left", "244" },
        { 325, "imggrawn2.Picture", "imggf1" },
        { 450, "imggrawn1.Left", "326" },
        { 575, "imggrawn1.Top", "259" },
        { 575, "imggrawn1.Picture", "imggf1" },
        { 1875, "imggrawn1.Left", "41" },
        { 1875, "imggrawn1.Top", "184" },
        { 1875, "imggrawn1.Picture", "imggf2" },
        { 3775, "imggrawn1.Left", "41" },
        { 3775, "imggrawn1.Top", "184" },
        { 5299, "imggrawn3.Visible", "False" },
        { 5300, "imggrawn3.Visible", "True" },
        { 5600, "imggrawn3.Visible", "False" },
        { 20875, "imggrawn1.Left", "41" },
        { 20875, "imggrawn1.Top", "184" },
        { 20875, "timegrawn11.Enabled", "True" },
        { 20900, "imggrawn1.Left", "56" },
        { 20900, "imgpig1.Left", "392" },
        { 20900, "imgpig1.Top", "48" },
    };
    auto result = run("show frmw1l2\n" + probing(moves, 0), game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_probes(result, moves);
    EXPECT_EQ(boxes_opened(result), 1) << result.transcript;
}

TEST(World1Level2, PigIsSavedAnywhereOnItsWalkAndNeverComesBack)
{
    // On its first platform: it never walks on.
    std::vector<Probe> const gone_early {
        { 5200, "imgpig1.Visible", "False" },
        { 5200, "imgpig1.Left", "296" },
        { 5200, "timepig11.Enabled", "False" },
        { 5200, "timepig12.Enabled", "False" },
    };
    auto early = run(playing + "wait 0.2\nclick frmw1l2.imgpig1 right\n" + probing(gone_early, 200), game());
    expect_probes(early, gone_early);
    EXPECT_EQ(boxes_opened(early), 1) << early.transcript;

    // On its last leg, at Top 216 right in front of the hanging cow: the click reaches the pig.
    std::vector<Probe> const gone_late {
        { 1675, "imgpig1.Top", "216" },
        { 4675, "imgpig1.Visible", "False" },
        { 4675, "timepig18.Enabled", "False" },
        { 4675, "imgcow1.Visible", "True" },
    };
    auto late = run(playing + "wait 1.675\nclick frmw1l2.imgpig1 right\n" + probing(gone_late, 1675), game());
    expect_probes(late, gone_late);
    EXPECT_EQ(boxes_opened(late), 1) << late.transcript;
}

TEST(World1Level2, WinNeedsGrawnThreeDeadAndTheCowSavedThenHandsOver)
{
    auto result = run(playing
            // The pig saved and Grawns 1 and 2 killed: not a win while Grawn 3 lives. A right click
            // on a Grawn and either click on the cow in the claw change nothing.
            + "click frmw1l2.imgpig1 right\nclick frmw1l2.imggrawn1 right\nprint frmw1l2.imggrawn1.Picture\n"
              "click frmw1l2.imggrawn1\nclick frmw1l2.imggrawn2\n"
              "click frmw1l2.imgcow1\nclick frmw1l2.imgcow1 right\nwait 1\n"
              "print frmw1l2.imggrawn1.Picture\nprint frmw1l2.imggrawn2.Picture\nprint frmw1l2.imgcow1.Visible\nprint frmw1l2.imgcow1.Top\n"
              "print frmw1l2.timecow1.Enabled\nprint frmw1l2.Visible\n"
              // Grawn 3, hidden until 5.3 s, cannot be hit; shown again, it dies and lets the cow drop.
              "click frmw1l2.imggrawn3\nprint frmw1l2.imggrawn3.Picture\nwait 4.3\nclick frmw1l2.imggrawn3\n"
              "print frmw1l2.imggrawn3.Picture\nprint frmw1l2.imggrawn3.Visible\nprint frmw1l2.Visible\n"
              "wait 0.5\nprint frmw1l2.imgcow1.Top\nclick frmw1l2.imgcow1 right\nwait 1\nok\nwait 5\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const expected = opened(0,
        {
            "0 value frmw1l2.imggrawn1.Picture imggf2",
            "1000 value frmw1l2.imggrawn1.Picture fire(0)",
            "1000 value frmw1l2.imggrawn2.Picture fire(0)",
            "1000 value frmw1l2.imgcow1.Visible True",
            "1000 value frmw1l2.imgcow1.Top 200",
            "1000 value frmw1l2.timecow1.Enabled False",
            "1000 value frmw1l2.Visible True",
            "1000 ignored 17 nothing there takes the mouse",
            "1000 ignored 17 nothing there takes the mouse",
            "1000 value frmw1l2.imggrawn3.Picture imggf1",
            "5300 value frmw1l2.imggrawn3.Picture fire(0)",
            "5300 value frmw1l2.imggrawn3.Visible True",
            "5300 value frmw1l2.Visible True",
            "5800 value frmw1l2.imgcow1.Top 280",
            "5800 music stop \\W1L2.mid",
            "5800 hide frmw1l2",
            "5800 load frmw1l3",
            "5800 msgbox info \"World 1, Level 3: The Piggie Poker\" \"Level three\"",
            "5800 ignored 26 a modal box is open",
            "6800 closed",
            "6800 music play \\W1L3.mid",
            "6800 show frmw1l3",
            "11800 script-end",
        });
    EXPECT_EQ(level_lines(result), expected) << result.transcript;
}

TEST(World1Level2, DeadGrawnThreeNeverDropsTheSavedCowAgain)
{
    // The cow saved at Top 216 and Grawn 3's flame clicked again: the cow stays saved. The level
    // is won on the last Grawn's kill.
    std::vector<Probe> const stays_saved {
        { 3100, "timecow1.Enabled", "False" },
        { 3100, "imgcow1.Top", "216" },
        { 3100, "imgcow1.Visible", "False" },
    };
    auto result = run(playing + "click frmw1l2.imgpig1 right\nclick frmw1l2.imggrawn3\nwait 0.1\nclick frmw1l2.imgcow1 right\n"
            + "click frmw1l2.imggrawn3\n" + probing(stays_saved, 100)
            + "click frmw1l2.imggrawn2\nprint frmw1l2.Visible\nclick frmw1l2.imggrawn1\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_probes(result, stays_saved);
    EXPECT_TRUE(result.has("3100 value frmw1l2.Visible True"));
    EXPECT_TRUE(result.has("3100 hide frmw1l2"));
    EXPECT_TRUE(result.has("3100 load frmw1l3"));
    EXPECT_EQ(boxes_opened(result), 2) << result.transcript;
}

TEST(World1Level2, CowReleasedAndLeftAloneIsLostAfterFortyEightTicks)
{
    auto result = run(playing + "click frmw1l2.imgpig1 right\nclick frmw1l2.imggrawn3\nwait 1.175\nprint frmw1l2.imgcow1.Top\nwait 0.025\n"
                                "print frmw1l2.imgcow1.Top\nwait 1\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const expected = opened(0,
        {
            "1175 value frmw1l2.imgcow1.Top 388",
            "1200 msgbox info \"Grawn 2\" \"Oh no!  A cow died!  Game Over!  Please play again...\"",
            "1200 value frmw1l2.imgcow1.Top 392",
            "2200 closed",
            "2200 unload frmw1l2",
            "2200 music stop \\W1L2.mid",
            "2200 end",
        });
    EXPECT_EQ(level_lines(result), expected) << result.transcript;
}

TEST(World1Level2, ShootingAnAnimalEndsTheGameWithOneBoxOnly)
{
    // While each box is open the pig walks on into the flames (and the shot cow falls into
    // them): neither opens a second box.
    auto pig = run(playing + "wait 0.5\nclick frmw1l2.imgpig1\nwait 3\nok\n", game());
    EXPECT_TRUE(pig.has("500 msgbox none \"Grawn 2\" \"Oh no!  You shot a pig!  Game over!  Please play again!\"")) << pig.transcript;
    EXPECT_TRUE(pig.has("3500 unload frmw1l2"));
    EXPECT_TRUE(pig.has("3500 end"));
    EXPECT_EQ(boxes_opened(pig), 2) << pig.transcript;

    auto cow = run(playing + "click frmw1l2.imggrawn3\nwait 0.1\nclick frmw1l2.imgcow1\nwait 3\nok\n", game());
    EXPECT_TRUE(cow.has("100 msgbox none \"Grawn 2\" \"Oh no!  You shot a cow!  Game over!  Please play again!\"")) << cow.transcript;
    EXPECT_TRUE(cow.has("3100 unload frmw1l2"));
    EXPECT_TRUE(cow.has("3100 music stop \\W1L2.mid"));
    EXPECT_TRUE(cow.has("3100 end"));
    EXPECT_EQ(boxes_opened(cow), 2) << cow.transcript;
}
