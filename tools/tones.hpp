// Simple synthesiser voices for the effects that are little pieces of music: the title jingle,
// the dance cues and the stingers under spoken lines.
#pragma once

#include "dsp.hpp"

#include <cstdint>

namespace soundgen {

enum class Wave { sine, triangle, square, saw, detuned_saws };

struct ToneSpec {
    Wave wave = Wave::saw;
    double frequency = 440.0;
    double end_frequency = 0.0;  // glides here over the held time; 0 keeps the pitch
    double length = 0.5;  // held time; the release follows
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;
    double cutoff = 4000.0;  // low-pass cutoff while sustained
    double cutoff_burst = 0.0;  // extra cutoff at the attack, fading with the decay: brass "blat"
    double resonance = 0.7;
    double vibrato_rate = 0.0;
    double vibrato_depth = 0.0;  // share of the pitch
    double vibrato_delay = 0.0;
};

double note_frequency(int midi_key);

Signal render_tone(const ToneSpec& tone);
Signal kick_drum();
Signal snare_drum(std::uint64_t seed);
Signal crash_cymbal(std::uint64_t seed, double length);

}  // namespace soundgen
