// Firefighters played by scripts: the win, the losses by fire and by shooting, the loss that comes
// while the briefing is still open, and the bonus counter.
#include "levels/bonus/frmw1l4.hpp"
#include "scenes/frmw1l5.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using testing_support::run;

namespace {

HeadlessGame game()
{
    return testing_support::game({
        { "frmw1l4", [](Runtime& rt) { return std::make_unique<levels::frmw1l4>(rt); } },
        { "frmw1l5", [](Runtime& rt) { return std::make_unique<scenes::frmw1l5>(rt); } },
    });
}

using Lines = std::vector<std::string>;

Lines joined(std::initializer_list<Lines> parts)
{
    Lines all;
    for (auto const& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::string const briefing = "0 msgbox info \"World 1, Level 4: Firefighters\" \"It's Bonus Level Time!  Remember, if you win all the bonus levels, something special will happen!  Remember, if you lose a bonus level, you don't lose the whole game (but you won't get the special thing at the end).  Anyways, when returning to the mortal world, the airship the pigs were traveling was hijacked.  Save all of the pigs before they fall into the fire!\"";

// The briefing read and closed at once: the level plays to its tune.
Lines const opened { "0 load frmw1l4", briefing, "0 closed", "0 music play \\W1L4.mid", "0 show frmw1l4" };

// The intermission opens at `at` and silences this level's tune.
Lines intermission(std::string const& at)
{
    return { at + " load frmw1l5", at + " music stop \\W1L4.mid", at + " music play \\W1L5.mid", at + " show frmw1l5" };
}

// The level's last box is closed at `at`, the screen goes and the intermission opens.
Lines moved_on(std::string const& at) { return joined({ { at + " closed", at + " hide frmw1l4" }, intermission(at) }); }

// The transcript from this screen's load on (the title screen idles behind it), without the
// input that reached nothing, such as the release of a click whose press opened a box.
Lines from_load(testing_support::ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](auto const& line) { return line.find(" ignored ") != std::string::npos; });
    auto start = std::find(lines.begin(), lines.end(), "0 load frmw1l4");
    return { start, lines.end() };
}

std::string clicks(int from, int to, char const* button)
{
    std::string script;
    for (int pig = from; pig <= to; ++pig)
        script += "click frmw1l4.imgpig" + std::to_string(pig) + " " + button + "\n";
    return script;
}

}

TEST(Firefighters, PigsBurnUnderAnOpenBriefingAndTheLevelNeverAppears)
{
    auto result = run("show frmw1l4\nwait 2.075\nprint frmw1l4.imgpig1.Top\nprint frmw1l4.imgpig13.Top\nwait 0.025\n"
                      "print frmw1l4.imgpig1.Top\nok\nprint frmw1l4.Visible\nprint frmw1l4.timepig.Enabled\nprint frmw1l5.Visible\nwait 1\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const expected = joined({
        {
            "0 load frmw1l4",
            briefing,
            // 83 ticks of 2.75 pixels leave the pigs just above the fire line; the 84th reaches it.
            "2075 value frmw1l4.imgpig1.Top 228.25",
            "2075 value frmw1l4.imgpig13.Top 228.25",
            "2100 msgbox none \"Grawn 2\" \"Oh no!  A(Some) Pig(s) died!\"",
            "2100 value frmw1l4.imgpig1.Top 231",
            "2100 closed",
            // Moving on takes the briefing away with the screen; the level's tune never starts.
            "2100 closed",
        },
        intermission("2100"),
        { "2100 value frmw1l4.Visible False", "2100 value frmw1l4.timepig.Enabled False", "2100 value frmw1l5.Visible True", "3100 script-end" },
    });
    EXPECT_EQ(from_load(result), expected) << result.transcript;
}

