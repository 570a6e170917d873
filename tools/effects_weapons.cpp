// Violent effects: the gunshot, the explosion and the electric shock.
#include "effects.hpp"

#include "rng.hpp"

#include <cmath>

namespace soundgen {

Sound make_gunshot()
{
    Rng rng(0x6A11);
    Oscillator thump;
    Svf crack_filter;
    Svf body_filter;
    Svf tail_filter;
    Signal dry(to_samples(0.45));
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = to_seconds(i);
        const float noise = rng.noise();
        // The muzzle crack: a few milliseconds of bright noise.
        const double crack = crack_filter.highpass(noise, 1800.0) * exp_decay(t, 0.004) * 1.6;
        // The powder blast: mid-band noise dying in tens of milliseconds.
        const double body = body_filter.bandpass(noise, 900.0 + 1800.0 * exp_decay(t, 0.03), 0.8) *
                            exp_decay(t, 0.045) * 1.8;
        // The low punch felt in the chest.
        const double punch = thump.sine(45.0 + 140.0 * exp_decay(t, 0.02)) * exp_decay(t, 0.07);
        // What is left rolling off nearby walls.
        const double tail = tail_filter.lowpass(noise, 2200.0 * exp_decay(t, 0.25) + 300.0) *
                            attack_decay(t, 0.01, 0.16) * 0.35;
        dry[i] = static_cast<float>(crack + body + punch + tail);
    }
    soft_clip(dry, 2.5);
    return finish(add_reverb(dry, 0.55, 0.5, 0.9, 0.5));
}

Sound make_explosion()
{
    Rng rng(0xB00B);
    Oscillator sub;
    Svf blast_filter;
    Svf debris_filter;
    OnePole brown;
    Svf rumble_filter;
    Signal dry(to_samples(4.2));
    double next_debris = 0.25;
    double debris_left = 0.0;
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = to_seconds(i);
        const float noise = rng.noise();
        const double crack = noise * exp_decay(t, 0.012);
        // The fireball: noise whose brightness collapses as the blast spreads.
        const double cutoff = 150.0 + 4500.0 * exp_decay(t, 0.45);
        const double blast = blast_filter.lowpass(noise, cutoff, 0.9) * attack_decay(t, 0.008, 0.9) * 1.5;
        // Rolling thunder underneath, longer than the blast.
        const double rumble = rumble_filter.lowpass(brown.lowpass(noise, 400.0) * 12.0f, 120.0) *
                              attack_decay(t, 0.05, 1.4) * 1.4;
        const double boom = sub.sine(28.0 + 40.0 * exp_decay(t, 0.15)) * attack_decay(t, 0.004, 0.6);
        // Falling debris: short bright ticks, thinning out.
        double debris = 0.0;
        if (t >= next_debris && t < 2.8) {
            debris_left = 0.008;
            next_debris = t + rng.range(0.02, 0.09) * (1.0 + t);
        }
        if (debris_left > 0.0) {
            debris = debris_filter.bandpass(noise, 2500.0, 1.2) * 0.3 * exp_decay(t, 1.0);
            debris_left -= 1.0 / k_sample_rate;
        }
        dry[i] = static_cast<float>(crack + blast + rumble + boom + debris);
    }
    soft_clip(dry, 2.0);
    fade_out(dry, 0.8);
    return finish(add_reverb(dry, 0.8, 0.6, 0.8, 0.8));
}

Sound make_shock()
{
    Rng rng(0x5A95);
    Oscillator buzz_a;
    Oscillator buzz_b;
    Oscillator zap;
    Svf spark_filter;
    Svf body_filter;
    Signal dry(to_samples(1.3));
    double arc = 1.0;
    double next_arc = 0.0;
    double spark_left = 0.0;
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = to_seconds(i);
        // The current jumps between arcs at random, so the buzz stutters.
        if (t >= next_arc) {
            arc = rng.range(0.3, 1.0);
            next_arc = t + rng.range(0.01, 0.05);
            if (rng.chance(0.35)) {
                spark_left = rng.range(0.004, 0.015);
            }
        }
        const double hum = buzz_a.saw(120.0) + 0.8 * buzz_b.square(121.7, 0.3);
        const double body = body_filter.highpass(static_cast<float>(hum), 300.0) * arc;
        double spark = 0.0;
        if (spark_left > 0.0) {
            spark = spark_filter.highpass(rng.noise(), 2500.0) * 1.2;
            spark_left -= 1.0 / k_sample_rate;
        }
        // The first strike: a falling "zzap".
        const double strike = zap.sine(200.0 + 3200.0 * exp_decay(t, 0.03)) * exp_decay(t, 0.08);
        const double level = attack_decay(t, 0.005, 0.5);
        dry[i] = static_cast<float>((0.7 * body + spark) * level + strike);
    }
    soft_clip(dry, 4.0);
    fade_out(dry, 0.25);
    return finish(add_reverb(dry, 0.3, 0.4, 0.3, 0.2));
}

}  // namespace soundgen
