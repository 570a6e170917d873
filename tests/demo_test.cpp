// The whole game played by the demo player, from the title screen to the final credits: winning
// it, with several seeds, losing each bonus game, losing a level, and along every cheat code.
#include "demo/demo.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "shell/cheat_codes.hpp"
#include "shell/command_line.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <sstream>
#include <sys/wait.h>

using testing_support::ScriptRun;

namespace {

std::vector<std::string> const whole_chain { "intro", "frmw1l1", "frmw1l2", "frmw1l3", "frmw1l4", "frmw1l5", "frmw2l1", "frmw2l2", "frmw2l3",
    "frmw2l4", "frmw2l5", "frmw3l1", "frmw3l2", "frmw3l3x", "frmw3l3", "frmw3l42", "frmw3l5", "frmw4l1", "frmw4l2x", "frmw4l2", "frmw4l3x",
    "frmw4l3", "frmw4l4", "frmw4l5", "frmw5lx", "frmw5l1", "frmend", "frmcredits2" };

// The demo, with the bonus counter printed to the transcript as each of the last screens comes.
class CountingDemo final : public platform::CommandSource {
public:
    explicit CountingDemo(demo::DemoOptions options)
        : m_demo(demo::make_demo_player(std::move(options)))
    {
    }
    std::optional<platform::ScriptCommand> next(platform::Runtime& runtime) override
    {
        for (auto const* screen : { "frmw5lx", "frmw5l1", "frmend", "frmcredits2", "frmcredits" }) {
            auto const* form = runtime.find_form(screen);
            if (form && form->loaded() && m_counted.insert(screen).second) {
                platform::ScriptCommand print;
                print.verb = platform::Verb::print;
                print.target = { .form = "intro", .control = "bonusbags", .index = {}, .property = "Interval", .text = std::string("bonusbags@") + screen };
                return print;
            }
        }
        return m_demo->next(runtime);
    }
    std::string const& name() const override { return m_demo->name(); }

private:
    std::unique_ptr<platform::CommandSource> m_demo;
    std::set<std::string> m_counted;
};

ScriptRun play(demo::DemoOptions options)
{
    std::ostringstream out;
    std::ostringstream err;
    ScriptRun result;
    result.exit_code = platform::run_commands(std::make_unique<CountingDemo>(std::move(options)), testing_support::game(), out, err);
    result.transcript = out.str();
    result.errors = err.str();
    return result;
}

bool has_value(ScriptRun const& run, std::string const& what) { return run.count(" value " + what) == 1; }

// Won through to the true ending, the final credits closed by the player at their end.
void expect_true_ending(ScriptRun const& run, std::string const& what)
{
    EXPECT_EQ(run.exit_code, 0) << what << "\n" << run.errors;
    EXPECT_EQ(run.shown(), whole_chain) << what << "\n" << run.transcript;
    EXPECT_TRUE(has_value(run, "bonusbags@frmw5lx 4")) << what;
    EXPECT_TRUE(has_value(run, "bonusbags@frmend 4")) << what;
    EXPECT_EQ(run.count(" unload frmcredits2"), 1) << what;
    EXPECT_EQ(run.lines().back().ends_with(" end"), true) << what << "\n" << run.transcript;
    for (auto const* loss : { "died", "Game over", "Game Over", "out of time", "You Lose", "out of turns", "You shot" })
        EXPECT_EQ(run.count(loss), 0) << what << ": " << loss;
}

}

TEST(Demo, WinsTheWholeGameIntoTheSecretLevelTheTrueEndingAndTheCredits)
{
    auto const run = play({});
    expect_true_ending(run, "no seed");
    // Every click lands on something: the player aims at what it sees.
    EXPECT_EQ(run.count("nothing there takes the mouse"), 0) << run.transcript;
}

TEST(Demo, StillWinsWhateverItsSeed)
{
    std::set<std::string> games;
    for (std::uint32_t seed : { 1u, 7u, 42u, 1234u, 4000000000u }) {
        auto const run = play({ .seed = seed });
        expect_true_ending(run, "seed " + std::to_string(seed));
        games.insert(run.transcript);
    }
    EXPECT_EQ(games.size(), 5u) << "each seed plays its own game";
}

