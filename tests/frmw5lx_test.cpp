// The tally played by scripts: the counts as the title screen kept them, the three verdicts and
// where End leads, including a run marked by a cheat that won bonus games afterwards.
#include "scenes/frmw5lx.hpp"
#include "screen/screen.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace platform;
using testing_support::run;
using testing_support::ScriptRun;

namespace {

// Sets the title screen's counters as a run would have left them, then steps aside.
class RunSoFar : public screen::Screen {
public:
    RunSoFar(Runtime& runtime, int bonus, int seconds)
        : Screen(runtime, "runsofar", { .caption = "Grawn 2", .width = 100, .height = 100 })
        , m_bonus(bonus)
        , m_seconds(seconds)
    {
    }
    void Form_Load() override
    {
        progress().bonusbags.set_interval(m_bonus);
        progress().bigtime.set_interval(m_seconds);
        hide();
    }

private:
    int m_bonus;
    int m_seconds;
};

class Next : public screen::Screen {
public:
    Next(Runtime& runtime, std::string name)
        : Screen(runtime, std::move(name), { .caption = "Grawn 2", .width = 100, .height = 100 })
    {
    }
};

HeadlessGame game(int bonus, int seconds)
{
    return testing_support::game({ { "runsofar", [=](Runtime& rt) { return std::make_unique<RunSoFar>(rt, bonus, seconds); } },
        { "frmw5lx", [](Runtime& rt) { return std::make_unique<scenes::frmw5lx>(rt); } },
        { "frmw5l1", [](Runtime& rt) { return std::make_unique<Next>(rt, "frmw5l1"); } },
        { "frmcredits2", [](Runtime& rt) { return std::make_unique<Next>(rt, "frmcredits2"); } } });
}

std::string const script = "show runsofar\nshow frmw5lx\nprint frmw5lx.lblbonus.Caption\nprint frmw5lx.lbltime.Caption\n"
                           "click frmw5lx.cmdnext\nprint frmw5lx.Label6.Caption\nprint frmw5lx.lblbonus.Visible\nprint frmw5lx.cmdend.Visible\n"
                           "click frmw5lx.cmdend\nprint frmw5lx.Visible\n";

std::string const cheated = "\"Sorry, since you cheated, you are not deemed eligible to get the bonus.  However, if you go back, and beat the "
                            "game (beating all of the bonus levels as well) you'll be able to get that bonus!\"";

}

TEST(BonusTally, AllFourBonusGamesOpenTheSecretLevel)
{
    auto result = run(script, game(4, 1234));
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* line : { "0 value frmw5lx.lblbonus.Caption \"4\"", "0 value frmw5lx.lbltime.Caption \"1234\"",
             "0 value frmw5lx.Label6.Caption \"Congratulations!  You get the bonus:  a secret level!  Win this level and you'll get the true ending "
             "to Grawn 2!\"",
             "0 value frmw5lx.lblbonus.Visible False", "0 value frmw5lx.cmdend.Visible True", "0 show frmw5l1", "0 value frmw5lx.Visible False" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    EXPECT_EQ(result.count("frmcredits2"), 0);
}

TEST(BonusTally, FewerWinsKeepTheFirstVerdictAndAGameNotStartedShowsNoTime)
{
    auto result = run(script, game(2, 0));
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    for (auto const* line : { "0 value frmw5lx.lblbonus.Caption \"2\"", "0 value frmw5lx.lbltime.Caption \"X\"",
             "0 value frmw5lx.Label6.Caption \"Sorry, but you did not save all of the Smart Animals.  Therefore, you are not deemed eligible to get "
             "the secret.  How about trying again and beating all those bonus stages.  If you do that, you'll get that secret!\"",
             "0 show frmcredits2" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
}

TEST(BonusTally, ACheatedRunGoesToTheCreditsEvenWithBonusGamesWonAfterTheCheat)
{
    // 20 is the cheat's mark; 22 is that mark and two bonus games won since. Both are cheated
    // runs, and neither may leave End doing nothing.
    for (int bonus : { 20, 22 }) {
        auto result = run(script, game(bonus, 300));
        EXPECT_EQ(result.exit_code, 0) << result.errors;
        EXPECT_TRUE(result.has("0 value frmw5lx.lblbonus.Caption \"X\"")) << bonus << "\n" << result.transcript;
        EXPECT_TRUE(result.has("0 value frmw5lx.Label6.Caption " + cheated)) << bonus << "\n" << result.transcript;
        EXPECT_TRUE(result.has("0 show frmcredits2")) << bonus << "\n" << result.transcript;
    }
}
