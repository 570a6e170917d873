// "The End?" played by scripts: the shots through the picture, the robbers' walk, the animals
// taken one by one with their cries, the box and the hand-over to World 4; and closing it early.
#include "scenes/frmw3l5.hpp"
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
    return testing_support::game({ { "frmw3l5", [](Runtime& rt) { return std::make_unique<scenes::frmw3l5>(rt); } },
        { "frmw4l1", testing_support::stand_in("frmw4l1") } });
}

std::vector<std::string> scene_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) { return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos; });
    return lines;
}

}

TEST(TheEndScene, ShotsRobbersAndTheAnimalsTakenThenWorldFour)
{
    auto result = run("show frmw3l5\nwait 4.999\nprint frmw3l5.hole(0).Visible\nwait 0.001\nprint frmw3l5.hole(0).Visible\n"
                      "print frmw3l5.Label1.Caption\nwait 5\nprint frmw3l5.Label1.Caption\nprint frmw3l5.robber(8).Visible\n"
                      "wait 0.925\nprint frmw3l5.robber(0).Left\nprint frmw3l5.timerobber.Enabled\nwait 3\nprint frmw3l5.sheep(0).Visible\n"
                      "print frmw3l5.sheep(1).Visible\nwait 12.5\nprint frmw3l5.cow(5).Visible\nprint frmw3l5.robber(0).Visible\nwait 0.5\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* value : { "4999 value frmw3l5.hole(0).Visible False", "5000 value frmw3l5.hole(0).Visible True",
             "5000 value frmw3l5.Label1.Caption \"The End!\"", "10000 value frmw3l5.Label1.Caption \"The End?\"",
             "10000 value frmw3l5.robber(8).Visible True", "10925 value frmw3l5.robber(0).Left 376", "10925 value frmw3l5.timerobber.Enabled False",
             "13925 value frmw3l5.sheep(0).Visible False", "13925 value frmw3l5.sheep(1).Visible True", "26425 value frmw3l5.cow(5).Visible False",
             "26425 value frmw3l5.robber(0).Visible False" })
        EXPECT_TRUE(result.has(value)) << value << "\n" << result.transcript;

    std::vector<std::string> expected { "0 load frmw3l5", "0 show frmw3l5" };
    for (int shot = 0; shot < 10; ++shot)
        expected.push_back(std::to_string(5000 + 500 * shot) + " sound \\gundead.wav async");
    expected.push_back("10925 sound \\giveup.wav async");
    int at = 13925;
    for (auto const& [count, cry] : { std::pair { 10, "sheep" }, std::pair { 9, "pig" }, std::pair { 6, "cow" } }) {
        for (int i = 0; i < count; ++i, at += 500)
            expected.push_back(std::to_string(at) + " sound \\" + cry + ".wav async");
    }
    for (auto const* line : { "26425 msgbox info \"World 3 Complete\" \"Oh No!  The robbers took the farm animals!  You must get them back!\"",
             "26925 closed", "26925 hide frmw3l5", "26925 load frmw4l1", "26925 show frmw4l1", "26925 script-end" })
        expected.emplace_back(line);
    EXPECT_EQ(scene_lines(result), expected) << result.transcript;
}

TEST(TheEndScene, ClosingTheWindowMidSceneEndsTheGameAtOnce)
{
    for (auto const* when : { "7.2", "15" }) {
        auto result = run(std::string("show frmw3l5\nwait ") + when + "\nclose frmw3l5\nwait 30\n", game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        auto const lines = scene_lines(result);
        ASSERT_GE(lines.size(), 2u);
        auto const ms = std::to_string(static_cast<int>(std::stod(when) * 1000));
        EXPECT_EQ(std::vector<std::string>(lines.end() - 2, lines.end()), (std::vector<std::string> { ms + " unload frmw3l5", ms + " end" }))
            << result.transcript;
        EXPECT_EQ(result.count("frmw4l1"), 0);
    }
}
