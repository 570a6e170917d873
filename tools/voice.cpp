// A formant voice: glottal buzz plus breath noise through three resonances.
#include "voice.hpp"

#include "rng.hpp"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

Vowel vowel_at(const std::vector<VowelPoint>& points, double time)
{
    if (points.empty()) {
        return vowels::aa;
    }
    if (time <= points.front().time) {
        return points.front().vowel;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (time < points[i].time) {
            const Vowel& a = points[i - 1].vowel;
            const Vowel& b = points[i].vowel;
            const double s = (time - points[i - 1].time) / (points[i].time - points[i - 1].time);
            const auto mix = [s](double x, double y) { return x + (y - x) * s; };
            return Vowel{mix(a.f1, b.f1), mix(a.f2, b.f2), mix(a.f3, b.f3),
                         mix(a.a1, b.a1), mix(a.a2, b.a2), mix(a.a3, b.a3)};
        }
    }
    return points.back().vowel;
}

// Resonances get wider as they rise, as in a real vocal tract.
double formant_q(double frequency) { return frequency / (50.0 + 0.07 * frequency); }

}  // namespace

Signal sing_voice(const VoiceSpec& voice_shape)
{
    Rng rng(voice_shape.seed);
    Oscillator glottis;
    Oscillator subharmonic;
    OnePole source_tilt;
    OnePole wander;
    OnePole dc_blocker;
    Svf formants[3];
    Signal out(to_samples(voice_shape.length));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = to_seconds(i);
        const double drift = 1.0 + voice_shape.jitter * 40.0 * wander.lowpass(rng.noise(), 6.0);
        const double vibrato = 1.0 + voice_shape.vibrato_depth * std::sin(2.0 * k_pi * voice_shape.vibrato_rate * t);
        const double f0 = voice_shape.pitch.at(t) * vibrato * drift;

        double buzz = -glottis.saw(f0);
        if (voice_shape.roughness > 0.0) {
            buzz *= 1.0 - voice_shape.roughness * (0.5 + 0.5 * subharmonic.sine(f0 * 0.5));
        }
        buzz = source_tilt.lowpass(static_cast<float>(buzz), voice_shape.brightness) * 2.0;
        const double breath = std::clamp(voice_shape.breath.at(t), 0.0, 1.0);
        const float source = static_cast<float>(buzz * (1.0 - breath) + rng.noise() * breath * 0.7);

        const Vowel v = vowel_at(voice_shape.vowels, t);
        const double f1 = v.f1 * voice_shape.formant_scale;
        const double f2 = v.f2 * voice_shape.formant_scale;
        const double f3 = v.f3 * voice_shape.formant_scale;
        const double shaped = v.a1 * formants[0].bandpass(source, f1, formant_q(f1)) +
                              v.a2 * formants[1].bandpass(source, f2, formant_q(f2)) +
                              v.a3 * formants[2].bandpass(source, f3, formant_q(f3));

        // The tremolo starts on a crest, so a call is at its fullest from its first moment.
        const double tremolo = 1.0 - voice_shape.tremolo_depth * (0.5 - 0.5 * std::cos(2.0 * k_pi * voice_shape.tremolo_rate * t));
        out[i] = dc_blocker.highpass(static_cast<float>(shaped * voice_shape.loudness.at(t) * tremolo), 50.0);
    }
    return out;
}

}  // namespace soundgen
