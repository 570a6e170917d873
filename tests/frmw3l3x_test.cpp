// The barn attack intermission played by scripts: the quiet start, the five shocks, the Mecha
// Grawn's howl, the long shake and the barn's fall with their timings, the window back in place,
// the hand-over to the boss fight, input that changes nothing and a window closed mid-scene; and
// the pictures at the sizes this twips screen gives them.
#include "art/mecha_attack.hpp"
#include "scenes/frmw3l3x.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;
using Lines = std::vector<std::string>;

namespace {

// Stands in for World 3 Level 3: briefs and plays its own tune over the one the scene leaves on.
class BossFight : public screen::Screen {
public:
    explicit BossFight(Runtime& runtime)
        : Screen(runtime, "frmw3l3", { .caption = "Grawn 2", .width = 400, .height = 300 })
    {
    }
    void Form_Load() override
    {
        briefing("World 3, Level 3: Metal of Honor.", "The boss");
        PlayMusic("\\W3L3.mid");
    }
};

HeadlessGame game()
{
    return testing_support::game({
        { "frmw3l3x", [](Runtime& rt) { return std::make_unique<scenes::frmw3l3x>(rt); } },
        { "frmw3l3", [](Runtime& rt) { return std::make_unique<BossFight>(rt); } },
    });
}

// The transcript from the scene's load on: the title screen behind it is left out.
Lines from_load(ScriptRun const& result)
{
    auto lines = result.lines();
    auto start = std::find(lines.begin(), lines.end(), "0 load frmw3l3x");
    return { start, lines.end() };
}

// The scene from its load to the boss fight's briefing, looked at between its events: the
// shocks come at 10025 ms and every two seconds after, the howl at 20 s, the long shake from
// 24025 ms to 24825 ms, the barn frames from then on 0.3 s apart, the hand-over at 27725 ms.
std::string const whole_scene = "show frmw3l3x\n"
                                "print frmw3l3x.Left\nprint frmw3l3x.Top\nprint frmw3l3x.imgbarn.Picture\nprint frmw3l3x.imgboss.Visible\n"
                                "print frmw3l3x.imgboss.Width\nprint frmw3l3x.imgboss.Height\n"
                                "wait 9.99\nprint frmw3l3x.Timer1.Enabled\n"
                                "wait 0.04\nprint frmw3l3x.Left\nprint frmw3l3x.Top\nprint frmw3l3x.shake.Enabled\n"
                                "wait 0.025\nprint frmw3l3x.Left\nprint frmw3l3x.Top\n"
                                "wait 0.2\nprint frmw3l3x.Left\nprint frmw3l3x.Top\nprint frmw3l3x.shake.Enabled\n"
                                "wait 9.735\nprint frmw3l3x.imgboss.Visible\n"
                                "wait 0.02\nprint frmw3l3x.imgboss.Visible\n"
                                "wait 4\nprint frmw3l3x.milkshake.Enabled\nprint frmw3l3x.Left\n"
                                "wait 0.78\nprint frmw3l3x.Left\nprint frmw3l3x.Top\nprint frmw3l3x.imgbarn.Picture\n"
                                "wait 0.04\nprint frmw3l3x.Left\nprint frmw3l3x.Top\nprint frmw3l3x.milkshake.Enabled\n"
                                "print frmw3l3x.imgbarn.Picture\nprint frmw3l3x.imgbarn.Width\nprint frmw3l3x.imgbarn.Height\n"
                                "wait 0.3\nprint frmw3l3x.imgbarn.Picture\n"
                                "wait 0.3\nprint frmw3l3x.imgbarn.Picture\n"
                                "wait 0.3\nprint frmw3l3x.imgbarn.Picture\n"
                                "wait 1.98\nprint frmw3l3x.Visible\n"
                                "wait 0.02\nok\n"
                                "wait 10\nprint frmw3l3x.Visible\nprint frmw3l3x.Left\nprint frmw3l3x.Top\n"
                                "print frmw3l3x.Timer1.Enabled\nprint frmw3l3x.imgbarn.Picture\n";

}

