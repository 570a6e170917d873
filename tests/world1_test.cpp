// All of World 1 in one run: from Start through every screen to the hand-over to World 2.
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

using namespace platform;

TEST(World1, PlaysFromStartToTheHandOverToWorld2)
{
    auto const script = testing_support::read_script("world1_playthrough.script");
    ASSERT_FALSE(script.empty());
    auto result = testing_support::run(script, testing_support::game({ { "frmw2l1", testing_support::stand_in("frmw2l1") } }));
    EXPECT_EQ(result.exit_code, 0) << result.errors;

    std::vector<std::string> const chain { "intro", "frmw1l1", "frmw1l2", "frmw1l3", "frmw1l4", "frmw1l5", "frmw2l1" };
    EXPECT_EQ(result.shown(), chain) << result.transcript;

    for (auto const* line : { "26300 value intro.bonusbags.Interval 1", "66300 hide frmw1l5", "66300 load frmw2l1", "66300 show frmw2l1",
             
             // 53.3 s since Start, less the play clock's ticks that fell due during the four
             // synchronous gunshots, which handle no events and so coalesce them.
             "66300 value intro.bigtime.Interval 50" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    EXPECT_EQ(result.transcript.find("died"), std::string::npos);
    EXPECT_EQ(result.transcript.find(" end\n"), std::string::npos) << "the game goes on into World 2";
}
