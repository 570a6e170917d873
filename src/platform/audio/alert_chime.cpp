// The default alert: a bell-like "ding-dong", a high tone and a fourth below, synthesised in code.
#include "platform/audio/alert_chime.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

struct Strike {
    double start_seconds;
    double frequency;
    double decay_seconds;
};

constexpr Strike strikes[] = {{0.0, 1046.5, 0.16}, {0.17, 783.99, 0.26}};
constexpr double length_seconds = 0.8;
constexpr double attack_seconds = 0.004;
constexpr double fade_out_seconds = 0.04;

// Partials of a small bell: the fundamental, its octave and a slightly inharmonic upper tone,
// each dying away faster than the one below it.
struct Partial {
    double ratio;
    double level;
    double decay_scale;
};

constexpr Partial partials[] = {{1.0, 1.0, 1.0}, {2.0, 0.35, 0.6}, {2.76, 0.12, 0.35}};

double strike_sample(Strike const& strike, double t)
{
    if (t < 0.0)
        return 0.0;
    auto const attack = std::min(1.0, t / attack_seconds);
    double sum = 0.0;
    for (auto const& partial : partials)
        sum += partial.level * std::exp(-t / (strike.decay_seconds * partial.decay_scale))
            * std::sin(2.0 * std::numbers::pi * strike.frequency * partial.ratio * t);
    return attack * sum;
}

Pcm synthesise()
{
    auto const frames = static_cast<std::size_t>(length_seconds * mix_rate);
    Pcm chime;
    chime.samples.resize(frames * mix_channels);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        auto const t = static_cast<double>(frame) / mix_rate;
        double value = 0.0;
        for (auto const& strike : strikes)
            value += strike_sample(strike, t - strike.start_seconds);
        auto const fade = std::min(1.0, (length_seconds - t) / fade_out_seconds);
        auto const sample = static_cast<float>(0.3 * fade * value);
        chime.samples[frame * 2] = sample;
        chime.samples[frame * 2 + 1] = sample;
    }
    return chime;
}

}

std::shared_ptr<Pcm const> alert_chime()
{
    static auto const chime = std::make_shared<Pcm const>(synthesise());
    return chime;
}

}
