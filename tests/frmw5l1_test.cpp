// The dance level played by scripts: the two demonstrations and their timing, keys judged on press
// and counted on release, the way to the true ending, and the two wrong-key losses.
#include "levels/bonus/frmw5l1.hpp"
#include "platform/input.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace platform;
using testing_support::expect_values;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

// Stands in for the true ending and the final credits, which play tunes of their own.
class Next : public screen::Screen {
public:
    Next(Runtime& runtime, std::string name, std::string tune)
        : Screen(runtime, std::move(name), { .caption = "Grawn 2", .width = 100, .height = 100 })
        , m_tune(std::move(tune))
    {
    }
    void Form_Load() override { PlayMusic(m_tune); }

private:
    std::string m_tune;
};

HeadlessGame game()
{
    return testing_support::game({ { "frmw5l1", [](Runtime& rt) { return std::make_unique<levels::frmw5l1>(rt); } },
        { "frmend", [](Runtime& rt) { return std::make_unique<Next>(rt, "frmend", "\\W1L5.mid"); } },
        { "frmcredits2", [](Runtime& rt) { return std::make_unique<Next>(rt, "frmcredits2", "\\CREDITS2.mid"); } } });
}

using Lines = std::vector<std::string>;

constexpr int up = keys::up;
constexpr int down = keys::down;
constexpr int left = keys::left;
constexpr int right = keys::right;

std::string keys_of(std::vector<int> const& codes, std::string const& verb = "key")
{
    std::string script;
    for (int code : codes)
        script += verb + " frmw5l1 " + std::to_string(code) + "\n";
    return script;
}

// Shown at time 0 with the briefing closed at once; the first dance is over and the keys are
// taken from 11.5 s.
std::string const playing = "show frmw5l1\nok\n";
std::string const first_turn = playing + "wait 11.5\n";
std::vector<int> const first_seven { up, down, up, up, right, left, up };
// The second demonstration starts a second after "Combo 1 Complete" is closed and lasts 7.25 s.
std::string const second_turn = first_turn + keys_of(first_seven) + "key frmw5l1 38\nok\nwait 8.25\n";
std::vector<int> const second_eight { left, up, down, up, right, right, up, left };

// What the player hears and sees go by: sounds, tunes, boxes and windows.
Lines events(ScriptRun const& result)
{
    Lines kept;
    for (auto const& line : result.lines()) {
        for (auto const* kind : { " sound ", " music ", " msgbox ", " closed", " show ", " hide ", " end" }) {
            if (line.find(kind) != std::string::npos && line.find("intro") == std::string::npos) {
                kept.push_back(line);
                break;
            }
        }
    }
    return kept;
}

long sounds(ScriptRun const& result)
{
    auto const seen = events(result);
    return std::count_if(seen.begin(), seen.end(), [](auto const& line) { return line.find(" sound ") != std::string::npos; });
}


std::string const briefing = "msgbox info \"World 5, Level 1: Pig Channel 5\" \"The last smart pig has been found, and it is in Nevada "
                             "near Area 51.  As it turns out, Raved's plan was to keep it as backup, and make sure it was safe by "
                             "guarding it specail S-Grawns.  These specail grawns are resistant to normal gun fire, so in order to get "
                             "by them you must put them in a hypnotic state.  To do this you'll need top notch dance moves.  Pay "
                             "attention, as the moves are only shown once, and if you mess up the grawns will catch on to what you're "
                             "doing.  To do the dance moves, press the keys on your keyboard in the order you see them done on the "
                             "screen.  Hurry up, cause you only have a small ammount of time to do this!\"";

}

TEST(World5Level1, TheFirstDanceIsShownOnceWithItsSoundsAndKeysDuringItDoNothing)
{
    auto result = run(playing + "wait 3\nprint frmw5l1.imgpig.Top\nwait 2.5\n" + keys_of({ down, left })
            + "print frmw5l1.combo.Interval\nprint frmw5l1.imgpig.Top\nwait 5.9\nprint frmw5l1.lbldance.Visible\n"
            + "print frmw5l1.timeset.Enabled\nwait 0.1\nprint frmw5l1.lbldance.Visible\nprint frmw5l1.timeset.Enabled\n"
            + "print frmw5l1.dance1.Enabled\nprint frmw5l1.imgpig.Left\nprint frmw5l1.imgpig.Top\nwait 10\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    Lines const expected { "0 " + briefing, "0 closed", "0 music play \\W5L1.mid", "0 show frmw5l1", "3000 sound \\up.wav async",
        "4000 sound \\down.wav async", "5000 sound \\up.wav async", "6000 sound \\up.wav async", "7000 sound \\right.wav async",
        "8000 sound \\left.wav async", "9000 sound \\up.wav async", "10000 sound \\up.wav async", "21500 script-end" };
    Lines seen = events(result);
    seen.push_back(result.lines().back());
    EXPECT_EQ(seen, expected) << result.transcript;
    expect_values(result,
        { "3000 value frmw5l1.imgpig.Top 179", "5500 value frmw5l1.combo.Interval 1", "5500 value frmw5l1.imgpig.Top 179",
            "11400 value frmw5l1.lbldance.Visible True", "11400 value frmw5l1.timeset.Enabled False",
            "11500 value frmw5l1.lbldance.Visible False", "11500 value frmw5l1.timeset.Enabled True",
            "11500 value frmw5l1.dance1.Enabled False", "11500 value frmw5l1.imgpig.Left 136", "11500 value frmw5l1.imgpig.Top 164" });
}

