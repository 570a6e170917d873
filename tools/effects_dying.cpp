// Death and defeat: a dying groan and a long falling slide that ends in a thud.
#include "effects.hpp"

#include "rng.hpp"
#include "voice.hpp"

#include <algorithm>
#include <cmath>

namespace soundgen {

Sound make_death()
{
    // A last groan: the pitch sinks, the mouth closes and the breath gives out.
    Signal dry = sing_voice({.length = 2.2,
                             .pitch = Curve{{0.0, 170.0}, {0.25, 185.0}, {1.4, 95.0}, {2.2, 60.0}},
                             .loudness = Curve{{0.0, 0.0}, {0.015, 1.0}, {0.9, 0.8}, {1.8, 0.35}, {2.2, 0.0}},
                             .breath = Curve{{0.0, 0.1}, {1.2, 0.2}, {1.9, 0.75}, {2.2, 0.9}},
                             .vowels = {{0.0, vowels::aa}, {0.7, vowels::uh}, {1.6, vowels::oh}, {2.2, vowels::oo}},
                             .vibrato_rate = 5.0,
                             .vibrato_depth = 0.015,
                             .jitter = 0.02,
                             .roughness = 0.35,
                             .seed = 0xDEAD});

    // A low, sour chord sinking underneath.
    for (const double start : {110.0, 116.5, 164.8}) {
        Oscillator oscillator;
        OnePole soften;
        Signal drone(to_samples(2.2));
        for (std::size_t i = 0; i < drone.size(); ++i) {
            const double t = to_seconds(i);
            const double frequency = start * std::pow(0.5, t / 2.2 * 0.6);
            drone[i] = static_cast<float>(soften.lowpass(oscillator.saw(frequency), 600.0) * adsr(t, 1.6, 0.02, 0.3, 0.7, 0.6));
        }
        mix_into(dry, drone, 0.0, 0.25);
    }
    return finish(add_reverb(dry, 0.7, 0.5, 0.6, 0.9));
}

Sound make_go_down()
{
    Rng rng(0x60D0);
    Oscillator whistle;
    Oscillator thud;
    Svf thud_filter;
    Signal dry(to_samples(2.6));
    constexpr double fall = 1.9;
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = to_seconds(i);
        double sample = 0.0;
        if (t < fall) {
            // A slide whistle falling four octaves, wobbling more as it loses strength.
            const double frequency = 1500.0 * std::pow(2.0, -4.0 * std::pow(t / fall, 1.3));
            const double wobble = 1.0 + (0.01 + 0.04 * t / fall) * std::sin(2.0 * k_pi * 6.5 * t);
            const double level = std::min(t / 0.03, 1.0) * (1.0 - 0.3 * t / fall) * std::min((fall - t) / 0.02, 1.0);
            const double tone = whistle.sine(frequency * wobble);
            sample = level * (tone + 0.25 * tone * tone * tone);
        } else {
            // Hitting the ground.
            const double since = t - fall;
            const double boom = thud.sine(40.0 + 90.0 * exp_decay(since, 0.04)) * exp_decay(since, 0.15);
            const double dust = thud_filter.lowpass(rng.noise(), 900.0) * exp_decay(since, 0.06);
            sample = 1.3 * boom + 0.9 * dust;
        }
        dry[i] = static_cast<float>(sample);
    }
    return finish(add_reverb(dry, 0.5, 0.5, 0.4, 0.4));
}

}  // namespace soundgen
