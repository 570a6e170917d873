// How regularly 25 ms timers tick on the real clock in a real window under Xvfb, beside the best
// a program can do: a bare loop sleeping to absolute points of the same 25 ms grid
// (clock_nanosleep with TIMER_ABSTIME). The form moves 15 sprites on every tick, as a rescue level
// does, and has a second timer that switches itself off and on again in its own tick, as the
// game's screens do (a timer restarted by a late tick keeps its grid). Per run: the mean period
// between ticks and the 99th percentile of each tick's lateness behind its grid point.
//
// Usage: tick_bench [--rounds N] [--seconds N] [--here]
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/run_windowed.hpp"
#include "platform/timer.hpp"

#include "support/child_runs.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <vector>

using namespace platform;

namespace {

constexpr int period_ms = 25;
constexpr Micros period_us = period_ms * 1000;
constexpr int warm_up_ticks = 20;
double g_seconds = 20;

struct Regularity {
    double mean_period_ms = -1;
    double p99_late_ms = -1;
    double worst_late_ms = -1;
    int ticks = 0;
    int missed = 0;
};

// Tick times (µs) in, the figures out. Each tick belongs to the grid point nearest to it (a tick
// that fell a whole period behind has coalesced with the next and counts as missed); lateness is
// measured against the grid through the least late tick, so that no tick counts as early.
Regularity judge(std::vector<Micros> const& times)
{
    Regularity figures;
    if (times.size() < 2)
        return figures;
    figures.ticks = static_cast<int>(times.size());
    figures.mean_period_ms = static_cast<double>(times.back() - times.front()) / static_cast<double>(times.size() - 1) / 1000.0;
    std::vector<Micros> offsets;
    Micros point = 0;
    for (Micros time : times) {
        point = (time - times.front() + period_us / 2) / period_us;
        offsets.push_back(time - times.front() - point * period_us);
    }
    figures.missed = static_cast<int>(point + 1 - static_cast<Micros>(times.size()));
    Micros const grid = *std::min_element(offsets.begin(), offsets.end());
    std::vector<double> late;
    for (Micros offset : offsets)
        late.push_back(static_cast<double>(offset - grid) / 1000.0);
    std::sort(late.begin(), late.end());
    figures.p99_late_ms = late[std::min(late.size() - 1, late.size() * 99 / 100)];
    figures.worst_late_ms = late.back();
    return figures;
}

struct FormRun {
    Regularity mover;
    Regularity restarted;
};

class Level : public Form {
public:
    Level(Runtime& runtime, std::size_t wanted, FormRun& out)
        : Form(runtime, "level", { "Ticks", largest_screen_width, largest_screen_height, { 0, 96, 0 } })
        , m_wanted(wanted)
        , m_out(out)
    {
        for (int i = 0; i < 15; ++i)
            m_sprites.push_back(std::make_unique<Sprite>(*this, "sprite", Rect { 10.0 + 30 * i, 80.0 + 20 * i, 32, 32 }));
        mover.on_tick = [this] {
            for (auto& sprite : m_sprites)
                sprite->move(sprite->left() + 3 > 440 ? 0 : sprite->left() + 3, sprite->top());
            note(m_mover_times);
        };
        restarted.on_tick = [this] {
            restarted.disable();
            restarted.enable();
            note(m_restarted_times);
        };
    }

    Timer mover { *this, "mover", period_ms, Switch::on };
    Timer restarted { *this, "restarted", period_ms, Switch::on };

private:
    void note(std::vector<Micros>& times)
    {
        if (m_seen++ >= 2 * warm_up_ticks)
            times.push_back(runtime().clock().now());
        if (m_mover_times.size() < m_wanted || m_restarted_times.size() < m_wanted)
            return;
        m_out = { judge(m_mover_times), judge(m_restarted_times) };
        unload();
    }

    std::size_t m_wanted;
    FormRun& m_out;
    int m_seen = 0;
    std::vector<Micros> m_mover_times;
    std::vector<Micros> m_restarted_times;
    std::vector<std::unique_ptr<Sprite>> m_sprites;
};

std::size_t wanted_ticks() { return static_cast<std::size_t>(g_seconds * 1000 / period_ms); }

// Until the form has seen enough ticks of both timers and unloads itself, which ends the run.
FormRun run_form()
{
    WindowOptions options;
    options.scale = 2;
    FormRun figures;
    Level* level = nullptr;
    int const status = run_windowed(
        options,
        [&](Runtime& runtime) { level = static_cast<Level*>(&runtime.adopt(std::make_unique<Level>(runtime, wanted_ticks(), figures))); },
        [&](Runtime&) { level->show(); }, {}, std::cerr);
    return status == 0 ? figures : FormRun {};
}

Regularity run_bare()
{
    std::vector<Micros> times;
    timespec next {};
    clock_gettime(CLOCK_MONOTONIC, &next);
    auto const micros = [](timespec const& t) { return static_cast<Micros>(t.tv_sec) * 1'000'000 + t.tv_nsec / 1000; };
    for (std::size_t i = 0; times.size() < wanted_ticks(); ++i) {
        next.tv_nsec += period_us * 1000;
        if (next.tv_nsec >= 1'000'000'000) {
            next.tv_nsec -= 1'000'000'000;
            ++next.tv_sec;
        }
        clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        if (i >= warm_up_ticks)
            times.push_back(micros(now));
    }
    return judge(times);
}

void report(char const* what, std::vector<Regularity> const& runs, bool judged)
{
    std::vector<double> periods;
    std::vector<double> lates;
    double worst = 0;
    int missed = 0;
    int ticks = 0;
    for (auto const& run : runs) {
        periods.push_back(run.mean_period_ms);
        lates.push_back(run.p99_late_ms);
        worst = std::max(worst, run.worst_late_ms);
        missed += run.missed;
        ticks += run.ticks;
    }
    double const period = bench::median(periods);
    double const late = bench::median(lates);
    std::printf("  %-46s mean period %7.3f ms, 99th percentile late %5.2f ms (worst %5.2f, %d of %d missed)", what, period, late, worst,
        missed, ticks + missed);
    if (judged)
        std::printf("  (goal 25.0 +- 0.2 ms, under 2 ms: %s)", std::abs(period - 25.0) <= 0.2 && late < 2.0 ? "met" : "NOT met");
    std::printf("\n    rounds:");
    for (auto const& run : runs)
        std::printf(" %.3f ms/%.2f ms", run.mean_period_ms, run.p99_late_ms);
    std::printf("\n");
}
}

int main(int argc, char** argv)
{
    bench::run_under_xvfb(argc, argv);
    int rounds = 3;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            g_seconds = std::max(2.0, std::atof(argv[++i]));
        else if (std::strcmp(argv[i], "--rounds") == 0)
            rounds = std::max(1, std::atoi(argv[++i]));
    }
    std::vector<Regularity> bare;
    std::vector<Regularity> mover;
    std::vector<Regularity> restarted;
    for (int round = 0; round < rounds; ++round) {
        // In turns, the one that went first going second the next round.
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn + round) % 2 == 0) {
                bare.push_back(bench::in_child(run_bare));
            } else {
                auto const form = bench::in_child(run_form);
                mover.push_back(form.mover);
                restarted.push_back(form.restarted);
            }
        }
    }
    std::printf("25 ms ticks on the real clock, %.0f s a run, median of %d rounds:\n", g_seconds, rounds);
    report("bare loop, clock_nanosleep to the grid", bare, false);
    report("form in a window, timer moving 15 sprites", mover, true);
    report("form in a window, timer restarted in its tick", restarted, true);
    return 0;
}