TEST(World5Level1, ABriefingReadAtLeisureStillLetsThePlayerWatchTheWholeFirstDance)
{
    // Ten seconds on the briefing: nothing moves under it, and the dance starts three seconds
    // after it is closed, in the window then on screen.
    auto result = run("show frmw5l1\nwait 10\nprint frmw5l1.imgpig.Top\nok\nwait 2.999\nprint frmw5l1.imgpig.Top\nwait 0.001\n"
                      "print frmw5l1.Visible\nprint frmw5l1.imgpig.Top\nwait 8.499\nprint frmw5l1.timeset.Enabled\nwait 0.001\n"
                      "print frmw5l1.timeset.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    Lines const expected { "0 " + briefing, "10000 closed", "10000 music play \\W5L1.mid", "10000 show frmw5l1", "13000 sound \\up.wav async",
        "14000 sound \\down.wav async", "15000 sound \\up.wav async", "16000 sound \\up.wav async", "17000 sound \\right.wav async",
        "18000 sound \\left.wav async", "19000 sound \\up.wav async", "20000 sound \\up.wav async" };
    EXPECT_EQ(events(result), expected) << result.transcript;
    expect_values(result,
        { "10000 value frmw5l1.imgpig.Top 184", "12999 value frmw5l1.imgpig.Top 184", "13000 value frmw5l1.Visible True",
            "13000 value frmw5l1.imgpig.Top 179", "21499 value frmw5l1.timeset.Enabled False", "21500 value frmw5l1.timeset.Enabled True" });
}

TEST(World5Level1, BothDancesDoneHypnotiseTheGuardsAndLeadToTheEnding)
{
    // A held key repeats its press and still counts once, on release.
    auto result = run(first_turn + keys_of({ up, up, up }, "keydown") + "print frmw5l1.combo.Interval\nprint frmw5l1.imgpig.Top\n"
            + "keyup frmw5l1 38\nprint frmw5l1.combo.Interval\nprint frmw5l1.imgpig.Top\n"
            + keys_of({ down, up, up, right, left, up }) + "print frmw5l1.combo.Interval\nprint frmw5l1.imgpig.Top\n"
            // The last step of the first dance counts on the press.
            + "keydown frmw5l1 38\nok\nkeyup frmw5l1 38\n"
            + "print frmw5l1.imgpig.Left\nprint frmw5l1.imgpig.Top\nprint frmw5l1.lbldance.Visible\nprint frmw5l1.lbldance.Caption\n"
            + "print frmw5l1.timeset.Enabled\nprint frmw5l1.timeset.Interval\nprint frmw5l1.combo.Interval\n"
            + "wait 8.2\nprint frmw5l1.timeset.Enabled\nwait 0.05\nprint frmw5l1.imgpig.Left\nprint frmw5l1.imgpig.Top\n"
            + keys_of(second_eight) + "print frmw5l1.combo.Interval\nprint frmw5l1.imgpig.Top\n" + "key frmw5l1 40\n"
            + "print frmw5l1.imggrawn1.Picture\nprint frmw5l1.imggrawn2.Picture\nprint frmw5l1.imgpig.Top\nok\nprint frmw5l1.Visible\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result,
        { "11500 value frmw5l1.combo.Interval 1", "11500 value frmw5l1.imgpig.Top 164", "11500 value frmw5l1.combo.Interval 2",
            "11500 value frmw5l1.imgpig.Top 159", "11500 value frmw5l1.combo.Interval 8", "11500 value frmw5l1.imgpig.Top 149",
            // Back home for the second dance, whose names show while it is demonstrated.
            "11500 value frmw5l1.imgpig.Left 136", "11500 value frmw5l1.imgpig.Top 184", "11500 value frmw5l1.lbldance.Visible True",
            "11500 value frmw5l1.lbldance.Caption \"Left Up Down Up Right Right Up Left Down\"",
            "11500 value frmw5l1.timeset.Enabled False", "11500 value frmw5l1.timeset.Interval 1", "11500 value frmw5l1.combo.Interval 1",
            "19700 value frmw5l1.timeset.Enabled False", "19750 value frmw5l1.imgpig.Left 136", "19750 value frmw5l1.imgpig.Top 179",
            "19750 value frmw5l1.combo.Interval 9", "19750 value frmw5l1.imgpig.Top 169",
            // The last step does not move the pig; the guards fall.
            "19750 value frmw5l1.imggrawn1.Picture imgblood", "19750 value frmw5l1.imggrawn2.Picture imgblood",
            "19750 value frmw5l1.imgpig.Top 169", "19750 value frmw5l1.Visible False" });

    Lines seen = events(result);
    Lines const expected { "11500 msgbox info \"Combo 1 Complete\" \"Pretty nice.  Now let's try this one:\"", "11500 closed",
        "12500 sound \\left.wav async", "13250 sound \\up.wav async", "14000 sound \\down.wav async", "14750 sound \\up.wav async",
        "15500 sound \\right.wav async", "16250 sound \\right.wav async", "17000 sound \\up.wav async", "17750 sound \\left.wav async",
        "18500 sound \\down.wav async", "19750 sound \\shock.wav async", "19750 msgbox info \"Grawn 2\" \"All Smart Animals Saved!\"",
        "19750 closed", "19750 music stop \\W5L1.mid", "19750 hide frmw5l1", "19750 music play \\W1L5.mid", "19750 show frmend" };
    Lines const after_first(std::find_if(seen.begin(), seen.end(), [](auto const& line) { return line.find("Combo 1") != std::string::npos; }),
        seen.end());
    EXPECT_EQ(after_first, expected) << result.transcript;
    // No key of the player's turn makes a sound.
    EXPECT_EQ(sounds(result), 8 + 9 + 1) << result.transcript;
}

