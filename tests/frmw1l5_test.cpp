// The dance contest played by scripts: the interleaved figures, the robbery with its timings and
// sounds, the story box and the hand-over to World 2.
#include "scenes/frmw1l5.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using testing_support::run;

namespace {

// Stands in for World 2: a briefing, then its tune.
class WorldTwo : public screen::Screen {
public:
    explicit WorldTwo(Runtime& runtime)
        : Screen(runtime, "frmw2l1", { .caption = "Grawn 2", .width = 400, .height = 300 })
    {
    }
    void Form_Load() override
    {
        briefing("World 2, Level 1:  Barnyard Bandits", "World two");
        PlayMusic("\\W2L1.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({
        { "frmw1l5", [](Runtime& rt) { return std::make_unique<scenes::frmw1l5>(rt); } },
        { "frmw2l1", [](Runtime& rt) { return std::make_unique<WorldTwo>(rt); } },
    });
}

std::vector<std::string> from_load(testing_support::ScriptRun const& result)
{
    auto lines = result.lines();
    auto start = std::find(lines.begin(), lines.end(), "0 load frmw1l5");
    return { start, lines.end() };
}

std::string const dancers_at = "print frmw1l5.imgpig1.Left\nprint frmw1l5.imgpig1.Top\nprint frmw1l5.imgpig2.Left\nprint frmw1l5.imgpig2.Top\n"
                               "print frmw1l5.imgcow1.Left\nprint frmw1l5.imgcow1.Top\nprint frmw1l5.imgsheep1.Left\nprint frmw1l5.imgsheep1.Top\n";

std::vector<std::string> dancers(std::string const& at, std::vector<int> const& places)
{
    std::vector<std::string> lines;
    char const* names[] = { "imgpig1.Left", "imgpig1.Top", "imgpig2.Left", "imgpig2.Top", "imgcow1.Left", "imgcow1.Top", "imgsheep1.Left", "imgsheep1.Top" };
    for (std::size_t i = 0; i < places.size(); ++i)
        lines.push_back(at + " value frmw1l5." + names[i] + " " + std::to_string(places[i]));
    return lines;
}

// The scene from its load to a moment after World 2 has opened: the story box is answered at 60 s.
std::string const whole_scene = "show frmw1l5\nwait 0.1\n" + dancers_at
    + "wait 24.9\nprint frmw1l5.timepig1.Enabled\nprint frmw1l5.timesheep1.Enabled\nwait 1.5\nprint frmw1l5.imghole(0).Visible\n"
      "print frmw1l5.imghole(1).Visible\nwait 4\nprint frmw1l5.Shape2.Visible\nprint frmw1l5.imghole(3).Visible\nwait 29.5\n"
      "print frmw1l5.Shape2.Visible\nprint frmw1l5.imgpig1.Visible\nprint frmw1l5.imgcow1.Visible\nprint frmw1l5.imghole(0).Visible\nok\nok\nwait 5\n"
    + dancers_at + "print frmw1l5.Visible\nprint frmw1l5.Timer1.Enabled\n";

}

