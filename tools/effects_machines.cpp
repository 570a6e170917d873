// Machines: the flying saucer's warble and the big magnet's hum and clunk.
#include "effects.hpp"

#include "rng.hpp"

#include <algorithm>
#include <cmath>

namespace soundgen {

Sound make_saucer()
{
    Oscillator carrier;
    Oscillator upper;
    Oscillator ring;
    Rng rng(0x5A0C);
    Svf whoosh_filter;
    Signal dry(to_samples(3.6));
    const Curve base{{0.0, 520.0}, {1.2, 780.0}, {2.4, 640.0}, {3.6, 900.0}};
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = to_seconds(i);
        // The classic warble: a fast wide vibrato on a theremin-like tone.
        const double warble = std::sin(2.0 * k_pi * 7.5 * t);
        const double frequency = base.at(t) * (1.0 + 0.18 * warble);
        const double tone = carrier.sine(frequency);
        const double shimmer = upper.triangle(frequency * 1.5 * (1.0 - 0.05 * warble)) * 0.35;
        const double ringing = (tone + shimmer) * (0.75 + 0.25 * ring.sine(33.0));
        // Air pushed aside as it passes.
        const double whoosh = whoosh_filter.bandpass(rng.noise(), frequency * 2.0, 2.5) * 0.3;
        const double level = std::min(t / 0.01, 1.0) * std::min((3.6 - t) / 0.6, 1.0);
        dry[i] = static_cast<float>((ringing + whoosh) * level);
    }
    // It flies across the screen from left to right.
    const Stereo passing = pan(dry, Curve{{0.0, -0.85}, {3.6, 0.85}});
    return finish(add_reverb(passing, 0.6, 0.3, 0.5, 0.6));
}

// The magnet grabs: the clunk of iron on iron first, then the coil's hum holding the load.
Sound make_magnet()
{
    Rng rng(0x3A6E);
    Oscillator hum_oscillators[4];
    Oscillator buzz;
    OnePole buzz_filter;
    Svf clunk_noise_filter;
    Oscillator thump;
    Signal dry(to_samples(2.4));
    constexpr double clunk_at = 0.0;
    // Inharmonic partials of a struck iron plate.
    constexpr double modes[] = {187.0, 431.0, 796.0, 1263.0, 1851.0, 2602.0};
    Oscillator mode_oscillators[6];
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = to_seconds(i);
        // The coil under load, its hum sagging a little as it holds on.
        const double mains = 60.0 * (1.0 - 0.05 * std::min(t / 2.4, 1.0));
        double hum = 0.0;
        for (int h = 0; h < 4; ++h) {
            hum += hum_oscillators[h].sine(mains * (h + 1)) / (h + 1);
        }
        // The coil's buzz carries the hum to small speakers that cannot play its fundamental.
        hum += 0.7 * buzz_filter.lowpass(buzz.saw(mains * 2.0), 1200.0);
        const double hum_level = std::min(t / 0.01, 1.0) * (0.6 + 0.4 * exp_decay(t, 0.3));
        double clunk = 0.0;
        if (t >= clunk_at) {
            const double since = t - clunk_at;
            for (int m = 0; m < 6; ++m) {
                clunk += mode_oscillators[m].sine(modes[m]) * exp_decay(since, 0.35 / (1.0 + m * 0.7)) / (1.0 + m * 0.4);
            }
            clunk += clunk_noise_filter.bandpass(rng.noise(), 1200.0, 0.7) * exp_decay(since, 0.01) * 2.0;
            clunk += thump.sine(60.0 + 80.0 * exp_decay(since, 0.02)) * exp_decay(since, 0.08) * 1.2;
        }
        const double fade = std::min((2.4 - t) / 0.3, 1.0);
        dry[i] = static_cast<float>((0.8 * hum * hum_level + 0.8 * clunk) * fade);
    }
    return finish(add_reverb(dry, 0.4, 0.4, 0.35, 0.4));
}

}  // namespace soundgen
