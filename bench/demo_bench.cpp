// How fast the headless demo plays the whole game, from the title screen to the closed final
// credits, beside a replay of the very same commands as a script (the same game with no player
// looking at it). Prints game seconds per wall second for both and the demo's wall time (the
// goal is under one second).
#include "demo/demo.hpp"
#include "platform/headless/headless_run.hpp"
#include "platform/runtime.hpp"
#include "shell/game.hpp"
#include "shell/screens.hpp"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr int rounds = 5;

// The demo, keeping every command it gives for the replay.
class Recorded final : public platform::CommandSource {
public:
    explicit Recorded(platform::Script& script)
        : m_demo(demo::make_demo_player({}))
        , m_script(script)
    {
    }
    std::optional<platform::ScriptCommand> next(platform::Runtime& runtime) override
    {
        auto command = m_demo->next(runtime);
        if (command)
            m_script.commands.push_back(*command);
        return command;
    }
    std::string const& name() const override { return m_demo->name(); }

private:
    std::unique_ptr<platform::CommandSource> m_demo;
    platform::Script& m_script;
};

platform::HeadlessGame game(char const* argv0)
{
    platform::HeadlessGame game;
    game.install = shell::install_screens;
    game.start = [](platform::Runtime& runtime) { runtime.show_form("intro"); };
    // The sound files lie beside the game, one folder up: their lengths time the synchronous ones.
    game.program_folder = std::filesystem::path(shell::program_folder(argv0)).parent_path().string();
    return game;
}

// The game time at the transcript's last line, in seconds.
double game_seconds(std::string const& transcript)
{
    auto const last = transcript.rfind('\n', transcript.size() - 2);
    return std::stod(transcript.substr(last == std::string::npos ? 0 : last + 1)) / 1000;
}

struct Timing {
    double wall = 1e9; // the best of the rounds
    double game = 0;
};

template<typename Run>
Timing best_of(Run run)
{
    Timing timing;
    for (int i = 0; i < rounds; ++i) {
        std::ostringstream transcript;
        auto const started = std::chrono::steady_clock::now();
        run(transcript);
        double const wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        timing.wall = std::min(timing.wall, wall);
        timing.game = game_seconds(transcript.str());
    }
    return timing;
}

}

int main(int, char** argv)
{
    auto const the_game = game(argv[0]);
    platform::Script script { .file = "demo", .commands = {} };
    auto const demo = best_of([&](std::ostream& out) {
        script.commands.clear();
        platform::run_commands(std::make_unique<Recorded>(script), the_game, out, std::cerr);
    });
    auto const replay = best_of([&](std::ostream& out) { platform::run_script(script, the_game, out, std::cerr); });

    std::cout << "demo_bench: the whole game played by the demo, best of " << rounds << "\n"
              << "demo:     " << demo.game << " s of game time in " << demo.wall << " s wall, " << demo.game / demo.wall
              << " game seconds per wall second (goal: the whole game under 1 s wall)\n"
              << "baseline: " << replay.game << " s of game time replaying its " << script.commands.size() << " commands as a script in "
              << replay.wall << " s wall, " << replay.game / replay.wall << " game seconds per wall second\n";
    return demo.wall < 1 ? 0 : 1;
}
