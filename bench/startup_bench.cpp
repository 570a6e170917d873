// Start-up to the title screen's first frame, beside the minimal SDL program (bench/minimal), each
// started afresh as its own process under a fresh Xvfb. The first frame is the moment the first
// window picture has reached the X server: the game and the baseline both stamp it (CLOCK_MONOTONIC)
// on stderr when GRAWN2_FIRST_FRAME_STAMP is set, just after the window surface update (which
// waits until the server has taken it); the time counts from just before the process is spawned.
// Also counts the shared libraries mapped at the first frame and once the sound has settled.
//
// Usage: startup_bench [--rounds N] [--here]
#include "support/child_runs.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// The title screen's window at the scale the game picks on a 1280 x 1024 screen.
constexpr int title_scale = 2;
constexpr int title_width = 312 * title_scale;
constexpr int title_height = 213 * title_scale;
// How long the sound is given to finish loading before the libraries are counted again.
constexpr double settle_seconds = 3.0;

struct Run {
    double millis = -1;
    std::size_t libraries_at_frame = 0;
    std::size_t libraries_settled = 0;
};

enum class Program { minimal, game_sound, game_muted };

Run run_once(Program program)
{
    auto const folder = bench::bench_folder();
    std::vector<std::string> args;
    std::vector<std::string> env { "GRAWN2_FIRST_FRAME_STAMP=1" };
    if (program == Program::minimal) {
        args = { (folder / "minimal_sdl").string(), "--width", std::to_string(title_width), "--height", std::to_string(title_height) };
    } else {
        args = { (folder.parent_path() / "grawn2").string(), "--scale", std::to_string(title_scale) };
        if (program == Program::game_muted)
            args.push_back("--mute");
        for (auto const& each : bench::disk_audio_env())
            env.push_back(each);
    }
    bench::Child child(args, env);
    Run run;
    if (!child.started())
        return run;
    auto const stamp = child.wait_for_line("first-frame ", 20);
    if (stamp) {
        run.millis = static_cast<double>(std::atoll(stamp->c_str()) - child.started_ns()) / 1e6;
        run.libraries_at_frame = child.shared_libraries().size();
        child.wait_for_line("\x01", settle_seconds);
        run.libraries_settled = child.shared_libraries().size();
    }
    child.ask_to_end();
    child.finish();
    if (!stamp)
        std::fprintf(stderr, "startup_bench: no first frame from %s:\n%s", args[0].c_str(), child.errors().c_str());
    return run;
}

}

int main(int argc, char** argv)
{
    bench::run_under_xvfb(argc, argv);
    int rounds = 10;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));

    std::map<Program, std::vector<double>> times;
    std::map<Program, Run> last;
    std::vector<Program> order { Program::minimal, Program::game_sound, Program::game_muted };
    // One run of each per round, in turns, so that the machine's moods fall on all three alike.
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            Program const program = order[(i + static_cast<std::size_t>(round)) % order.size()];
            Run const run = run_once(program);
            if (run.millis < 0)
                return 1;
            times[program].push_back(run.millis);
            last[program] = run;
        }
    }
    double const baseline = bench::median(times[Program::minimal]);
    std::printf("Start-up to the first frame of the title screen (%d x %d), median of %d runs each:\n", title_width, title_height, rounds);
    auto const report = [&](char const* what, Program program, bool judged) {
        double const ms = bench::median(times[program]);
        double const lowest = *std::min_element(times[program].begin(), times[program].end());
        std::printf("  %-34s %7.1f ms (fastest %6.1f)  %4.2f x the baseline  libraries %zu at the frame, %zu settled", what, ms, lowest,
            ms / baseline, last[program].libraries_at_frame, last[program].libraries_settled);
        if (judged)
            std::printf("  (goal within 1.5 x: %s)", ms <= 1.5 * baseline ? "met" : "NOT met");
        std::printf("\n");
    };
    report("minimal SDL2 program (baseline)", Program::minimal, false);
    report("the game, sound on the disk driver", Program::game_sound, true);
    report("the game, --mute", Program::game_muted, true);
    return 0;
}
