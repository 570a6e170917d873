// All of World 2 in one run: from the title screen's World 2 cheat through every screen to the
// hand-over to World 3.
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

using namespace platform;

TEST(World2, PlaysFromTheCheatToTheHandOverToWorld3)
{
    auto const script = testing_support::read_script("world2_playthrough.script");
    ASSERT_FALSE(script.empty());
    auto result = testing_support::run(script, testing_support::game({ { "frmw3l1", testing_support::stand_in("frmw3l1") } }));
    EXPECT_EQ(result.exit_code, 0) << result.errors;

    std::vector<std::string> const chain { "intro", "frmw2l1", "frmw2l2", "frmw2l3", "frmw2l4", "frmw2l5", "frmw3l1" };
    EXPECT_EQ(result.shown(), chain) << result.transcript;

    for (auto const* line : { "19050 hide frmw2l1", "24200 hide frmw2l2", "24200 hide frmw2l3", "25200 hide frmw2l4", "36200 hide frmw2l5",
             "36200 show frmw3l1",
             // The cheat marks the run with 20; the road crossing adds its bonus.
             "36200 value intro.bonusbags.Interval 21" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    EXPECT_EQ(result.count("Game over"), 0) << result.transcript;
    for (auto const& line : result.lines())
        EXPECT_FALSE(line.ends_with(" end")) << "the game goes on into World 3: " << line;
}
