// The S-Grawn intermission played by scripts: the pig and the Grawn on their way, the machine's
// work and the S-Grawn with their timings, the howl, the shake under the story box and the pig's
// death, the hand-over to World 3, clicks that change nothing and a window closed mid-scene.
#include "art/grawn.hpp"
#include "art/reincarnation.hpp"
#include "scenes/frmw2l5.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;
using Lines = std::vector<std::string>;

namespace {

// Stands in for World 3 Level 1: it stops the tune the scene leaves playing, briefs, plays its own.
class WorldThree : public screen::Screen {
public:
    explicit WorldThree(Runtime& runtime)
        : Screen(runtime, "frmw3l1", { .caption = "Grawn 2", .width = 400, .height = 300 })
    {
    }
    void Form_Load() override
    {
        StopMusic("\\W2L52.mid");
        briefing("World 3, Level 1: The S-Bomb", "World three");
        PlayMusic("\\W3L1.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({
        { "frmw2l5", [](Runtime& rt) { return std::make_unique<scenes::frmw2l5>(rt); } },
        { "frmw3l1", [](Runtime& rt) { return std::make_unique<WorldThree>(rt); } },
    });
}

// The transcript from the scene's load on: the title screen behind it is left out.
Lines from_load(ScriptRun const& result)
{
    auto lines = result.lines();
    auto start = std::find(lines.begin(), lines.end(), "0 load frmw2l5");
    return { start, lines.end() };
}

std::string const story_box = "msgbox info \"Grawn 2\" \"World 2 Complete!  Congratulations!  But watch out for these new S-Grawns!\"";

// The scene from its load to World 3, with the story box left open until 20 s; waits are chosen
// to fall between the scene's events (the machine starts at 3975 ms, the howl comes at 10775 ms).
std::string const whole_scene = "show frmw2l5\n"
                                "wait 0.2\nprint frmw2l5.imgpig.Left\nprint frmw2l5.timegrawn11.Enabled\n"
                                "wait 0.025\nprint frmw2l5.imgpig.Left\nprint frmw2l5.timegrawn11.Enabled\nprint frmw2l5.imggrawn.Left\n"
                                "wait 0.025\nprint frmw2l5.imggrawn.Left\n"
                                "wait 0.7\nprint frmw2l5.imggrawn.Left\nprint frmw2l5.imggrawn.Visible\n"
                                "wait 0.025\nprint frmw2l5.imgpig.Left\nprint frmw2l5.imggrawn.Visible\nprint frmw2l5.timepig1.Enabled\n"
                                "print frmw2l5.timegrawn11.Enabled\nprint frmw2l5.timegrawn12.Enabled\n"
                                "wait 3\nprint frmw2l5.imgmachine.Picture\n"
                                "wait 0.1\nprint frmw2l5.imgmachine.Picture\n"
                                "wait 0.5\nprint frmw2l5.imgmachine.Picture\n"
                                "wait 2\nprint frmw2l5.imgmachine.Picture\nprint frmw2l5.imggrawn.Visible\n"
                                "wait 0.4\nprint frmw2l5.imgmachine.Picture\nprint frmw2l5.imggrawn.Left\nprint frmw2l5.imggrawn.Picture\n"
                                "wait 1\nprint frmw2l5.imggrawn.Picture\n"
                                "wait 0.6\nprint frmw2l5.imggrawn.Picture\n"
                                "wait 0.3\nprint frmw2l5.imggrawn.Visible\n"
                                "wait 1\nprint frmw2l5.imggrawn.Left\nprint frmw2l5.imggrawn.Visible\nprint frmw2l5.imggrawn.Picture\n"
                                "wait 0.6\nprint frmw2l5.imggrawn.Picture\nprint frmw2l5.imgpig.Picture\n"
                                "wait 0.335\nprint frmw2l5.Top\nprint frmw2l5.Left\nprint frmw2l5.imgpig.Picture\n"
                                "wait 0.215\nprint frmw2l5.Top\nprint frmw2l5.Left\nprint frmw2l5.imgpig.Picture\nprint frmw2l5.imgpig.Left\n"
                                "print frmw2l5.shake.Enabled\nprint frmw2l5.timegrawn12.Enabled\n"
                                "wait 9\nok\nok\nwait 5\n"
                                "print frmw2l5.Visible\nprint frmw2l5.imgpig.Picture\nprint frmw2l5.imggrawn.Picture\n";

}

