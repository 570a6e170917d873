// The title jingle: four heroic bars of brass, lead, bass and drums that land on a major chord.
#include "effects.hpp"

#include "tones.hpp"

#include <vector>

namespace soundgen {

namespace {

constexpr double k_beat = 60.0 / 132.0;

struct JingleNote {
    double beat;
    double beats;
    int key;
};

Signal brass_chord(const std::vector<int>& keys, double beats)
{
    Signal chord;
    for (const int key : keys) {
        mix_into(chord,
                 render_tone({.wave = Wave::detuned_saws, .frequency = note_frequency(key), .length = beats * k_beat * 0.92,
                              .attack = 0.02, .decay = 0.2, .sustain = 0.75, .release = 0.15, .cutoff = 1400.0,
                              .cutoff_burst = 2200.0}),
                 0.0);
    }
    return chord;
}

Signal lead_note(int key, double beats)
{
    return render_tone({.wave = Wave::square, .frequency = note_frequency(key), .length = beats * k_beat * 0.9,
                        .attack = 0.01, .decay = 0.15, .sustain = 0.8, .release = 0.1, .cutoff = 3500.0,
                        .cutoff_burst = 2000.0, .vibrato_rate = 5.5, .vibrato_depth = 0.008, .vibrato_delay = 0.25});
}

Signal bass_note(int key, double beats)
{
    return render_tone({.wave = Wave::saw, .frequency = note_frequency(key), .length = beats * k_beat * 0.8,
                        .attack = 0.005, .decay = 0.1, .sustain = 0.6, .release = 0.05, .cutoff = 500.0,
                        .cutoff_burst = 900.0});
}

}  // namespace

Sound make_title_jingle()
{
    // Am, F, G, E and then A major: a minor adventure with a bright landing.
    const std::vector<std::vector<int>> chords = {{57, 60, 64}, {53, 57, 60}, {55, 59, 62}, {52, 56, 59}};
    const int roots[] = {33, 29, 31, 28};
    const JingleNote stabs[] = {{0.0, 0.5, 0}, {0.75, 0.25, 0}, {1.0, 1.5, 0}, {2.5, 0.5, 0}, {3.0, 1.0, 0}};
    const JingleNote melody[] = {
        {0.0, 1.0, 76}, {1.0, 0.5, 81}, {1.5, 0.5, 83}, {2.0, 1.5, 84}, {3.5, 0.5, 83},
        {4.0, 1.0, 81}, {5.0, 0.5, 84}, {5.5, 0.5, 81}, {6.0, 2.0, 77},
        {8.0, 0.5, 79}, {8.5, 0.5, 81}, {9.0, 1.0, 83}, {10.0, 1.0, 86}, {11.0, 1.0, 83},
        {12.0, 1.0, 80}, {13.0, 1.0, 83}, {14.0, 2.0, 88},
        {16.0, 3.0, 81},
    };

    Signal brass;
    Signal lead;
    Signal bass;
    Signal drums;
    Signal hats;
    for (int bar = 0; bar < 4; ++bar) {
        for (const JingleNote& stab : stabs) {
            mix_into(brass, brass_chord(chords[bar], stab.beats), (bar * 4 + stab.beat) * k_beat);
        }
        for (int eighth = 0; eighth < 8; ++eighth) {
            mix_into(bass, bass_note(roots[bar], 0.5), (bar * 4 + eighth * 0.5) * k_beat);
            mix_into(hats, crash_cymbal(0x4A7 + static_cast<unsigned>(bar * 8 + eighth), 0.06), (bar * 4 + eighth * 0.5) * k_beat, 0.25);
        }
        for (int beat = 0; beat < 4; ++beat) {
            const double at = (bar * 4 + beat) * k_beat;
            if (beat % 2 == 0) {
                mix_into(drums, kick_drum(), at, 0.9);
            } else {
                mix_into(drums, snare_drum(0x5E + static_cast<unsigned>(bar * 4 + beat)), at, 0.6);
            }
        }
    }
    // A snare roll swelling into the last chord.
    for (int step = 0; step < 8; ++step) {
        mix_into(drums, snare_drum(0x7011 + static_cast<unsigned>(step)), (14.0 + step * 0.25) * k_beat, 0.25 + 0.05 * step);
    }
    for (const JingleNote& note : melody) {
        mix_into(lead, lead_note(note.key, note.beats), note.beat * k_beat);
    }
    const double landing = 16.0 * k_beat;
    mix_into(brass, brass_chord({57, 61, 64, 69}, 4.0), landing, 1.2);
    mix_into(bass, bass_note(33, 4.0), landing, 1.2);
    mix_into(bass, bass_note(45, 4.0), landing, 0.6);
    mix_into(drums, kick_drum(), landing, 1.0);
    mix_into(drums, crash_cymbal(0xC0DA, 2.5), landing, 0.5);
    mix_into(drums, crash_cymbal(0xC0DB, 2.0), 0.0, 0.4);

    normalize(brass, 0.5);
    normalize(lead, 0.45);
    normalize(bass, 0.45);
    normalize(drums, 0.55);
    normalize(hats, 0.15);
    Stereo mix;
    mix_into(mix, pan(brass, -0.35), 0.0);
    mix_into(mix, pan(lead, 0.3), 0.0);
    mix_into(mix, pan(bass, 0.0), 0.0);
    mix_into(mix, pan(drums, 0.0), 0.0);
    mix_into(mix, pan(hats, 0.5), 0.0);
    return finish(add_reverb(mix, 0.6, 0.5, 0.35, 1.0));
}

}  // namespace soundgen
