// The demo in real windows under a fresh Xvfb with openbox, beside the minimal SDL program (bench/minimal): the
// CPU share of one core and the peak memory of the whole game played by `grawn2 --demo`, once with
// its sound on SDL's disk driver (real synthesis at the device's pace, written to /dev/null) and
// once with --mute. CPU counts from the first frame (GRAWN2_FIRST_FRAME_STAMP) to the end of the
// process, as the kernel accounts it (every thread, the sound's too); peak memory is ru_maxrss.
//
// The three run in turns, round after round, so that the machine's moods fall on all alike; the
// figures are the medians over the rounds.
//
// Usage: window_demo_bench [--rounds N] [--seconds N] [--baseline-seconds N] [--here]
// (--seconds cuts each demo after N s of play; by default it plays the whole game, about 9 min.
// The baseline idles as long as a cut demo plays, or 60 s.)
#include "support/child_runs.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int scale = 2;

struct Figures {
    double cpu_share = -1;
    double peak_mb = -1;
    double seconds = 0;
    int status = -1;
};

Figures measure(std::vector<std::string> const& args, std::vector<std::string> env, double cut_after)
{
    env.push_back("GRAWN2_FIRST_FRAME_STAMP=1");
    bench::Child child(args, env);
    Figures figures;
    if (!child.started() || !child.wait_for_line("first-frame ", 30)) {
        std::fprintf(stderr, "window_demo_bench: %s showed no window:\n%s", args[0].c_str(), child.errors().c_str());
        return figures;
    }
    long long const from = bench::monotonic_ns();
    double const cpu_from = child.cpu_seconds();
    // Plays until it ends by itself (the demo closes the final credits) or its time is up.
    double const limit = cut_after > 0 ? cut_after : 3600;
    auto const result = child.finish(limit);
    figures.seconds = static_cast<double>(bench::monotonic_ns() - from) / 1e9;
    figures.cpu_share = (result.cpu_seconds - cpu_from) / figures.seconds * 100.0;
    figures.peak_mb = result.peak_mb;
    figures.status = result.status;
    if (result.status != 0)
        std::fprintf(stderr, "window_demo_bench: %s ended with status %d:\n%s", args[0].c_str(), result.status, child.errors().c_str());
    return figures;
}

enum class Program { minimal, demo_sound, demo_muted };

Figures median_of(std::vector<Figures> const& runs)
{
    Figures middle;
    std::vector<double> cpu;
    std::vector<double> peak;
    std::vector<double> seconds;
    middle.status = 0;
    for (auto const& run : runs) {
        cpu.push_back(run.cpu_share);
        peak.push_back(run.peak_mb);
        seconds.push_back(run.seconds);
        if (run.status != 0)
            middle.status = run.status;
    }
    middle.cpu_share = bench::median(cpu);
    middle.peak_mb = bench::median(peak);
    middle.seconds = bench::median(seconds);
    return middle;
}

void report(char const* what, std::vector<Figures> const& runs, double goal)
{
    Figures const figures = median_of(runs);
    std::printf("  %-40s CPU %5.2f %% over %5.0f s, peak %5.1f MB", what, figures.cpu_share, figures.seconds, figures.peak_mb);
    if (goal > 0)
        std::printf("  (goal under %.0f %%: %s)", goal, figures.status == 0 && figures.cpu_share < goal ? "met" : "NOT met");
    if (figures.status != 0)
        std::printf("  [a run ended with status %d]", figures.status);
    std::printf("\n    rounds:");
    for (auto const& run : runs)
        std::printf(" %.2f %%/%.1f MB", run.cpu_share, run.peak_mb);
    std::printf("\n");
}

}

int main(int argc, char** argv)
{
    bench::run_under_xvfb(argc, argv);
    double cut_after = 0;
    double baseline_seconds = 0;
    int rounds = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            cut_after = std::max(5.0, std::atof(argv[++i]));
        else if (std::strcmp(argv[i], "--baseline-seconds") == 0)
            baseline_seconds = std::max(5.0, std::atof(argv[++i]));
        else if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[++i]));
    }
    if (baseline_seconds <= 0)
        baseline_seconds = cut_after > 0 ? cut_after : 60;
    auto const folder = bench::bench_folder();
    std::string const game = (folder.parent_path() / "grawn2").string();
    std::vector<std::string> const demo { game, "--demo", "--scale", std::to_string(scale) };
    std::vector<std::string> muted_demo = demo;
    muted_demo.push_back("--mute");
    std::vector<std::string> const minimal { (folder / "minimal_sdl").string(), "--width", std::to_string(510 * scale), "--height",
        std::to_string(458 * scale), "--seconds", std::to_string(baseline_seconds) };

    bench::WindowManager const window_manager;
    std::printf("The demo in real windows under Xvfb%s (scale %d), %s, median of %d rounds; CPU of every thread from the first frame to the end:\n",
        window_manager.running() ? " with openbox" : "", scale, cut_after > 0 ? ("cut after " + std::to_string(static_cast<int>(cut_after)) + " s").c_str() : "the whole game", rounds);
    std::fflush(stdout);
    std::map<Program, std::vector<Figures>> runs;
    std::vector<Program> const order { Program::minimal, Program::demo_sound, Program::demo_muted };
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            Program const program = order[(i + static_cast<std::size_t>(round)) % order.size()];
            if (program == Program::minimal)
                runs[program].push_back(measure(minimal, {}, 0));
            else if (program == Program::demo_sound)
                runs[program].push_back(measure(demo, bench::disk_audio_env(), cut_after));
            else
                runs[program].push_back(measure(muted_demo, {}, cut_after));
        }
    }
    report("minimal SDL2 program, one idle window", runs[Program::minimal], 0);
    report("grawn2 --demo, sound on the disk driver", runs[Program::demo_sound], 3);
    report("grawn2 --demo --mute", runs[Program::demo_muted], 0);
    return median_of(runs[Program::demo_sound]).status == 0 && median_of(runs[Program::demo_muted]).status == 0 ? 0 : 1;
}