TEST(World5Level1, AWrongKeyInTheFirstDanceEndsInTheCredits)
{
    // Other keys are not judged; after four right steps a Left instead of Right loses.
    auto result = run(first_turn + keys_of({ 32, 90, up, down, up, up }) + "print frmw5l1.combo.Interval\nkey frmw5l1 37\nok\n"
            + "print frmw5l1.Visible\nprint frmw5l1.timeset.Enabled\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "11500 value frmw5l1.combo.Interval 5", "11500 value frmw5l1.Visible False", "11500 value frmw5l1.timeset.Enabled False" });
    Lines seen = events(result);
    Lines const ending(seen.end() - 6, seen.end());
    Lines const expected { "11500 msgbox info \"Grawn 2\" \"Oh no!  The dance combo was done wrong!  Game Over\"", "11500 closed",
        "11500 music stop \\W5L1.mid", "11500 hide frmw5l1", "11500 music play \\CREDITS2.mid", "11500 show frmcredits2" };
    EXPECT_EQ(ending, expected) << result.transcript;
    EXPECT_EQ(result.count(" end"), 0) << result.transcript;
}

TEST(World5Level1, ASecondArrowPressedBeforeTheFirstIsReleasedLosesTheSecondDance)
{
    auto result = run(second_turn + "keydown frmw5l1 37\nkeydown frmw5l1 38\nok\nprint frmw5l1.Visible\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    expect_values(result, { "19750 value frmw5l1.Visible False" });
    Lines seen = events(result);
    Lines const ending(seen.end() - 6, seen.end());
    // The tune of this level stops only once the credits have started theirs.
    Lines const expected { "19750 msgbox info \"Grawn 2\" \"Oh nooo!  The dance combo was doen wrong!  Game Over\"", "19750 closed",
        "19750 hide frmw5l1", "19750 music play \\CREDITS2.mid", "19750 show frmcredits2", "19750 music stop \\W5L1.mid" };
    EXPECT_EQ(ending, expected) << result.transcript;
}

TEST(World5Level1, ClosingTheWindowSilencesTheTuneAndEndsTheGame)
{
    // Mid-demonstration, inside the dance's pause.
    auto result = run(playing + "wait 4.5\nclose frmw5l1\nwait 10\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    Lines seen = events(result);
    Lines const ending(seen.end() - 2, seen.end());
    EXPECT_EQ(ending, (Lines { "4500 music stop \\W5L1.mid", "4500 end" })) << result.transcript;
    EXPECT_EQ(sounds(result), 2) << result.transcript;
}
