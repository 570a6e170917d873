// The World 3 boss played by scripts: the countdown, the Mecha Grawn's passes and weapon, the
// sinking animals and their rescue, the 84 shots and the ways the fight is lost.
#include "levels/rescue/frmw3l3.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using testing_support::expect_values;
using testing_support::run;
using testing_support::ScriptRun;

namespace {


HeadlessGame game()
{
    return testing_support::game({ { "frmw3l3", [](Runtime& rt) { return std::make_unique<levels::frmw3l3>(rt); } },
        { "frmw3l42", testing_support::stand_in("frmw3l42") } });
}

std::string const playing = "show frmw3l3\nok\n";

std::string clicks(std::string const& target, int count)
{
    std::string script;
    for (int i = 0; i < count; ++i)
        script += "click " + target + "\n";
    return script;
}

std::vector<std::string> ending(ScriptRun const& result, std::size_t count)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) { return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos; });
    return { lines.end() - static_cast<long>(std::min(count, lines.size())), lines.end() };
}

std::vector<std::string> game_over(int at, std::string const& text)
{
    auto const t = std::to_string(at) + " ";
    return { t + "msgbox none \"Grawn 2\" \"" + text + "\"", t + "closed", t + "unload frmw3l3", t + "music stop \\W3L3.mid", t + "end" };
}


}

TEST(World3Level3, TheCountdownRunsFromLoadEvenBehindTheBriefing)
{
    auto result = run("show frmw3l3\nprint frmw3l3.lbltime.Caption\nwait 2\nprint frmw3l3.lbltime.Caption\n"
                      "print frmw3l3.imgboss.Left\nwait 88\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "0 value frmw3l3.lbltime.Caption \"90\"", "2000 value frmw3l3.lbltime.Caption \"88\"", "2000 value frmw3l3.imgboss.Left 152" });
    // The time-out box opens over the briefing; the screen's unload closes the briefing too.
    EXPECT_EQ(ending(result, 6),
        (std::vector<std::string> { "90000 msgbox none \"Grawn 2\" \"Oh no!  You're out of time!  Game over!  Please play again.\"", "90000 closed",
            "90000 unload frmw3l3", "90000 closed", "90000 music stop \\W3L3.mid", "90000 end" }))
        << result.transcript;
}

TEST(World3Level3, TheWeaponFiresAtTheSecondWrapAndTheAnimalsComeAfterTheThirdPass)
{
    // 15 steps to leave the field, 24 for each pass after: the weapon at tick 39, the animals at
    // tick 63. Saving all six (the second pig gives no health) brings the Mecha Grawn back.
    auto result = run(playing + "wait 0.375\nprint frmw3l3.imgboss.Left\nprint frmw3l3.Label1.Left\nwait 0.6\n"
                                "print frmw3l3.Label1.Left\nprint frmw3l3.lblhp.Caption\nwait 0.6\nprint frmw3l3.imgboss.Visible\n"
                                "print frmw3l3.Label1.Left\nprint frmw3l3.imgcow2.Visible\nwait 0.1\n"
                                "click frmw3l3.imgpig2 right\nprint frmw3l3.lblhp.Caption\nclick frmw3l3.imgpig1 right\n"
                                "click frmw3l3.imgsheep1 right\nclick frmw3l3.imgsheep2 right\nclick frmw3l3.imgcow1 right\n"
                                "print frmw3l3.timepig11.Enabled\nclick frmw3l3.imgcow2 right\nprint frmw3l3.lblhp.Caption\n"
                                "print frmw3l3.Label1.Left\nprint frmw3l3.imgboss.Visible\nprint frmw3l3.imgboss.Left\n"
                                "print frmw3l3.imgpig1.Top\nprint frmw3l3.timepig11.Enabled\nwait 0.025\nprint frmw3l3.imgboss.Left\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "375 value frmw3l3.imgboss.Left 370",
            "375 value frmw3l3.Label1.Left 1",
            "975 value frmw3l3.Label1.Left 3",
            "975 value frmw3l3.lblhp.Caption \"75\"",
            "1575 value frmw3l3.imgboss.Visible False",
            "1575 value frmw3l3.Label1.Left 4",
            "1575 value frmw3l3.imgcow2.Visible True",
            "1675 value frmw3l3.lblhp.Caption \"75\"",
            "1675 value frmw3l3.timepig11.Enabled True",
            "1675 value frmw3l3.lblhp.Caption \"100\"",
            "1675 value frmw3l3.Label1.Left 0",
            "1675 value frmw3l3.imgboss.Visible True",
            "1675 value frmw3l3.imgboss.Left 370",
            "1675 value frmw3l3.imgpig1.Top 48",
            "1675 value frmw3l3.timepig11.Enabled False",
            "1700 value frmw3l3.imgboss.Left 345",
        });
    EXPECT_TRUE(result.has("1000 sound \\howl.wav async")) << result.transcript;
}