TEST(Demo, LosingABonusGameGoesOnToTheCreditsByTheTally)
{
    for (auto const* bonus : { "frmw1l4", "frmw2l4", "frmw3l42", "frmw4l5" }) {
        auto const run = play({ .lose = bonus });
        auto expected = whole_chain;
        std::erase(expected, "frmw5l1");
        std::erase(expected, "frmend");
        EXPECT_EQ(run.shown(), expected) << bonus << "\n" << run.transcript;
        EXPECT_TRUE(has_value(run, "bonusbags@frmw5lx 3")) << bonus;
        EXPECT_EQ(run.count(" unload frmcredits2"), 1) << bonus;
    }
}

TEST(Demo, LosingALevelEndsTheGameAndLosingTheDanceEndsInTheCredits)
{
    for (auto const* level : { "frmw1l1", "frmw3l2", "frmw4l2" }) {
        auto const run = play({ .lose = level });
        auto const shown = run.shown();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back(), level) << run.transcript;
        EXPECT_EQ(run.count(" unload " + std::string(level)), 1) << run.transcript;
        EXPECT_TRUE(run.lines().back().ends_with(" end")) << run.transcript;
    }
    auto const dance = play({ .lose = "frmw5l1" });
    auto const shown = dance.shown();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2], "frmw5l1");
    EXPECT_EQ(shown.back(), "frmcredits2");
    EXPECT_EQ(dance.count("The dance combo was done wrong"), 1) << dance.transcript;
    EXPECT_EQ(dance.count(" unload frmcredits2"), 1);
}

TEST(Demo, PlaysOnFromEveryCheatCodeToItsEnd)
{
    for (auto const* code : { "amber crypt", "spin up", "hogsly", "x-hawk dawn", "old sly fiddler", "crushtheherds", "lanternkey" }) {
        auto const cheat = shell::find_cheat(code);
        ASSERT_TRUE(cheat) << code;
        auto const run = play({ .cheat = code });
        auto const shown = run.shown();
        ASSERT_GE(shown.size(), 2u) << code << "\n" << run.transcript;
        EXPECT_TRUE(run.has("inputbox") || run.count(" inputbox ") == 1) << code;
        EXPECT_EQ(run.exit_code, 0) << code << "\n" << run.errors;
        if (cheat->target.empty()) {
            // The joke only shows its box; the player then starts the game and wins it.
            EXPECT_EQ(run.count("Sucker!"), 1) << run.transcript;
            expect_true_ending(run, code);
            continue;
        }
        EXPECT_EQ(shown[1], cheat->target) << code;
        std::string const last = cheat->target == "frmcredits" ? "frmcredits" : "frmcredits2";
        EXPECT_EQ(shown.back(), last) << code << "\n" << run.transcript;
        EXPECT_EQ(run.count(" unload " + last), 1) << code;
        // Only the World 3 code leaves the run uncheated, and then all four bonus games count.
        if (cheat->bonusbags == 2) {
            EXPECT_TRUE(has_value(run, "bonusbags@frmend 4")) << run.transcript;
        } else if (last == "frmcredits2") {
            EXPECT_EQ(run.count("frmw5l1"), 0) << code;
        }
        EXPECT_EQ(run.count("died"), 0) << code;
    }
}

TEST(Demo, IsAskedForOnTheCommandLine)
{
    auto parsed = shell::parse_command_line({ "--headless", "--demo", "--demo-seed", "4000000000", "--demo-lose", "frmw2l4" });
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->mode, shell::RunMode::headless);
    EXPECT_EQ(parsed.options->player, shell::Player::demo);
    EXPECT_EQ(parsed.options->demo_seed, 4000000000u);
    EXPECT_EQ(parsed.options->demo_lose, "frmw2l4");
    // A scene cannot be lost; a seed is a whole number; the demo is one player, a script another.
    for (auto const& wrong : std::vector<std::vector<std::string>> { { "--demo", "--demo-lose", "frmw1l5" }, { "--demo", "--demo-seed", "-1" },
             { "--demo", "--demo-seed", "4294967296" }, { "--demo-seed", "3" }, { "--headless", "--demo", "--script", "-" } }) {
        auto const refused = shell::parse_command_line(wrong);
        EXPECT_FALSE(refused.options) << wrong.back();
        EXPECT_FALSE(refused.error.empty());
    }
    EXPECT_NE(shell::usage().find("--demo-lose SCREEN"), std::string::npos);
}
