// The complex's destruction played by scripts: the eight blasts with their gunshots, the sixteen
// explosions climbing the block while the window rumbles, the box and the hand-over to the boss
// fight; the window back in place, and a window closed mid-scene.
#include "scenes/frmw4l2x.hpp"
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

// Stands in for the Big Bad Grawn's fight: briefs and plays its tune.
class BossFight : public screen::Screen {
public:
    explicit BossFight(Runtime& runtime)
        : Screen(runtime, "frmw4l2", { .caption = "Grawn 2", .width = 471, .height = 302 })
    {
    }
    void Form_Load() override
    {
        briefing("World 4, Level 2: The Big Bad Grawn", "The boss");
        PlayMusic("\\W4L2.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({
        { "frmw4l2x", [](Runtime& rt) { return std::make_unique<scenes::frmw4l2x>(rt); } },
        { "frmw4l2", [](Runtime& rt) { return std::make_unique<BossFight>(rt); } },
    });
}

// The transcript from the scene's load on: the title screen behind it is left out.
Lines from_load(ScriptRun const& result)
{
    auto lines = result.lines();
    auto start = std::find(lines.begin(), lines.end(), "0 load frmw4l2x");
    return { start, lines.end() };
}

}


TEST(ComplexDestroyed, BlastsThenExplosionsClimbTheBlockAndTheBoxHandsOverToTheBossFight)
{
    // A blast with its gunshot every second from 1025 ms, the rumble from 9025 ms, an explosion
    // every second from 10050 ms: each wait of the script ends only when the round of jolts
    // running inside it has ended, so the explosions keep the rumble's beat.
    auto result = run("show frmw4l2x\nprint frmw4l2x.Left\nprint frmw4l2x.Top\nwait 1.024\nprint frmw4l2x.imgboom(0).Visible\n"
                      "wait 0.001\nprint frmw4l2x.imgboom(0).Visible\nprint frmw4l2x.imgboom(1).Visible\n"
                      "wait 7\nprint frmw4l2x.imgboom(7).Visible\nprint frmw4l2x.shake.Enabled\n"
                      "wait 1\nprint frmw4l2x.shake.Enabled\nprint frmw4l2x.imgboom(8).Visible\nwait 0.03\nprint frmw4l2x.Left\n"
                      "print frmw4l2x.Top\nwait 0.994\nprint frmw4l2x.imgboom(8).Visible\nwait 0.001\nprint frmw4l2x.imgboom(8).Visible\n"
                      "print frmw4l2x.imgboom(9).Visible\nwait 14.99\nprint frmw4l2x.imgboom(22).Visible\nprint frmw4l2x.imgboom(23).Visible\nwait 0.01\n"
                      "print frmw4l2x.imgboom(23).Visible\nwait 0.995\nprint frmw4l2x.shake.Enabled\nprint frmw4l2x.Timer1.Enabled\n"
                      "print frmw4l2x.Left\nprint frmw4l2x.Top\nwait 1\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "1024 value frmw4l2x.imgboom(0).Visible False",
            "1025 value frmw4l2x.imgboom(0).Visible True",
            "1025 value frmw4l2x.imgboom(1).Visible False",
            "8025 value frmw4l2x.imgboom(7).Visible True",
            "8025 value frmw4l2x.shake.Enabled False",
            "9025 value frmw4l2x.shake.Enabled True",
            "9025 value frmw4l2x.imgboom(8).Visible False",
            "10049 value frmw4l2x.imgboom(8).Visible False",
            "10050 value frmw4l2x.imgboom(8).Visible True",
            "10050 value frmw4l2x.imgboom(9).Visible False",
            "25040 value frmw4l2x.imgboom(22).Visible True",
            "25040 value frmw4l2x.imgboom(23).Visible False",
            "25050 value frmw4l2x.imgboom(23).Visible True",
            "26045 value frmw4l2x.shake.Enabled True",
            "26045 value frmw4l2x.Timer1.Enabled True",
        });
    auto const lines = result.lines();
    // Mid-jolt the window stands 25 twips up and left of where it began; at the end it is back.
    auto const number = [](std::string const& line) { return std::stod(line.substr(line.rfind(' ') + 1)); };
    auto const value_at = [&](std::string const& prefix) {
        auto it = std::find_if(lines.begin(), lines.end(), [&](auto const& l) { return l.starts_with(prefix); });
        EXPECT_NE(it, lines.end()) << prefix;
        return it == lines.end() ? 0.0 : number(*it);
    };
    EXPECT_EQ(value_at("9055 value frmw4l2x.Left"), value_at("0 value frmw4l2x.Left") - 25);
    EXPECT_EQ(value_at("9055 value frmw4l2x.Top"), value_at("0 value frmw4l2x.Top") - 25);
    EXPECT_EQ(value_at("26045 value frmw4l2x.Left"), value_at("0 value frmw4l2x.Left"));
    EXPECT_EQ(value_at("26045 value frmw4l2x.Top"), value_at("0 value frmw4l2x.Top"));

    auto const all = from_load(result);
    Lines sounds;
    std::copy_if(all.begin(), all.end(), std::back_inserter(sounds), [](auto const& l) { return l.find(" sound ") != std::string::npos; });
    ASSERT_EQ(sounds.size(), 8u + 1 + 85) << result.transcript;
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(sounds.at(k), std::to_string(1025 + 1000 * k) + " sound \\gundead.wav async");
    // The rumble: one explosion as it starts, then one with every round of jolts to the end.
    EXPECT_EQ(sounds.at(8), "9025 sound \\explosion.wav async");
    EXPECT_EQ(sounds.at(9), "9050 sound \\explosion.wav async");
    EXPECT_EQ(sounds.at(10), "9250 sound \\explosion.wav async");
    EXPECT_EQ(sounds.back(), "25850 sound \\explosion.wav async");

    EXPECT_EQ(Lines(all.end() - 6, all.end()),
        (Lines {
            "26050 msgbox none \"Grawn 2\" \"Complex Destroyed!  Good job, now the only task remaining is to save the last 2 of the stolen animals!\"",
            "27045 closed",
            "27045 hide frmw4l2x",
            "27045 load frmw4l2",
            "27045 msgbox info \"World 4, Level 2: The Big Bad Grawn\" \"The boss\"",
            "27045 script-end",
        }))
        << result.transcript;
}

TEST(ComplexDestroyed, ClosingTheWindowMidSceneEndsTheGame)
{
    auto result = run("show frmw4l2x\nwait 12\nclose frmw4l2x\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const lines = from_load(result);
    EXPECT_EQ(Lines(lines.end() - 2, lines.end()), (Lines { "12000 unload frmw4l2x", "12000 end" })) << result.transcript;
    EXPECT_FALSE(result.has("12000 load frmw4l2")) << result.transcript;
}