TEST(DanceContest, DanceRobberyStoryAndHandOver)
{
    auto result = run(whole_scene, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    auto const lines = from_load(result);

    // The shots in the dark are heard one after another: each takes the gunshot's length.
    std::vector<long> sync_times;
    for (auto const& line : lines) {
        if (line.ends_with(" sound \\gundead.wav sync"))
            sync_times.push_back(std::stol(line));
    }
    ASSERT_EQ(sync_times.size(), 4u) << result.transcript;
    long const shot = sync_times[1] - sync_times[0];
    EXPECT_GE(shot, 0);
    auto const at = [&](long ms) { return std::to_string(ms); };

    std::vector<std::string> expected { "0 load frmw1l5", "0 music stop \\W1L4.mid", "0 music play \\W1L5.mid", "0 show frmw1l5" };
    // All four dancers are in the middle of their first figure at once.
    for (auto const& line : dancers("100", { 187, 168, 158, 80, 82, 120, 296, 178 }))
        expected.push_back(line);
    for (auto const& line : std::vector<std::string> {
             "25000 music stop \\W1L5.mid",
             "25000 value frmw1l5.timepig1.Enabled False",
             "25000 value frmw1l5.timesheep1.Enabled False",
             "26000 sound \\gundead.wav async",
             "26500 value frmw1l5.imghole(0).Visible True",
             "26500 value frmw1l5.imghole(1).Visible False",
             "27000 sound \\gundead.wav async",
             "28000 sound \\gundead.wav async",
             "29000 sound \\gundead.wav async",
             "30500 value frmw1l5.Shape2.Visible True",
             "30500 value frmw1l5.imghole(3).Visible True",
             "31000 sound \\gundead.wav sync",
             at(31000 + shot) + " sound \\gundead.wav sync",
             at(31000 + 2 * shot) + " sound \\gundead.wav sync",
             at(31000 + 3 * shot) + " sound \\gundead.wav sync",
             at(31000 + 4 * shot) + " music stop \\W1L5.mid",
             at(31000 + 4 * shot) + " music play \\W1L52.mid",
             at(33000 + 4 * shot) + " msgbox info \"World 1 Complete!\" \"World 1 Complete!  Congrats!  However, it appears that the thieves are back, and they stole 4 animals!  And to make matters worse, those animals were injected with a special Smart Serum.  If the grawns were to get that, they would be unstopable!  The thieves and grawns will have their best guarding those animals.\"",
             // The lights are back on and the animals gone; the holes stay.
             "60000 value frmw1l5.Shape2.Visible False",
             "60000 value frmw1l5.imgpig1.Visible False",
             "60000 value frmw1l5.imgcow1.Visible False",
             "60000 value frmw1l5.imghole(0).Visible True",
             "60000 closed",
             "60000 music stop \\W1L5.mid",
             "60000 music stop \\W1L52.mid",
             "60000 hide frmw1l5",
             "60000 load frmw2l1",
             "60000 msgbox info \"World 2, Level 1:  Barnyard Bandits\" \"World two\"",
             "60000 closed",
             "60000 music play \\W2L1.mid",
             "60000 show frmw2l1",
         })
        expected.push_back(line);
    // Figures the robbery interrupted have finished: every dancer is back where it began.
    for (auto const& line : dancers("65000", { 184, 168, 152, 80, 72, 120, 296, 168 }))
        expected.push_back(line);
    expected.push_back("65000 value frmw1l5.Visible False");
    expected.push_back("65000 value frmw1l5.Timer1.Enabled False");
    expected.push_back("65000 script-end");
    EXPECT_EQ(lines, expected) << result.transcript;
}

TEST(DanceContest, ClicksChangeNothing)
{
    // The same scene with the player clicking everywhere, dancers, title and floor, before and
    // during the robbery and on the story box.
    std::string clicked = whole_scene;
    auto const insert_after = [&](std::string const& anchor, std::string const& clicks) {
        auto at = clicked.find(anchor);
        ASSERT_NE(at, std::string::npos);
        clicked.insert(at + anchor.size(), clicks);
    };
    insert_after("show frmw1l5\nwait 0.1\n", "click frmw1l5.imgpig1\nclick frmw1l5.imgcow1 right\nclick frmw1l5.Label1\nclickat frmw1l5 10 150\n");
    insert_after("wait 1.5\n", "click frmw1l5.imgsheep1\nclick frmw1l5.imghole(0) right\nclick frmw1l5.Label2\n");
    insert_after("wait 29.5\n", "click frmw1l5.imgpig2\n");
    auto quiet = run(whole_scene, game());
    auto busy = run(clicked, game());
    auto const without_ignored = [](std::vector<std::string> lines) {
        std::erase_if(lines, [](auto const& line) { return line.find(" ignored ") != std::string::npos; });
        return lines;
    };
    EXPECT_EQ(without_ignored(busy.lines()), without_ignored(quiet.lines())) << busy.transcript;
}