TEST(BarnAttackScene, WholeSceneWithItsTimingsAndHandOver)
{
    auto result = run(whole_scene, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    Lines const expected {
        "0 load frmw3l3x",
        "0 music play \\W3L3X.mid",
        "0 show frmw3l3x",
        "0 value frmw3l3x.Left 3765",
        "0 value frmw3l3x.Top 3885",
        "0 value frmw3l3x.imgbarn.Picture imgbarn",
        "0 value frmw3l3x.imgboss.Visible False",
        "0 value frmw3l3x.imgboss.Width 3270",
        "0 value frmw3l3x.imgboss.Height 2385",
        // Eight quiet seconds, then two more inside the script before the tune stops.
        "9990 value frmw3l3x.Timer1.Enabled True",
        "10000 music stop \\W3L3X.mid",
        // Shock 1: a gunshot, the window up and left by 25 twips, back, four times over.
        "10025 sound \\gundead.wav async",
        "10030 value frmw3l3x.Left 3740",
        "10030 value frmw3l3x.Top 3860",
        "10030 value frmw3l3x.shake.Enabled True",
        "10055 value frmw3l3x.Left 3765",
        "10055 value frmw3l3x.Top 3885",
        "10255 value frmw3l3x.Left 3765",
        "10255 value frmw3l3x.Top 3885",
        "10255 value frmw3l3x.shake.Enabled False",
        // Shocks 2 to 5, two seconds apart.
        "12025 sound \\gundead.wav async",
        "14025 sound \\gundead.wav async",
        "16025 sound \\gundead.wav async",
        "18025 sound \\gundead.wav async",
        // The Mecha Grawn comes into view with a howl.
        "19990 value frmw3l3x.imgboss.Visible False",
        "20000 sound \\howl.wav async",
        "20010 value frmw3l3x.imgboss.Visible True",
        // Four seconds on, the explosion and the long shake: 32 moves, 0.8 s.
        "24010 value frmw3l3x.milkshake.Enabled True",
        "24010 value frmw3l3x.Left 3765",
        "24025 sound \\explosion.wav async",
        "24790 value frmw3l3x.Left 3740",
        "24790 value frmw3l3x.Top 3860",
        "24790 value frmw3l3x.imgbarn.Picture imgbarn",
        // The barn starts to fall only once the window is back in place, then frame by frame.
        "24830 value frmw3l3x.Left 3765",
        "24830 value frmw3l3x.Top 3885",
        "24830 value frmw3l3x.milkshake.Enabled False",
        "24830 value frmw3l3x.imgbarn.Picture imgbf1",
        "24830 value frmw3l3x.imgbarn.Width 3375",
        "24830 value frmw3l3x.imgbarn.Height 2535",
        "25130 value frmw3l3x.imgbarn.Picture imgbf2",
        "25430 value frmw3l3x.imgbarn.Picture imgbf3",
        "25730 value frmw3l3x.imgbarn.Picture imgbf4",
        // Two seconds later the new tune and a last howl, and the boss fight begins; the tune
        // goes on under its briefing.
        "27710 value frmw3l3x.Visible True",
        "27725 music play \\W1L52.mid",
        "27725 sound \\howl.wav async",
        "27725 hide frmw3l3x",
        "27725 load frmw3l3",
        "27725 msgbox info \"World 3, Level 3: Metal of Honor.\" \"The boss\"",
        "27730 closed",
        "27730 music play \\W3L3.mid",
        "27730 show frmw3l3",
        // The scene left nothing running, and its window stands where it stood.
        "37730 value frmw3l3x.Visible False",
        "37730 value frmw3l3x.Left 3765",
        "37730 value frmw3l3x.Top 3885",
        "37730 value frmw3l3x.Timer1.Enabled False",
        "37730 value frmw3l3x.imgbarn.Picture imgbf4",
        "37730 script-end",
    };
    EXPECT_EQ(from_load(result), expected) << result.transcript;
}

TEST(BarnAttackScene, ClicksAndKeysChangeNothing)
{
    // The same scene with the player clicking the barn, the label and the field with both
    // buttons, pressing keys, clicking the Mecha Grawn during the long shake and the fallen barn.
    std::string busy_script = whole_scene;
    auto const insert_after = [&](std::string const& anchor, std::string const& input) {
        auto at = busy_script.find(anchor);
        ASSERT_NE(at, std::string::npos) << anchor;
        busy_script.insert(at + anchor.size(), input);
    };
    insert_after("show frmw3l3x\n", "click frmw3l3x.imgbarn\nclick frmw3l3x.imgbarn right\nclick frmw3l3x.Label1\nclickat frmw3l3x 400 235\n"
                                    "key frmw3l3x 37\nkey frmw3l3x 32\n");
    insert_after("wait 0.04\n", "click frmw3l3x.imgbarn\ndblclick frmw3l3x.imgbarn\nkey frmw3l3x 90\n");
    insert_after("wait 4\n", "click frmw3l3x.imgboss\nclick frmw3l3x.imgboss right\nkey frmw3l3x 40\n");
    insert_after("wait 0.3\n", "click frmw3l3x.imgbarn right\n");
    auto quiet = run(whole_scene, game());
    auto busy = run(busy_script, game());
    auto const without_ignored = [](Lines lines) {
        std::erase_if(lines, [](auto const& line) { return line.find(" ignored ") != std::string::npos; });
        return lines;
    };
    EXPECT_EQ(without_ignored(busy.lines()), without_ignored(quiet.lines())) << busy.transcript;
}

TEST(BarnAttackScene, ClosingTheWindowMidSceneSilencesItAndEndsTheGame)
{
    // Before the scene starts, in the middle of a shock with the window jolted away, and during
    // the long shake: the tune stops, the program ends, and nothing of the scene comes after.
    for (std::string const at : { "5", "10.06", "24.4" }) {
        auto result = run("show frmw3l3x\nwait " + at + "\nclose frmw3l3x\nwait 20\nprint frmw3l3x.Visible\n", game());
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        auto const lines = from_load(result);
        ASSERT_GE(lines.size(), 3u) << result.transcript;
        std::string const time = std::to_string(static_cast<int>(std::stod(at) * 1000 + 0.5));
        EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
            (Lines { time + " unload frmw3l3x", time + " music stop \\W3L3X.mid", time + " end" }))
            << result.transcript;
        EXPECT_EQ(result.count("imgbf"), 0) << result.transcript;
        EXPECT_EQ(result.count("W1L52"), 0) << result.transcript;
        EXPECT_EQ(result.count("frmw3l3 "), 0) << result.transcript;
    }
}

