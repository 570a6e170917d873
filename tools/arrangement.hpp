// The form of a tune as the part writers see it: sections with their chords, on a tick grid.
#pragma once

#include "music_theory.hpp"
#include "rng.hpp"
#include "smf_writer.hpp"
#include "tune_style.hpp"

#include <cstdint>
#include <vector>

namespace soundgen {

constexpr std::uint32_t k_ticks_per_beat = 480;
constexpr std::uint32_t k_ticks_per_step = k_ticks_per_beat / 4;  // a sixteenth note

enum class SectionKind { intro, verse, chorus, bridge, breakdown, outro };

struct ChordSlot {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    int root = 0;  // scale degree
};

struct Section {
    SectionKind kind = SectionKind::verse;
    std::uint32_t start = 0;
    int bars = 8;
    int transpose = 0;  // semitones, for a lifted last chorus
    std::vector<ChordSlot> chords;
};

struct Arrangement {
    const TuneStyle* style = nullptr;
    std::uint32_t ticks_per_bar = 4 * k_ticks_per_beat;
    int steps_per_bar = 16;
    std::vector<Section> sections;
};

// Tunes asked for shorter than this play under a scene that moves on at a known time: they are
// cut to fit it, and end on a single closing bar.
constexpr double k_scene_tune_seconds = 40.0;

// A section of `bars` bars from `tick`, with the chords of its kind.
Section section_at(const Arrangement& arrangement, SectionKind kind, int bars, std::uint32_t tick);

// The scale of a part in a section, with its tonic in the part's octave.
Scale part_scale(const TuneStyle& style, const Instrument& instrument, const Section& section);
// Where a sixteenth step of a bar falls, with swing applied to the off-beat eighths.
std::uint32_t step_tick(const Arrangement& arrangement, std::uint32_t bar_start, int step);
int humanise(Rng& rng, int velocity, int spread);

void write_melody(const Arrangement& arrangement, Rng& rng, MidiPart& part);
void write_harmony(const Arrangement& arrangement, const Instrument& instrument, HarmonyStyle style,
                   const std::vector<SectionKind>& plays_in, Rng& rng, MidiPart& part);
void write_bass(const Arrangement& arrangement, Rng& rng, MidiPart& part);
void write_drums(const Arrangement& arrangement, Rng& rng, MidiPart& part);

}  // namespace soundgen