TEST(Firefighters, TwelveSavedPigsAreNotEnough)
{
    auto result = run("show frmw1l4\nok\nwait 1\n" + clicks(2, 13, "right") + "print frmw1l4.imgpig13.Visible\nprint frmw1l4.imgpig13.Top\n"
            + "wait 1.1\nprint frmw1l4.imgpig13.Top\nok\nprint intro.bonusbags.Interval\nwait 2\n",
        game());
    auto const expected = joined({
        opened,
        {
            "1000 value frmw1l4.imgpig13.Visible False",
            "1000 value frmw1l4.imgpig13.Top 110",
            // Saved pigs sink on unseen, level with pig 1.
            "2100 msgbox none \"Grawn 2\" \"Oh no!  A(Some) Pig(s) died!\"",
            "2100 value frmw1l4.imgpig13.Top 231",
        },
        moved_on("2100"),
        { "2100 value intro.bonusbags.Interval 0", "4100 script-end" },
    });
    EXPECT_EQ(from_load(result), expected) << result.transcript;
}

TEST(Firefighters, ShootingAPigLosesOnceEvenWhenTheFireComesUnderTheBox)
{
    // Five pigs saved, then one shot; the box stays open past the fire line.
    auto result = run("show frmw1l4\nok\nwait 0.5\n" + clicks(1, 5, "right") + "wait 0.5\nclick frmw1l4.imgpig6\nwait 2\n"
            + "print frmw1l4.imgpig6.Top\nok\nprint frmw1l4.timepig.Enabled\nwait 2\nprint frmw1l4.imgpig6.Top\nprint intro.bonusbags.Interval\n",
        game());
    auto const expected = joined({
        opened,
        {
            "1000 msgbox none \"Grawn 2\" \"Oh no!  You shot a pig!\"",
            // The pigs went on sinking under the box, past the fire, without a second message.
            "3000 value frmw1l4.imgpig6.Top 330",
        },
        moved_on("3000"),
        { "3000 value frmw1l4.timepig.Enabled False", "5000 value frmw1l4.imgpig6.Top 330", "5000 value intro.bonusbags.Interval 0", "5000 script-end" },
    });
    EXPECT_EQ(from_load(result), expected) << result.transcript;
}

TEST(Firefighters, SavingAllThirteenCountsOneBonusWhicheverPigIsLast)
{
    std::vector<std::string> const orders {
        clicks(1, 13, "right"),
        // Pig 7 last.
        clicks(8, 13, "right") + clicks(1, 6, "right") + clicks(7, 7, "right"),
    };
    for (auto const& order : orders) {
        auto result = run("show frmw1l4\nok\nwait 1\n" + order + "print frmw1l4.timepig.Enabled\nprint intro.bonusbags.Interval\nok\n"
                + "print intro.bonusbags.Interval\nwait 3\nclick frmw1l4.imgpig1 right\nprint intro.bonusbags.Interval\n",
            game());
        // The hidden screen takes no more clicks.
        auto const all = result.lines();
        EXPECT_EQ(std::count_if(all.begin(), all.end(), [](auto const& line) { return line.starts_with("4000 ignored") && line.ends_with("the window is hidden"); }), 2);
        auto const lines = from_load(result);
        Lines const won(std::find(lines.begin(), lines.end(), "1000 msgbox none \"Grawn 2\" \"Congrats!  You beat the level!\""), lines.end());
        auto const expected = joined({
            {
                "1000 msgbox none \"Grawn 2\" \"Congrats!  You beat the level!\"",
                // The pigs stopped before the box, so no fire can follow the win.
                "1000 value frmw1l4.timepig.Enabled False",
                "1000 value intro.bonusbags.Interval 0",
            },
            moved_on("1000"),
            { "1000 value intro.bonusbags.Interval 1", "4000 value intro.bonusbags.Interval 1", "4000 script-end" },
        });
        EXPECT_EQ(won, expected) << result.errors << result.transcript;
    }
}

TEST(Firefighters, ClosingTheWindowSilencesTheTuneAndEndsTheGame)
{
    auto result = run("show frmw1l4\nok\nwait 0.5\nclose frmw1l4\n", game());
    auto const lines = from_load(result);
    Lines const closed(lines.end() - 3, lines.end());
    EXPECT_EQ(closed, (Lines { "500 unload frmw1l4", "500 music stop \\W1L4.mid", "500 end" })) << result.transcript;
}