TEST(BarnAttackScene, PicturesTakeTheSizesOfTheirSprites)
{
    // On this twips screen the barn's sprite is 3375 × 2535 and the Mecha Grawn's 3270 × 2385:
    // fifteen twips to each pixel of their pictures.
    auto const standing = rasterize(art::attacked_barn(), 1);
    EXPECT_EQ(standing.width * twips_per_pixel, 3375);
    EXPECT_EQ(standing.height * twips_per_pixel, 2535);
    auto const mecha = rasterize(art::mecha_grawn(art::Facing::left), 1);
    EXPECT_EQ(mecha.width * twips_per_pixel, 3270);
    EXPECT_EQ(mecha.height * twips_per_pixel, 2385);

    // Every frame of the collapse is the barn's size and differs from the one before it.
    std::vector<Raster> frames { standing };
    for (int frame = 1; frame <= art::barn_collapse_frames; ++frame)
        frames.push_back(rasterize(art::barn_collapsing(frame), 1));
    for (std::size_t i = 1; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].width, standing.width) << "frame " << i;
        EXPECT_EQ(frames[i].height, standing.height) << "frame " << i;
        EXPECT_NE(frames[i].pixels, frames[i - 1].pixels) << "frame " << i;
    }
    // A frame the barn does not have draws the nearest one rather than failing.
    EXPECT_EQ(rasterize(art::barn_collapsing(0), 1).pixels, frames[1].pixels);
    EXPECT_EQ(rasterize(art::barn_collapsing(9), 1).pixels, frames.back().pixels);
}