TEST(SGrawnScene, WholeSceneWithItsTimingsAndHandOver)
{
    auto result = run(whole_scene, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    Lines const expected {
        "0 load frmw2l5",
        "0 music stop \\W2L4.mid",
        "0 music play \\W2L5.mid",
        "0 show frmw2l5",
        // The pig steps 5.75 pixels a tick; the Grawn sets off once the pig is in the picture.
        "200 value frmw2l5.imgpig.Left -4",
        "200 value frmw2l5.timegrawn11.Enabled False",
        "225 value frmw2l5.imgpig.Left 1.75",
        "225 value frmw2l5.timegrawn11.Enabled True",
        "225 value frmw2l5.imggrawn.Left 88",
        "250 value frmw2l5.imggrawn.Left 92",
        // Thirty steps of 4 bring the Grawn to the machine's door: it goes in, and the pig stops
        // where it is.
        "950 value frmw2l5.imggrawn.Left 204",
        "950 value frmw2l5.imggrawn.Visible True",
        "975 value frmw2l5.imgpig.Left 174.25",
        "975 value frmw2l5.imggrawn.Visible False",
        "975 value frmw2l5.timepig1.Enabled False",
        "975 value frmw2l5.timegrawn11.Enabled False",
        "975 value frmw2l5.timegrawn12.Enabled True",
        // Three seconds later the machine works through its frames, rests, shows the face.
        "3975 value frmw2l5.imgmachine.Picture imgmf2",
        "4075 value frmw2l5.imgmachine.Picture imgmf3",
        "4575 value frmw2l5.imgmachine.Picture imgmf1",
        "6575 value frmw2l5.imgmachine.Picture imgmf8",
        "6575 value frmw2l5.imggrawn.Visible False",
        // The changed Grawn comes out at the machine's far end to the new tune.
        "6975 music stop \\W2L5.mid",
        "6975 music play \\W2L52.mid",
        "6975 value frmw2l5.imgmachine.Picture imgmf1",
        "6975 value frmw2l5.imggrawn.Left 458",
        "6975 value frmw2l5.imggrawn.Picture imggf2",
        "7975 value frmw2l5.imggrawn.Picture imggf3",
        "8575 value frmw2l5.imggrawn.Picture imggf5",
        "8875 value frmw2l5.imggrawn.Visible False",
        // ... and is back a second later at the left edge, behind the pig.
        "9875 value frmw2l5.imggrawn.Left 0",
        "9875 value frmw2l5.imggrawn.Visible True",
        "9875 value frmw2l5.imggrawn.Picture imggf4",
        "10475 value frmw2l5.imggrawn.Picture imggf2",
        "10475 value frmw2l5.imgpig.Picture imgpig",
        // The howl and the story box; under the box the window shakes and the pig dies.
        "10775 sound \\howl.wav async",
        "10775 " + story_box,
        "10810 value frmw2l5.Top 3830",
        "10810 value frmw2l5.Left 3830",
        "10810 value frmw2l5.imgpig.Picture imgpig",
        "11025 value frmw2l5.Top 3855",
        "11025 value frmw2l5.Left 3855",
        "11025 value frmw2l5.imgpig.Picture imgbf1",
        "11025 value frmw2l5.imgpig.Left 174.25",
        "11025 value frmw2l5.shake.Enabled False",
        "11025 value frmw2l5.timegrawn12.Enabled False",
        // The new tune goes on into World 3, which stops it.
        "20025 closed",
        "20025 music stop \\W2L5.mid",
        "20025 hide frmw2l5",
        "20025 load frmw3l1",
        "20025 music stop \\W2L52.mid",
        "20025 msgbox info \"World 3, Level 1: The S-Bomb\" \"World three\"",
        "20025 closed",
        "20025 music play \\W3L1.mid",
        "20025 show frmw3l1",
        // Nothing on the hidden scene acts again.
        "25025 value frmw2l5.Visible False",
        "25025 value frmw2l5.imgpig.Picture imgbf1",
        "25025 value frmw2l5.imggrawn.Picture imggf2",
        "25025 script-end",
    };
    EXPECT_EQ(from_load(result), expected) << result.transcript;
}

TEST(SGrawnScene, ClicksChangeNothing)
{
    // The same scene with the player clicking the pig, the Grawn, the machine and the field with
    // both buttons, while they walk, while the machine works and on the story box.
    std::string clicked = whole_scene;
    auto const insert_after = [&](std::string const& anchor, std::string const& clicks) {
        auto at = clicked.find(anchor);
        ASSERT_NE(at, std::string::npos);
        clicked.insert(at + anchor.size(), clicks);
    };
    insert_after("show frmw2l5\nwait 0.2\n", "click frmw2l5.imgpig\nclick frmw2l5.imggrawn right\nclickat frmw2l5 60 100\n");
    insert_after("wait 3\n", "click frmw2l5.imgmachine\nclick frmw2l5.imgmachine right\nclick frmw2l5.Label1\n");
    insert_after("wait 0.6\nprint frmw2l5.imggrawn.Picture\nprint frmw2l5.imgpig.Picture\n", "click frmw2l5.imggrawn\n");
    insert_after("wait 9\n", "click frmw2l5.imgpig right\n");
    auto quiet = run(whole_scene, game());
    auto busy = run(clicked, game());
    auto const without_ignored = [](Lines lines) {
        std::erase_if(lines, [](auto const& line) { return line.find(" ignored ") != std::string::npos; });
        return lines;
    };
    EXPECT_EQ(without_ignored(busy.lines()), without_ignored(quiet.lines())) << busy.transcript;
}

TEST(SGrawnScene, ClosingTheWindowMidSceneSilencesBothTunesAndEndsTheGame)
{
    // While the machine works, before the new tune: nothing of the sequence comes after.
    auto during_machine = from_load(run("show frmw2l5\nwait 5\nclose frmw2l5\nwait 20\n", game()));
    ASSERT_GE(during_machine.size(), 4u);
    EXPECT_EQ(Lines(during_machine.end() - 4, during_machine.end()),
        (Lines { "5000 unload frmw2l5", "5000 music stop \\W2L5.mid", "5000 music stop \\W2L52.mid", "5000 end" }));

    // After the new tune has started, while the S-Grawn is away: no howl, no story, no World 3.
    auto result = run("show frmw2l5\nwait 9\nclose frmw2l5\nwait 20\n", game());
    auto const changed = from_load(result);
    ASSERT_GE(changed.size(), 4u);
    EXPECT_EQ(Lines(changed.end() - 4, changed.end()),
        (Lines { "9000 unload frmw2l5", "9000 music stop \\W2L5.mid", "9000 music stop \\W2L52.mid", "9000 end" }))
        << result.transcript;
    EXPECT_EQ(result.count("howl"), 0) << result.transcript;
    EXPECT_EQ(result.count("frmw3l1"), 0) << result.transcript;
}

TEST(SGrawnScene, EveryPictureChangeOfTheSceneShows)
{
    // The machine's frames in the order the scene plays them, back to rest and to the face: each
    // differs from the one before, at the size of the machine's sprite.
    std::vector<platform::Raster> machine { rasterize(art::reincarnation_machine_at_rest(), 1) };
    for (int step = 1; step <= art::reincarnation_machine_steps; ++step)
        machine.push_back(rasterize(art::reincarnation_machine_working(step), 1));
    machine.push_back(rasterize(art::reincarnation_machine_at_rest(), 1));
    machine.push_back(rasterize(art::reincarnation_machine_face(), 1));
    for (std::size_t i = 0; i < machine.size(); ++i) {
        EXPECT_EQ(machine[i].width, 250);
        EXPECT_EQ(machine[i].height, 125);
        if (i > 0) {
            EXPECT_NE(machine[i].pixels, machine[i - 1].pixels) << "machine frame " << i;
        }
    }
    // The S-Grawn at its peak is a Grawn-sized picture of its own.
    auto const surging = rasterize(art::s_grawn_surging(art::Facing::right), 1);
    EXPECT_EQ(surging.width, 35);
    EXPECT_EQ(surging.height, 34);
    EXPECT_NE(surging.pixels, rasterize(art::s_grawn(art::Mutation::mutated, art::Facing::right), 1).pixels);
}
