// World 3 Level 2 played by scripts: the patrols, the moments Grawn 3 and the sheep show
// themselves, the traps and their cost, the wrong click and the win that hands over to the barn.
#include "levels/rescue/frmw3l2.hpp"
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
    return testing_support::game({ { "frmw3l2", [](Runtime& rt) { return std::make_unique<levels::frmw3l2>(rt); } },
        { "frmw3l3x", testing_support::stand_in("frmw3l3x") } });
}

std::string const playing = "show frmw3l2\nok\n";

std::vector<std::string> level_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) {
        return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos || line.find(" msgbox info ") != std::string::npos;
    });
    return lines;
}


std::vector<std::string> tail(std::vector<std::string> const& lines, std::size_t count)
{
    return { lines.end() - static_cast<long>(std::min(count, lines.size())), lines.end() };
}

}

TEST(World3Level2, GrawnsPatrolBehindTheBriefingAndTurnToFaceTheirWay)
{
    // Grawn 1: 8 steps of 45 left to -24, 9 right to 381; Grawn 2: 5 steps of 35 each way.
    auto result = run("show frmw3l2\nwait 0.125\nprint frmw3l2.imggrawn2.Left\nprint frmw3l2.imggrawn2.Picture\nwait 0.075\n"
                      "print frmw3l2.imggrawn1.Left\nprint frmw3l2.imggrawn1.Picture\nwait 0.05\nprint frmw3l2.imggrawn2.Left\n"
                      "print frmw3l2.imggrawn2.Picture\nwait 0.175\nprint frmw3l2.imggrawn1.Left\nprint frmw3l2.imggrawn1.Picture\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "125 value frmw3l2.imggrawn2.Left 367",
            "125 value frmw3l2.imggrawn2.Picture imggf1",
            "200 value frmw3l2.imggrawn1.Left -24",
            "200 value frmw3l2.imggrawn1.Picture imggf2",
            "250 value frmw3l2.imggrawn2.Left 192",
            "250 value frmw3l2.imggrawn2.Picture imggf2",
            "425 value frmw3l2.imggrawn1.Left 381",
            "425 value frmw3l2.imggrawn1.Picture imggf1",
        });
}

TEST(World3Level2, WinsWhenGrawnThreeFallsInItsMomentAfterTheSheepIsSavedInHers)
{
    // Grawn 3 is out for 0.1 s every 7.6 s, the sheep for 0.15 s every 5.15 s. A click where
    // Grawn 3 hides springs the trap it stands on.
    auto result = run(playing + "click frmw3l2.imggrawn1\nclick frmw3l2.imggrawn2\nprint frmw3l2.lblhp.Caption\nwait 1\n"
                                "click frmw3l2.imggrawn3\nprint frmw3l2.imgtrap5.Picture\nprint frmw3l2.imggrawn3.Picture\nwait 4.2\n"
                                "print frmw3l2.imgsheep1.Visible\nclick frmw3l2.imgsheep1 right\nprint frmw3l2.Visible\nwait 2.45\n"
                                "click frmw3l2.imggrawn3\nprint frmw3l2.imggrawn3.Picture\nprint frmw3l2.Visible\nprint frmw3l2.lblhp.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "0 value frmw3l2.lblhp.Caption \"100\"",
            "1000 value frmw3l2.imgtrap5.Picture imgboom",
            "1000 value frmw3l2.imggrawn3.Picture imggf2",
            "5200 value frmw3l2.imgsheep1.Visible True",
            "5200 value frmw3l2.Visible True",
            "7650 value frmw3l2.imggrawn3.Picture imgbf",
            "7650 value frmw3l2.Visible False",
            "7650 value frmw3l2.lblhp.Caption \"75\"",
        });
    EXPECT_EQ(tail(level_lines(result), 7),
        (std::vector<std::string> { "7650 sound \\gundead.wav async", "7650 music stop \\W3L2.mid", "7650 hide frmw3l2", "7650 load frmw3l3x",
            "7650 show frmw3l3x", "7650 ignored 15 the window is hidden", "7650 script-end" }))
        << result.transcript;
    // Two kills at once, the trap's shake at 1.025 s, and the last kill.
    EXPECT_EQ(result.count(" sound \\gundead.wav"), 4) << result.transcript;
}

TEST(World3Level2, EachTrapBitesOnceAndTheFourthEndsTheGame)
{
    // Traps 3 and 4 are clicked at their edges above and below Grawn 2's path, so that the
    // Grawn pacing over them is never hit instead.
    auto result = run(playing + "click frmw3l2.imgtrap2\nwait 0.6\nclick frmw3l2.imgtrap2\nprint frmw3l2.lblhp.Caption\nwait 0.6\n"
                                "clickat frmw3l2 250 266\nwait 0.6\nclickat frmw3l2 275 308\nprint frmw3l2.lblhp.Caption\n"
                                "print frmw3l2.hp.Interval\nwait 0.6\nclick frmw3l2.imgtrap2\nprint frmw3l2.Visible\nwait 0.6\n"
                                "click frmw3l2.imgtrap5\nok\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        {
            "600 value frmw3l2.lblhp.Caption \"75\"",
            "1800 value frmw3l2.lblhp.Caption \"25\"",
            "1800 value frmw3l2.hp.Interval 25",
            "2400 value frmw3l2.Visible True",
        });
    EXPECT_EQ(tail(level_lines(result), 5),
        (std::vector<std::string> { "3000 msgbox none \"Grawn 2\" \"Oh no!  You died!  Game over!  Please try again!\"", "3000 closed",
            "3000 unload frmw3l2", "3000 music stop \\W3L2.mid", "3000 end" }))
        << result.transcript;
}

TEST(World3Level2, ShootingTheSheepEndsTheGame)
{
    auto result = run(playing + "wait 0.1\nclick frmw3l2.imgsheep1\nok\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(tail(level_lines(result), 7),
        (std::vector<std::string> { "100 sound \\gundead.wav async",
            "100 msgbox none \"Grawn 2\" \"Oh no!  You shot a sheep!  You evil, evil, little man (or woman).  Game over!  Please play again!\"",
            "100 ignored 4 a modal box is open", "100 closed", "100 unload frmw3l2", "100 music stop \\W3L2.mid", "100 end" }))
        << result.transcript;
}
