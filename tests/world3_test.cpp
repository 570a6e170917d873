// All of World 3 in one run: from the title screen's World 3 cheat through every screen to the
// hand-over to World 4.
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

TEST(World3, PlaysFromTheCheatToTheHandOverToWorld4)
{
    auto const script = testing_support::read_script("world3_playthrough.script");
    ASSERT_FALSE(script.empty());
    auto result = testing_support::run(script, testing_support::game({ { "frmw4l1", testing_support::stand_in("frmw4l1") } }));
    EXPECT_EQ(result.exit_code, 0) << result.errors;

    std::vector<std::string> const chain { "intro", "frmw3l1", "frmw3l2", "frmw3l3x", "frmw3l3", "frmw3l42", "frmw3l5", "frmw4l1" };
    EXPECT_EQ(result.shown(), chain) << result.transcript;

    // The World 3 code starts the count at 2; the regatta adds its bonus.
    testing_support::expect_values(result,
        { "18350 hide frmw3l1", "18350 hide frmw3l2", "46075 hide frmw3l3x", "49575 hide frmw3l3", "51575 hide frmw3l42", "78075 hide frmw3l5",
            "78075 value intro.bonusbags.Interval 3" });
    EXPECT_EQ(result.count("Game over"), 0) << result.transcript;
    for (auto const& line : result.lines())
        EXPECT_FALSE(line.ends_with(" end")) << "the game goes on into World 4: " << line;
}
