// The credits roll played by a script: the page headings at their times, the shots and howls,
// the unused line, and "The End" left standing.
#include "scenes/frmcredits.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace platform;
using testing_support::run;

namespace {

HeadlessGame game()
{
    return testing_support::game({ { "frmcredits", [](Runtime& rt) { return std::make_unique<scenes::frmcredits>(rt); } } });
}

}

TEST(CreditsRoll, PagesComeAtTheirTimesAndTheEndStays)
{
    // Each page: two seconds' wait, the heading, a second per entry, three seconds' hold.
    auto result = run("show frmcredits\nwait 2.499\nprint frmcredits.Label1.Caption\nwait 0.001\nprint frmcredits.Label1.Caption\n"
                      "wait 5\nprint frmcredits.Label1.Caption\nwait 1\nprint frmcredits.Label2.Caption\nwait 66\n"
                      "print frmcredits.Label1.Caption\nwait 4\nprint frmcredits.Label5.Caption\nwait 38\nprint frmcredits.Label1.Caption\n"
                      "wait 5\nprint frmcredits.Label1.Caption\nwait 6\nprint frmcredits.Label6.Caption\nprint frmcredits.credits.Enabled\n"
                      "wait 60\nprint frmcredits.Label1.Caption\nclose frmcredits\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* value : { "2499 value frmcredits.Label1.Caption \"\"", "2500 value frmcredits.Label1.Caption \"Grawn 2 Credits\"",
             "7500 value frmcredits.Label1.Caption \"Programmed By\"", "8500 value frmcredits.Label2.Caption \"Jordan Pell\"",
             "74500 value frmcredits.Label1.Caption \"Specail Thanks To\"", "78500 value frmcredits.Label5.Caption \"Pell the Dog\"",
             "116500 value frmcredits.Label1.Caption \"Grawn Will Return\"", "121500 value frmcredits.Label1.Caption \"The End\"",
             "127500 value frmcredits.Label6.Caption \"\"", "127500 value frmcredits.credits.Enabled False",
             "187500 value frmcredits.Label1.Caption \"The End\"" })
        EXPECT_TRUE(result.has(value)) << value << "\n" << result.transcript;
    // 18 headings, 34 entries and the five last shots; a howl for every page but the seventeenth.
    EXPECT_EQ(result.count("gundead.wav"), 57) << result.transcript;
    EXPECT_EQ(result.count("howl.wav"), 17) << result.transcript;
    EXPECT_FALSE(result.has("119500 sound \\howl.wav async")) << result.transcript;
    EXPECT_TRUE(result.has("126500 sound \\howl.wav async")) << result.transcript;
    EXPECT_TRUE(result.has("0 music play \\CREDITS.mid")) << result.transcript;
    EXPECT_TRUE(result.has("187500 music stop \\CREDITS.mid")) << result.transcript;
    EXPECT_TRUE(result.has("187500 end")) << result.transcript;
}
