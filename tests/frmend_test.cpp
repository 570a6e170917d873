// The true ending played by scripts: the four dance figures and where they leave the dancers, the
// three messages on their beats, the hand-over to the credits that happens once, and closing it.
#include "scenes/frmend.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

// Stands in for the final credits: only its tune.
class FinalCredits : public screen::Screen {
public:
    explicit FinalCredits(Runtime& runtime)
        : Screen(runtime, "frmcredits2", { .caption = "Grawn 2", .width = 411, .height = 381, .back = colors::white })
    {
    }
    void Form_Load() override { PlayMusic("\\CREDITS2.mid"); }
};

HeadlessGame game()
{
    return testing_support::game({ { "frmend", [](Runtime& rt) { return std::make_unique<scenes::frmend>(rt); } },
        { "frmcredits2", [](Runtime& rt) { return std::make_unique<FinalCredits>(rt); } } });
}

std::vector<std::string> scene_lines(ScriptRun const& result)
{
    auto lines = result.lines();
    std::erase_if(lines, [](std::string const& line) { return line.find("intro") != std::string::npos || line.find(" value ") != std::string::npos; });
    return lines;
}

std::string const dancers = "print frmend.imgpig1.Left\nprint frmend.imgpig1.Top\nprint frmend.imgpig2.Left\nprint frmend.imgpig2.Top\n"
                            "print frmend.imgsheep.Left\nprint frmend.imgsheep.Top\nprint frmend.imgcow.Left\nprint frmend.imgcow.Top\n";

std::string const home = "312 192 8 176 248 168 120 224";

// The dancers' places in the order `dancers` prints them, as one line.
std::string places_at(ScriptRun const& result, std::string const& time)
{
    std::string places;
    for (auto const& line : result.lines()) {
        if (line.starts_with(time + " value frmend.img"))
            places += (places.empty() ? "" : " ") + line.substr(line.rfind(' ') + 1);
    }
    return places;
}

}

TEST(TrueEnding, DancesSaysItsThreeLinesAndHandsOverOnce)
{
    // Each dancer's first move comes on its timer's first tick: the pig right, the cow down, the
    // sheep right, the other pig up.
    auto result = run("show frmend\nwait 0.25\nprint frmend.imgpig1.Left\nwait 0.45\nprint frmend.imgcow.Top\nwait 0.05\n"
                      "print frmend.imgsheep.Left\nwait 0.25\nprint frmend.imgpig2.Top\n"
                      "wait 2.499\nprint frmend.Label2.Caption\nwait 0.001\nprint frmend.Label2.Caption\nwait 3.499\nprint frmend.Label2.Caption\n"
                      "wait 0.001\nprint frmend.Label2.Caption\nwait 3.5\nprint frmend.Label2.Caption\nprint frmend.Timer1.Enabled\n"
                      "wait 14.499\nprint frmend.Visible\nwait 0.001\nprint frmend.Visible\nprint frmend.timepig1.Enabled\n"
                      "print frmend.timesheep.Enabled\nprint frmend.timecow.Enabled\nprint frmend.timepig2.Enabled\nprint frmend.Timer2.Enabled\n"
                      "wait 5\n"
        + dancers + "wait 50\nprint frmend.Label2.Caption\n",
        game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* value : { "250 value frmend.imgpig1.Left 315", "700 value frmend.imgcow.Top 229", "750 value frmend.imgsheep.Left 251",
             "1000 value frmend.imgpig2.Top 171", "3499 value frmend.Label2.Caption \"Congratulations!\"",
             "3500 value frmend.Label2.Caption \"You Are a Grawn Master!\"", "6999 value frmend.Label2.Caption \"You Are a Grawn Master!\"",
             "7000 value frmend.Label2.Caption \"Look out for Grawn 3: The Last Stampede!\"",
             "10500 value frmend.Label2.Caption \"Coming to a farm near you next Summer!\"", "10500 value frmend.Timer1.Enabled False",
             "24999 value frmend.Visible True", "25000 value frmend.Visible False", "25000 value frmend.timepig1.Enabled False",
             "25000 value frmend.timesheep.Enabled False", "25000 value frmend.timecow.Enabled False",
             "25000 value frmend.timepig2.Enabled False", "25000 value frmend.Timer2.Enabled False",
             "80000 value frmend.Label2.Caption \"Coming to a farm near you next Summer!\"" })
        EXPECT_TRUE(result.has(value)) << value << "\n" << result.transcript;
    // The figures the hand-over caught finish on the hidden screen and leave every dancer home.
    EXPECT_EQ(places_at(result, "30000"), home) << result.transcript;
    // The credits come once, and nothing of the ending is heard after them.
    EXPECT_EQ(scene_lines(result),
        (std::vector<std::string> { "0 load frmend", "0 music play \\W1L5.mid", "0 show frmend", "25000 music stop \\W1L5.mid", "25000 hide frmend",
            "25000 load frmcredits2", "25000 music play \\CREDITS2.mid", "25000 show frmcredits2", "80000 script-end" }))
        << result.transcript;
}

TEST(TrueEnding, NoDancerDriftsHoweverTheFiguresInterleave)
{
    // Sampled through the whole dance, no dancer strays further than its figure takes it.
    std::string script = "show frmend\n";
    for (int i = 0; i < 1000; ++i)
        script += "wait 0.025\n" + dancers;
    auto result = run(script, game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    std::map<std::string, std::pair<double, double>> range;
    for (auto const& line : result.lines()) {
        auto const at = line.find(" value frmend.");
        if (at == std::string::npos)
            continue;
        auto const name_end = line.rfind(' ');
        auto const name = line.substr(at + 14, name_end - at - 14);
        double const value = std::stod(line.substr(name_end + 1));
        auto [it, fresh] = range.try_emplace(name, value, value);
        it->second = { std::min(it->second.first, value), std::max(it->second.second, value) };
    }
    // Relative to home: the pig's figure reaches 3 right and 7 down, the sheep's 7 right and 2 left
    // of home, the cow's 5 down and 5 left, the other pig's 5 up and 5 right.
    std::map<std::string, std::pair<double, double>> const reach { { "imgpig1.Left", { 312, 315 } }, { "imgpig1.Top", { 192, 199 } },
        { "imgsheep.Left", { 246, 255 } }, { "imgsheep.Top", { 168, 168 } }, { "imgcow.Left", { 115, 120 } }, { "imgcow.Top", { 224, 229 } },
        { "imgpig2.Left", { 8, 13 } }, { "imgpig2.Top", { 171, 176 } } };
    for (auto const& [name, bounds] : reach)
        EXPECT_EQ(range[name], bounds) << name;
}

TEST(TrueEnding, ClosingItInTheMiddleStopsTheTuneAndEndsTheGame)
{
    // Closed during the messages, with figures under way: no credits, no later message.
    auto result = run("show frmend\nwait 8.2\nclose frmend\nwait 30\n", game());
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_EQ(scene_lines(result),
        (std::vector<std::string> {
            "0 load frmend", "0 music play \\W1L5.mid", "0 show frmend", "8200 unload frmend", "8200 music stop \\W1L5.mid", "8200 end" }))
        << result.transcript;
}
