// The tutorial played by scripts: its two lessons, the practice pig, the rebuke and LEAVE.
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::run;

namespace {


HeadlessGame game()
{
    return testing_support::game({ { "frmw1l1", testing_support::stand_in("frmw1l1") } });
}

}

TEST(Tutorial, LessonsPigRebukeAndLeave)
{
    auto result = run("show frmlearn\nwait 4.99\nprint frmlearn.imgpig1.Visible\nwait 0.01\nprint frmlearn.imgpig1.Visible\n"
                      "print frmlearn.Timer1.Enabled\n"
                      // Twelve steps of 10 pixels take the pig from 80 past the left edge; it comes back at 376.
                      "wait 0.275\nprint frmlearn.imgpig1.Left\nwait 0.025\nprint frmlearn.imgpig1.Left\n"
                      "wait 0.6\nclick frmlearn.imgpig1\nok\nwait 1\nclick frmlearn.imgpig1\nok\nwait 1\nclick frmlearn.imgpig1 right\n"
                      "print frmlearn.imgpig1.Visible\nprint frmlearn.timepig1.Enabled\nprint frmlearn.Label2.Caption\nwait 10\nclick frmlearn.Label3\n"
                      "print frmlearn.Visible\nprint frmw1l1.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* line : {
             "0 load frmlearn",
             "4990 value frmlearn.imgpig1.Visible False",
             "5000 value frmlearn.imgpig1.Visible True",
             "5000 value frmlearn.Timer1.Enabled False",
             "5275 value frmlearn.imgpig1.Left -30",
             "5300 value frmlearn.imgpig1.Left 376",
             "5900 msgbox none \"Grawn 2\" \"Doh!  Don't shoot the pigs!\"",
             "6900 msgbox none \"Grawn 2\" \"Doh!  Don't shoot the pigs!\"",
             "7900 value frmlearn.imgpig1.Visible False",
             "7900 value frmlearn.timepig1.Enabled False",
             "7900 value frmlearn.Label2.Caption \"Now, you'll want to take out the the grawns.  The Grawns want to eat the farm animals, therefore they are evil.  And since they are evil, there is only one thing to do... shoot them!  You your left mouse button to fire at them.\"",
             "17900 hide frmlearn",
             "17900 load frmw1l1",
             "17900 show frmw1l1",
             "17900 value frmlearn.Visible False",
             "17900 value frmw1l1.Visible True",
         })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    EXPECT_EQ(result.transcript.find(" end"), std::string::npos) << "shooting the practice pig never ends the game";
}

TEST(Tutorial, LeavingEarlySkipsTheLesson)
{
    auto result = run("show frmlearn\nwait 1\nclick frmlearn.Label3\nwait 10\nprint frmlearn.imgpig1.Visible\nprint frmlearn.Label2.Caption\n", game());
    EXPECT_TRUE(result.has("1000 hide frmlearn")) << result.transcript;
    EXPECT_TRUE(result.has("11000 value frmlearn.imgpig1.Visible False"));
    EXPECT_TRUE(result.has("11000 value frmlearn.Label2.Caption \"Welcome to Grawn 2!  You're here because you probally aren't farmilair with the gameplay.  If you are, hit the leave button.\""));
}
