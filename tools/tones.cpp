// Simple synthesiser voices and drums for the musical effects.
#include "tones.hpp"

#include "rng.hpp"

#include <algorithm>
#include <cmath>

namespace soundgen {

double note_frequency(int midi_key) { return 440.0 * std::pow(2.0, (midi_key - 69) / 12.0); }

Signal render_tone(const ToneSpec& tone)
{
    Oscillator oscillators[3] = {Oscillator(0.0), Oscillator(0.31), Oscillator(0.67)};
    Svf filter;
    Signal out(to_samples(tone.length + tone.release));
    const double end_frequency = tone.end_frequency > 0.0 ? tone.end_frequency : tone.frequency;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = to_seconds(i);
        const double glide = std::min(t / tone.length, 1.0);
        double frequency = tone.frequency * std::pow(end_frequency / tone.frequency, glide);
        if (t > tone.vibrato_delay) {
            frequency *= 1.0 + tone.vibrato_depth * std::sin(2.0 * k_pi * tone.vibrato_rate * (t - tone.vibrato_delay));
        }
        float raw = 0.0f;
        switch (tone.wave) {
        case Wave::sine:
            raw = oscillators[0].sine(frequency);
            break;
        case Wave::triangle:
            raw = oscillators[0].triangle(frequency);
            break;
        case Wave::square:
            raw = oscillators[0].square(frequency) * 0.7f;
            break;
        case Wave::saw:
            raw = oscillators[0].saw(frequency) * 0.7f;
            break;
        case Wave::detuned_saws:
            raw = (oscillators[0].saw(frequency) + oscillators[1].saw(frequency * 1.006) +
                   oscillators[2].saw(frequency * 0.995)) * 0.3f;
            break;
        }
        const double cutoff = tone.cutoff + tone.cutoff_burst * exp_decay(t - tone.attack, tone.decay);
        const float shaped = filter.lowpass(raw, cutoff, tone.resonance);
        out[i] = static_cast<float>(shaped * adsr(t, tone.length, tone.attack, tone.decay, tone.sustain, tone.release));
    }
    return out;
}

Signal kick_drum()
{
    Oscillator body;
    Signal out(to_samples(0.45));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = to_seconds(i);
        const double frequency = 48.0 + 110.0 * exp_decay(t, 0.03);
        const double click = t < 0.004 ? 0.5 * (1.0 - t / 0.004) : 0.0;
        out[i] = static_cast<float>(body.sine(frequency) * exp_decay(t, 0.13) + click);
    }
    return out;
}

Signal snare_drum(std::uint64_t seed)
{
    Rng rng(seed);
    Oscillator shell;
    Svf rattle;
    Signal out(to_samples(0.3));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = to_seconds(i);
        const double tone = shell.sine(190.0 - 30.0 * std::min(t / 0.05, 1.0)) * exp_decay(t, 0.04);
        const double noise = rattle.bandpass(rng.noise(), 3500.0, 0.6) * exp_decay(t, 0.07);
        out[i] = static_cast<float>(0.6 * tone + 1.1 * noise);
    }
    return out;
}

Signal crash_cymbal(std::uint64_t seed, double length)
{
    Rng rng(seed);
    Svf bright;
    Svf sheen;
    Signal out(to_samples(length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = to_seconds(i);
        const float noise = rng.noise();
        const double metal = bright.highpass(noise, 4500.0, 0.9) + 0.5 * sheen.bandpass(noise, 8500.0, 2.0);
        out[i] = static_cast<float>(metal * attack_decay(t, 0.002, length / 3.5));
    }
    fade_out(out, 0.05);
    return out;
}

}  // namespace soundgen
