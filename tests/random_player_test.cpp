// A seeded random player on every screen for ten minutes of game time: random clicks anywhere,
// random keys, boxes answered at random. Nothing crashes, no hidden screen opens a box, the game
// ends at most once and no screen is handed over twice.
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "shell/screens.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>
#include <set>
#include <sstream>

using platform::ScriptCommand;
using platform::Verb;

namespace {

constexpr double minutes = 10;

class RandomPlayer final : public platform::CommandSource {
public:
    // `faults` outlives the player, which the run owns and ends with.
    RandomPlayer(std::uint32_t seed, std::string screen, double seconds, std::vector<std::string>& faults)
        : m_random(seed)
        , m_screen(std::move(screen))
        , m_seconds(seconds)
        , m_faults(faults)
    {
    }

    std::optional<ScriptCommand> next(platform::Runtime& runtime) override
    {
        ScriptCommand command;
        command.line = ++m_line;
        if (m_line == 1 && m_screen != "intro") {
            command.verb = Verb::show;
            command.target.form = m_screen;
            return command;
        }
        if (runtime.clock().now() > platform::seconds_to_micros(m_seconds))
            return {};
        platform::Form* front = nullptr;
        for (auto* form : runtime.forms()) {
            if (form->visible()) {
                front = form;
                m_ever_shown.insert(form);
            }
        }
        if (auto const* box = runtime.top_dialog()) {
            if (box->owner && m_ever_shown.contains(box->owner) && !box->owner->visible())
                m_faults.push_back("a box from the hidden " + box->owner->name() + ": " + box->text);
            return answer(*box, command);
        }
        int const roll = pick(0, 99);
        if (!front || roll < 25) {
            command.verb = Verb::wait;
            command.seconds = pick(1, 80) / 100.0;
            return command;
        }
        command.target.form = front->name();
        command.button = pick(1, 2);
        if (roll < 65) {
            // A click on something shown, somewhere inside it.
            std::vector<platform::Control*> shown;
            for (auto* control : front->controls()) {
                if (control->visible() && control->takes_mouse())
                    shown.push_back(control);
            }
            if (shown.empty())
                return wait(command);
            auto const* target = shown[pick(0, static_cast<int>(shown.size()) - 1)];
            command.verb = roll < 60 ? Verb::clickat : Verb::down;
            command.point = platform::PointKind::position;
            command.x = (target->left() + pick(0, 99) / 100.0 * target->width()) / front->units_per_pixel();
            command.y = (target->top() + pick(0, 99) / 100.0 * target->height()) / front->units_per_pixel();
        } else if (roll < 80) {
            command.verb = Verb::clickat;
            command.point = platform::PointKind::position;
            command.x = pick(0, front->client_width());
            command.y = pick(0, front->client_height());
        } else {
            static constexpr int keys[] = { 37, 38, 39, 40, 32, 90, 16, 17, 65, 13 };
            command.verb = roll < 95 ? Verb::key : (roll < 97 ? Verb::keydown : Verb::keyup);
            command.key = keys[pick(0, 9)];
            command.shift = pick(0, 7) == 0 ? pick(1, 7) : 0;
        }
        return command;
    }
    std::string const& name() const override { return m_screen; }

private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    ScriptCommand wait(ScriptCommand command)
    {
        command.verb = Verb::wait;
        command.seconds = 0.1;
        return command;
    }

    ScriptCommand answer(platform::Dialog const& box, ScriptCommand command)
    {
        int const roll = pick(0, 9);
        if (roll < 4)
            return wait(command);
        if (box.kind == platform::DialogKind::input && roll < 6) {
            static constexpr char const* texts[] = { "", "amber crypt", "Amber Crypt", " hogsly", "lanternkey", "x-hawk dawn", "\x01\xff nonsense" };
            command.verb = Verb::type;
            command.text = texts[pick(0, 6)];
            return command;
        }
        command.verb = roll < 8 ? Verb::ok : Verb::cancel;
        return command;
    }

    std::mt19937 m_random;
    std::string m_screen;
    double m_seconds = 0;
    int m_line = 0;
    std::vector<std::string>& m_faults;
    std::set<platform::Form const*> m_ever_shown;
};

// A box whose text ends the game or the level as lost.
bool game_over_box(std::string const& line)
{
    if (line.find(" msgbox ") == std::string::npos)
        return false;
    std::string lower = line;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower.find("game over") != std::string::npos || lower.find("gameover") != std::string::npos;
}

// One run of the random player on `screen`: the game time it lasted, in seconds.
double play_randomly(std::string const& screen, std::uint32_t seed, double seconds)
{
    std::vector<std::string> faults;
    std::ostringstream out;
    std::ostringstream err;
    int const status = platform::run_commands(std::make_unique<RandomPlayer>(seed, screen, seconds, faults), testing_support::game(), out, err);
    testing_support::ScriptRun run;
    run.transcript = out.str();
    auto const lines = run.lines();
    std::string const what = screen + " seed " + std::to_string(seed);
    EXPECT_EQ(status, 0) << what << ": " << err.str();
    EXPECT_TRUE(faults.empty()) << what << ": " << (faults.empty() ? "" : faults.front());
    if (lines.empty())
        return seconds;

    std::map<std::string, int> shows;
    std::map<std::string, int> hides;
    long game_overs = 0;
    for (auto const& line : lines) {
        if (auto at = line.find(" show "); at != std::string::npos)
            ++shows[line.substr(at + 6)];
        if (auto at = line.find(" hide "); at != std::string::npos)
            ++hides[line.substr(at + 6)];
        game_overs += game_over_box(line);
    }
    for (auto const& [form, count] : shows)
        EXPECT_EQ(count, 1) << what << ": " << form << " shown again\n" << run.transcript;
    for (auto const& [form, count] : hides)
        EXPECT_EQ(count, 1) << what << ": " << form << " handed over again\n" << run.transcript;
    EXPECT_LE(game_overs, 1) << what << "\n" << run.transcript;
    return std::stod(lines.back()) / 1000;
}

}

// A random player loses most screens within seconds and so ends the game: each screen is played
// again with new seeds until it has had its ten minutes, within a bound on the runs.
TEST(RandomPlayer, PlaysEveryScreenForTenMinutesWithoutAFault)
{
    constexpr int most_runs = 250;
    std::uint32_t seed = 1;
    for (auto const& screen : shell::screen_names()) {
        double left = minutes * 60;
        for (int run = 0; run < most_runs && left > 0; ++run)
            left -= play_randomly(screen, seed++, left);
    }
}
