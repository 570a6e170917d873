// What the composer needs to know to write one tune: tempo, key, chord progressions, instruments
// and the playing style of each part.
#pragma once

#include "music_theory.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

enum class DrumStyle { rock, metal, thrash, train, polka, four_on_floor, breakbeat, march, tribal, half_time, funk, brushes, waltz };
enum class BassStyle { eighths, gallop, root_fifth, walking, octaves, sustained, oompah, funk };
enum class HarmonyStyle { power_chords, pad, strum, arpeggio, offbeat_stabs, banjo_roll, tremolo, afterbeats, broken };
enum class KeyLift { none, last_chorus };  // whether the last chorus rises a whole tone
enum class Ending { held, ritardando };

constexpr int k_no_program = -1;

struct Instrument {
    int program = k_no_program;  // General MIDI, 0-based
    int octave = 4;  // the octave of the part's tonic: 4 puts it between C4 and B4
    int volume = 100;
    int pan = 64;
};

struct TuneStyle {
    std::string file_name;
    std::string title;
    std::uint64_t seed = 1;
    double beats_per_minute = 120.0;
    int beats_per_bar = 4;
    int tonic = 0;  // pitch class, 0 = C
    Mode mode = Mode::major;
    // Chord roots as scale degrees, cycled through a section: one chord per bar, or two with `chords_per_bar`.
    std::vector<int> verse;
    std::vector<int> chorus;
    std::vector<int> bridge;
    int chords_per_bar = 1;
    Instrument melody;
    Instrument harmony;
    Instrument bass;
    Instrument colour;  // an optional fourth voice for the choruses, bridges and breakdowns
    HarmonyStyle harmony_style = HarmonyStyle::pad;
    HarmonyStyle colour_style = HarmonyStyle::pad;
    BassStyle bass_style = BassStyle::eighths;
    DrumStyle drum_style = DrumStyle::rock;
    double density = 0.5;  // how busy the melody is, 0 to 1
    double swing = 0.0;  // delay of the off-beat eighths, as a share of an eighth (1/3 is a shuffle)
    double seconds = 110.0;  // the tune grows in whole sections until it is at least this long
    KeyLift key_lift = KeyLift::none;
    Ending ending = Ending::held;
    // Raises or lowers the whole tune (every part's channel volume), so that the tunes play at
    // one level however many instruments and notes each has.
    double level_db = 0.0;
};

}  // namespace soundgen
