// Plans a tune's form (intro, verses, choruses, bridge, breakdown, outro) and lets the part
// writers fill it in.
#include "composer.hpp"

#include "arrangement.hpp"

#include <algorithm>
#include <cmath>

namespace soundgen {

Scale part_scale(const TuneStyle& style, const Instrument& instrument, const Section& section)
{
    return Scale(12 * (instrument.octave + 1) + style.tonic + section.transpose, style.mode);
}

std::uint32_t step_tick(const Arrangement& arrangement, std::uint32_t bar_start, int step)
{
    std::uint32_t tick = bar_start + static_cast<std::uint32_t>(step) * k_ticks_per_step;
    if (step % 4 == 2) {
        tick += static_cast<std::uint32_t>(arrangement.style->swing * 2 * k_ticks_per_step);
    }
    return tick;
}

int humanise(Rng& rng, int velocity, int spread)
{
    return std::clamp(velocity + rng.below(2 * spread + 1) - spread, 1, 127);
}

namespace {

const std::vector<int>& progression_of(const TuneStyle& style, SectionKind kind)
{
    static const std::vector<int> tonic_only = {0};
    switch (kind) {
    case SectionKind::verse:
        return style.verse;
    // The intro states the hook: the chorus's opening bars, on the chorus's chords.
    case SectionKind::intro:
    case SectionKind::chorus:
        return style.chorus;
    case SectionKind::bridge:
    case SectionKind::breakdown:
        return style.bridge;
    case SectionKind::outro:
        return tonic_only;
    }
    return tonic_only;
}

}  // namespace

Section section_at(const Arrangement& arrangement, SectionKind kind, int bars, std::uint32_t tick)
{
    const TuneStyle& style = *arrangement.style;
    Section section{kind, tick, bars, 0, {}};
    const std::vector<int>& progression = progression_of(style, kind);
    const int per_bar = kind == SectionKind::outro ? 1 : std::max(style.chords_per_bar, 1);
    const std::uint32_t slot_length = arrangement.ticks_per_bar / static_cast<std::uint32_t>(per_bar);
    for (int slot = 0; slot < bars * per_bar; ++slot) {
        section.chords.push_back(ChordSlot{tick + static_cast<std::uint32_t>(slot) * slot_length, slot_length,
                                           progression[static_cast<std::size_t>(slot) % progression.size()]});
    }
    return section;
}

namespace {

void add_section(Arrangement& arrangement, SectionKind kind, int bars, std::uint32_t& tick)
{
    arrangement.sections.push_back(section_at(arrangement, kind, bars, tick));
    tick += arrangement.ticks_per_bar * static_cast<std::uint32_t>(bars);
}

// A level's tune grows a section at a time until it is long enough: verses and choruses take
// turns, with a bridge and a quiet breakdown before the last choruses. A scene's tune is cut to
// the scene's length: the same turns, the last section shortened so that the closing bar lands
// as the scene moves on.
Arrangement plan(const TuneStyle& style)
{
    Arrangement arrangement;
    arrangement.style = &style;
    arrangement.ticks_per_bar = k_ticks_per_beat * static_cast<std::uint32_t>(style.beats_per_bar);
    arrangement.steps_per_bar = 4 * style.beats_per_bar;
    const double seconds_per_bar = style.beats_per_bar * 60.0 / style.beats_per_minute;
    static constexpr SectionKind cycle[] = {SectionKind::verse,  SectionKind::chorus,    SectionKind::verse, SectionKind::chorus,
                                            SectionKind::bridge, SectionKind::breakdown, SectionKind::chorus};
    const bool fits_a_scene = style.seconds < k_scene_tune_seconds;
    const int outro_bars = fits_a_scene ? 1 : 2;
    std::uint32_t tick = 0;
    const int intro_bars = seconds_per_bar > 2.5 ? 2 : 4;
    if (fits_a_scene) {
        int budget = std::max(static_cast<int>(style.seconds / seconds_per_bar) - outro_bars, 1);
        const int intro = std::min(intro_bars, budget);
        add_section(arrangement, SectionKind::intro, intro, tick);
        budget -= intro;
        for (std::size_t i = 0; budget > 0; ++i) {
            const SectionKind kind = cycle[i % std::size(cycle)];
            const int length = std::min(kind == SectionKind::breakdown ? 4 : 8, budget);
            add_section(arrangement, kind, length, tick);
            budget -= length;
        }
    } else {
        int bars = intro_bars;
        add_section(arrangement, SectionKind::intro, bars, tick);
        for (std::size_t i = 0; bars * seconds_per_bar < style.seconds; ++i) {
            const SectionKind kind = cycle[i % std::size(cycle)];
            const int length = kind == SectionKind::breakdown ? 4 : 8;
            add_section(arrangement, kind, length, tick);
            bars += length;
        }
    }
    add_section(arrangement, SectionKind::outro, outro_bars, tick);

    if (style.key_lift == KeyLift::last_chorus) {
        auto last_chorus = std::find_if(arrangement.sections.rbegin(), arrangement.sections.rend(),
                                        [](const Section& s) { return s.kind == SectionKind::chorus; });
        // A tune too short for a chorus of its own after the hook keeps its key.
        if (last_chorus != arrangement.sections.rend()) {
            for (auto it = arrangement.sections.rbegin(); it != arrangement.sections.rend(); ++it) {
                it->transpose = 2;
                if (it == last_chorus) {
                    break;
                }
            }
        }
    }
    return arrangement;
}

std::vector<TempoChange> tempo_map(const TuneStyle& style, const Arrangement& arrangement)
{
    std::vector<TempoChange> tempi = {{0, style.beats_per_minute}};
    if (style.ending == Ending::ritardando) {
        const Section& outro = arrangement.sections.back();
        const int beats = outro.bars * style.beats_per_bar;
        for (int beat = 0; beat < beats; ++beat) {
            tempi.push_back({outro.start + static_cast<std::uint32_t>(beat) * k_ticks_per_beat,
                             style.beats_per_minute * (1.0 - 0.045 * (beat + 1))});
        }
    }
    return tempi;
}

// Channel volume is heard on a curve of about 40 dB per tenfold, hence the fortieth.
MidiPart make_part(const TuneStyle& style, const char* name, int channel, const Instrument& instrument, int reverb, int chorus)
{
    const int volume = std::clamp(static_cast<int>(std::lround(instrument.volume * std::pow(10.0, style.level_db / 40.0))), 1, 127);
    return MidiPart{name, channel, instrument.program, volume, instrument.pan, reverb, chorus, {}};
}

}  // namespace

MidiSong compose(const TuneStyle& style)
{
    const Arrangement arrangement = plan(style);
    const Section& outro = arrangement.sections.back();
    const Scale home(60 + style.tonic, style.mode);
    const int reverb = style.beats_per_minute < 110.0 ? 70 : 45;

    MidiSong song;
    song.title = style.title;
    song.beats_per_bar = style.beats_per_bar;
    song.key_fifths = home.key_signature_fifths();
    song.minor = home.is_minor();
    song.tempi = tempo_map(style, arrangement);
    song.end_tick = outro.start + arrangement.ticks_per_bar * static_cast<std::uint32_t>(outro.bars) + k_ticks_per_beat;

    // Each part draws from its own stream, so changing one part leaves the others as they were.
    Rng melody_rng(style.seed * 4 + 0);
    Rng harmony_rng(style.seed * 4 + 1);
    Rng bass_rng(style.seed * 4 + 2);
    Rng drum_rng(style.seed * 4 + 3);

    MidiPart melody = make_part(style, "Melody", 0, style.melody, reverb, 10);
    write_melody(arrangement, melody_rng, melody);
    song.parts.push_back(std::move(melody));

    MidiPart harmony = make_part(style, "Harmony", 1, style.harmony, reverb, 30);
    write_harmony(arrangement, style.harmony, style.harmony_style,
                  {SectionKind::intro, SectionKind::verse, SectionKind::chorus, SectionKind::bridge, SectionKind::breakdown,
                   SectionKind::outro},
                  harmony_rng, harmony);
    song.parts.push_back(std::move(harmony));

    MidiPart bass = make_part(style, "Bass", 2, style.bass, reverb / 2, 0);
    write_bass(arrangement, bass_rng, bass);
    song.parts.push_back(std::move(bass));

    if (style.colour.program != k_no_program) {
        MidiPart colour = make_part(style, "Colour", 3, style.colour, reverb, 40);
        write_harmony(arrangement, style.colour, style.colour_style,
                      {SectionKind::chorus, SectionKind::bridge, SectionKind::breakdown, SectionKind::outro}, harmony_rng, colour);
        song.parts.push_back(std::move(colour));
    }

    MidiPart drums = make_part(style, "Drums", k_drum_channel, Instrument{0, 0, 100, 64}, reverb / 2, 0);
    write_drums(arrangement, drum_rng, drums);
    song.parts.push_back(std::move(drums));
    return song;
}

}  // namespace soundgen