TEST(World3Level3, AnimalsAreLostOnTheFirstPigsFiftySecondStepEvenWhenItIsSaved)
{
    auto result = run(playing + "wait 1.6\nclick frmw3l3.imgpig1 right\nwait 1.274\nprint frmw3l3.imgpig1.Top\nwait 0.001\nok\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_TRUE(result.has("2874 value frmw3l3.imgpig1.Top 252")) << result.transcript;
    EXPECT_EQ(ending(result, 5), game_over(2875, "Oh no!  You lost some animals!  Game over!  Please play again!")) << result.transcript;

    auto shot = run(playing + "wait 1.6\nclick frmw3l3.imgcow1\nok\n", game());
    auto const lines = ending(shot, 7);
    EXPECT_EQ(lines.front(), "1600 sound \\gundead.wav async") << shot.transcript;
    EXPECT_EQ(lines.at(1), "1600 msgbox none \"Grawn 2\" \"Oh no!  You shot an animal!  Game over!  Please play again.\"") << shot.transcript;
}

TEST(World3Level3, EightyFourShotsThroughShieldAndHullDestroyItAndTheChainGoesOn)
{
    // The 50th shot takes the last shield point and the first hull point; right clicks count for
    // nothing; the wreck stands three and a half seconds before the regatta.
    auto result = run(playing + clicks("frmw3l3.imgboss", 49) + "print frmw3l3.imgboss.Picture\nwait 0.1\n"
            + "print frmw3l3.imgboss.Picture\n" + clicks("frmw3l3.imgboss right", 3) + clicks("frmw3l3.imgboss", 1)
            + "print frmw3l3.bosssp.Interval\nprint frmw3l3.bosshp.Interval\nprint frmw3l3.imgboss.Picture\n"
            + clicks("frmw3l3.imgboss", 34) + "print frmw3l3.imgboss.Picture\nprint frmw3l3.imgboss.Enabled\nwait 3.4\n"
            + "print frmw3l3.Visible\nwait 0.1\nprint frmw3l3.Visible\nprint frmw3l3.timecount.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw3l3.imgboss.Picture imgbf1",
            "100 value frmw3l3.imgboss.Picture imgbf3",
            "100 value frmw3l3.bosssp.Interval 0",
            "100 value frmw3l3.bosshp.Interval 34",
            "100 value frmw3l3.imgboss.Picture imgbf2",
            "100 value frmw3l3.imgboss.Picture imgbf4",
            "100 value frmw3l3.imgboss.Enabled False",
            "3500 value frmw3l3.Visible True",
            "3600 value frmw3l3.Visible False",
            "3600 value frmw3l3.timecount.Enabled False",
        });
    // The 50th shot is heard twice: on the shield and on the hull.
    EXPECT_EQ(result.count(" sound \\gundead.wav"), 85) << result.transcript;
    EXPECT_TRUE(result.has("100 sound \\explosion.wav async")) << result.transcript;
    EXPECT_TRUE(result.has("3600 show frmw3l42")) << result.transcript;
}

TEST(World3Level3, AWinInTheLastSecondsCanStillRunOutOfTime)
{
    // The briefing is read until 86.9 s; the Mecha Grawn falls at once, and the countdown reaches
    // 0 during the 3.5 seconds of its destruction.
    auto result = run("show frmw3l3\nwait 86.9\nok\n" + clicks("frmw3l3.imgboss", 84) + "wait 3.1\nok\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(ending(result, 5), game_over(90000, "Oh no!  You're out of time!  Game over!  Please play again.")) << result.transcript;
    EXPECT_EQ(result.count("frmw3l42"), 0) << result.transcript;
}
