// The flashback played by scripts: the walk to the stone and the flicker, the change of scene,
// the dialogue and the kill, the walk away and the hand-over; closing it stops every tune.
#include "scenes/frmw4l3x.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;

namespace {


HeadlessGame game()
{
    return testing_support::game({ { "frmw4l3x", [](Runtime& rt) { return std::make_unique<scenes::frmw4l3x>(rt); } },
        { "frmw4l3", testing_support::stand_in("frmw4l3") } });
}

std::vector<std::string> scene_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) { return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos; });
    return lines;
}

}

TEST(Flashback, PlaysBothScenesThroughToRavedsLevel)
{
    // Walks of 135, 155, 116 and 141 ticks; the flicker takes 10.5 s, the dialogue 12 s.
    auto result = run("show frmw4l3x\nwait 3.375\nprint frmw4l3x.sheep.Left\nprint frmw4l3x.sheep.Picture\nwait 1\n"
                      "print frmw4l3x.sheep.Picture\nwait 9.5\nprint frmw4l3x.sheep.Picture\nprint frmw4l3x.timesheep2.Enabled\n"
                      "wait 3.875\nprint frmw4l3x.Label1.Caption\nprint frmw4l3x.Image1.Visible\nprint frmw4l3x.grawn(3).Visible\n"
                      "print frmw4l3x.sheep.Picture\nwait 2.9\nprint frmw4l3x.Label2.Caption\nwait 7\nprint frmw4l3x.sheep.Top\n"
                      "print frmw4l3x.grawn(1).Picture\nwait 5\nprint frmw4l3x.Label2.Caption\nprint frmw4l3x.sheep.Picture\nwait 3.525\n"
                      "print frmw4l3x.grawn(0).Left\nprint frmw4l3x.grawn(1).Left\nprint frmw4l3x.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* value : { "3375 value frmw4l3x.sheep.Left 270", "3375 value frmw4l3x.sheep.Picture sf1", "4375 value frmw4l3x.sheep.Picture sf2",
             "13875 value frmw4l3x.sheep.Picture sf3", "13875 value frmw4l3x.timesheep2.Enabled True",
             "17750 value frmw4l3x.Label1.Caption \"1 Year Ago\"", "17750 value frmw4l3x.Image1.Visible False",
             "17750 value frmw4l3x.grawn(3).Visible True", "17750 value frmw4l3x.sheep.Picture sf2",
             "20650 value frmw4l3x.Label2.Caption \"Grawn: Why should we attack the farm animals?\"", "27650 value frmw4l3x.sheep.Top 180",
             "27650 value frmw4l3x.grawn(1).Picture blood", "32650 value frmw4l3x.Label2.Caption \"Grawn: We're on our way!\"",
             "32650 value frmw4l3x.sheep.Picture sf3", "36175 value frmw4l3x.grawn(0).Left -50", "36175 value frmw4l3x.grawn(1).Left 256",
             "36175 value frmw4l3x.Visible False" })
        EXPECT_TRUE(result.has(value)) << value << "\n" << result.transcript;
    EXPECT_EQ(scene_lines(result),
        (std::vector<std::string> { "0 load frmw4l3x", "0 music play \\W4L3X1.mid", "0 show frmw4l3x", "13875 music stop \\W4L3X1.mid",
            "13875 music play \\W4L3X2.mid", "17750 music stop \\W4L3X2.mid", "17750 music play \\W4L3X3.mid", "27650 sound \\gundead.wav async",
            "36175 music stop \\W4L3X3.mid", "36175 hide frmw4l3x", "36175 load frmw4l3", "36175 show frmw4l3", "36175 script-end" }))
        << result.transcript;
}

TEST(Flashback, ClosingItInTheMiddleStopsEveryTuneAndEndsTheGame)
{
    auto result = run("show frmw4l3x\nwait 22\nclose frmw4l3x\nwait 20\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const lines = scene_lines(result);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end()),
        (std::vector<std::string> { "22000 unload frmw4l3x", "22000 music stop \\W4L3X1.mid", "22000 music stop \\W4L3X2.mid",
            "22000 music stop \\W4L3X3.mid", "22000 end" }))
        << result.transcript;
    EXPECT_EQ(result.count("gundead"), 0) << result.transcript;
}
