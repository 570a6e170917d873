// The accompaniment: chords played in the part's style (pads, strums, rolls, stabs ...) and the
// bass line under them.
#include "arrangement.hpp"

#include <algorithm>

namespace soundgen {

namespace {

bool plays(const std::vector<SectionKind>& kinds, SectionKind kind)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

struct SlotContext {
    const Arrangement& arrangement;
    const Section& section;
    const ChordSlot& slot;
    MidiPart& part;
    Rng& rng;

    int first_step() const
    {
        return static_cast<int>(((slot.start - section.start) % arrangement.ticks_per_bar) / k_ticks_per_step);
    }
    int steps() const { return static_cast<int>(slot.length / k_ticks_per_step); }
    std::uint32_t bar_start() const
    {
        return slot.start - static_cast<std::uint32_t>(first_step()) * k_ticks_per_step;
    }
    std::uint32_t at(int step) const { return step_tick(arrangement, bar_start(), first_step() + step); }
    bool is_beat(int step) const { return (first_step() + step) % 4 == 0; }

    void note(int step, int steps_long, int key, int velocity) const
    {
        const auto length = std::max<std::uint32_t>(static_cast<std::uint32_t>(steps_long * static_cast<int>(k_ticks_per_step)), 40);
        part.notes.push_back(MidiNote{at(step), length, key, humanise(rng, velocity, 4)});
    }
    // A chord, optionally strummed: each string a little after the one before.
    void chord(int step, int steps_long, const std::vector<int>& keys, int velocity, int strum_ticks = 0) const
    {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const auto delay = static_cast<std::uint32_t>(strum_ticks * static_cast<int>(i));
            const auto length = std::max<std::int64_t>(steps_long * static_cast<std::int64_t>(k_ticks_per_step) - delay, 40);
            part.notes.push_back(MidiNote{at(step) + delay, static_cast<std::uint32_t>(length), keys[i], humanise(rng, velocity, 4)});
        }
    }
};

void play_chords(const SlotContext& c, HarmonyStyle style, const std::vector<int>& voicing, int power_root)
{
    const int steps = c.steps();
    const bool sustained_section = c.section.kind == SectionKind::intro || c.section.kind == SectionKind::breakdown ||
                                   c.section.kind == SectionKind::outro;
    const bool fast = c.arrangement.style->beats_per_minute >= 110.0;
    switch (style) {
    case HarmonyStyle::power_chords: {
        // Root and fifth: the octave on top doubled the voices for little more weight.
        const std::vector<int> power = {power_root, power_root + 7};
        if (sustained_section || c.section.kind == SectionKind::chorus || c.section.kind == SectionKind::bridge) {
            c.chord(0, steps, power, 100);
        } else {
            const int every = fast ? 2 : 4;
            for (int s = 0; s < steps; s += every) {
                c.chord(s, every - 1, power, c.is_beat(s) ? 108 : 84);
            }
        }
        break;
    }
    case HarmonyStyle::pad:
        c.chord(0, steps, voicing, 64);
        break;
    case HarmonyStyle::strum: {
        // Down, down-up, up-down-up: the country strum, downs from the bass string up.
        static constexpr int pattern[] = {1, 0, 1, 2, 0, 2, 1, 2};
        std::vector<int> down = voicing;
        down.insert(down.begin(), power_root);
        std::vector<int> up(voicing.rbegin(), voicing.rend());
        for (int s = 0; s < steps; s += 2) {
            const int kind = pattern[((c.first_step() + s) / 2) % 8];
            if (kind == 1) {
                c.chord(s, 2, down, 88, 14);
            } else if (kind == 2) {
                c.chord(s, 2, up, 66, 10);
            }
        }
        break;
    }
    case HarmonyStyle::arpeggio: {
        const int keys[] = {voicing[0], voicing[1], voicing[2], voicing[0] + 12, voicing[2], voicing[1]};
        const int every = fast ? 2 : 1;
        for (int s = 0, i = 0; s < steps; s += every, ++i) {
            c.note(s, every, keys[i % 6], c.is_beat(s) ? 80 : 66);
        }
        break;
    }
    case HarmonyStyle::offbeat_stabs:
        for (int s = 0; s < steps; ++s) {
            if ((c.first_step() + s) % 4 == 2) {
                c.chord(s, 1, voicing, 86);
            }
        }
        break;
    case HarmonyStyle::banjo_roll: {
        const int keys[] = {voicing[0], voicing[1], voicing[2] + 12, voicing[0], voicing[2], voicing[2] + 12, voicing[1], voicing[2] + 12};
        const int every = fast ? 2 : 1;
        for (int s = 0, i = 0; s < steps; s += every, ++i) {
            c.note(s, every, keys[i % 8], i % 3 == 0 ? 86 : 70);
        }
        break;
    }
    case HarmonyStyle::tremolo:
        // Bowed sixteenths running over the chord's notes, one at a time: a whole chord on every
        // sixteenth kept some forty voices ringing.
        for (int s = 0; s < steps; ++s) {
            c.note(s, 1, voicing[static_cast<std::size_t>(s) % voicing.size()], 54 + 12 * (s % 4 == 0));
        }
        break;
    case HarmonyStyle::afterbeats: {
        const int beats_per_bar = c.arrangement.steps_per_bar / 4;
        for (int s = 0; s < steps; s += 4) {
            const int beat = (c.first_step() + s) / 4;
            if ((beats_per_bar == 3 && beat % 3 != 0) || (beats_per_bar != 3 && beat % 2 == 1)) {
                c.chord(s, 2, voicing, 82);
            }
        }
        break;
    }
    case HarmonyStyle::broken: {
        const int keys[] = {voicing[0], voicing[2], voicing[1], voicing[2]};
        for (int s = 0, i = 0; s < steps; s += 2, ++i) {
            c.note(s, 2, keys[i % 4], i % 4 == 0 ? 76 : 62);
        }
        break;
    }
    }
}

}  // namespace

void write_harmony(const Arrangement& arrangement, const Instrument& instrument, HarmonyStyle style,
                   const std::vector<SectionKind>& plays_in, Rng& rng, MidiPart& part)
{
    std::vector<int> previous;
    for (const Section& section : arrangement.sections) {
        if (!plays(plays_in, section.kind)) {
            continue;
        }
        const Scale scale = part_scale(*arrangement.style, instrument, section);
        for (const ChordSlot& slot : section.chords) {
            previous = voice_triad(scale, slot.root, scale.tonic_key() + 4, previous);
            int power_root = scale.key(slot.root);
            while (power_root > scale.tonic_key() + 5) {
                power_root -= 12;
            }
            power_root -= 12;
            const SlotContext context{arrangement, section, slot, part, rng};
            if (section.kind == SectionKind::outro) {
                context.chord(0, context.steps(), previous, 96);
                continue;
            }
            play_chords(context, style, previous, power_root);
        }
    }
}

void write_bass(const Arrangement& arrangement, Rng& rng, MidiPart& part)
{
    const TuneStyle& style = *arrangement.style;
    for (const Section& section : arrangement.sections) {
        const Scale scale = part_scale(style, style.bass, section);
        for (std::size_t i = 0; i < section.chords.size(); ++i) {
            const ChordSlot& slot = section.chords[i];
            const int degree = slot.root >= 4 ? slot.root - 7 : slot.root;
            const int next_root = i + 1 < section.chords.size() ? section.chords[i + 1].root : 0;
            const int next_degree = next_root >= 4 ? next_root - 7 : next_root;
            const int root = scale.key(degree);
            const int fifth = scale.key(degree + 4);
            const SlotContext c{arrangement, section, slot, part, rng};
            const int steps = c.steps();
            BassStyle bass_style = style.bass_style;
            if (section.kind == SectionKind::breakdown || section.kind == SectionKind::outro) {
                bass_style = BassStyle::sustained;
            }
            switch (bass_style) {
            case BassStyle::eighths:
                for (int s = 0; s < steps; s += 2) {
                    const bool turn = s == steps - 2 && i % 2 == 1;
                    c.note(s, 2, turn ? fifth : root, c.is_beat(s) ? 100 : 86);
                }
                break;
            case BassStyle::gallop:
                for (int s = 0; s < steps; s += 4) {
                    c.note(s, 2, root, 104);
                    c.note(s + 2, 1, root, 84);
                    c.note(s + 3, 1, root, 84);
                }
                break;
            case BassStyle::root_fifth:
            case BassStyle::oompah:
                for (int s = 0; s < steps; s += 8) {
                    c.note(s, bass_style == BassStyle::oompah ? 3 : 6, s == 0 ? root : fifth, 100);
                }
                if (bass_style == BassStyle::root_fifth && steps >= 16 && next_degree != degree) {
                    c.note(steps - 4, 3, scale.key(next_degree - 1), 88);  // walk up into the next chord
                }
                break;
            case BassStyle::walking: {
                const int line[] = {root, scale.key(degree + 2), fifth, scale.key(next_degree + (next_degree > degree ? -1 : 1))};
                for (int s = 0, n = 0; s < steps; s += 4, ++n) {
                    c.note(s, 4, line[std::min(n, 3)], n == 0 ? 100 : 88);
                }
                break;
            }
            case BassStyle::octaves:
                for (int s = 0; s < steps; s += 2) {
                    c.note(s, 2, (s / 2) % 2 == 0 ? root : root + 12, (s / 2) % 2 == 0 ? 100 : 90);
                }
                break;
            case BassStyle::sustained:
                c.note(0, steps, root, 96);
                break;
            case BassStyle::funk: {
                static constexpr int hits[] = {0, 3, 6, 8, 10, 11, 14};
                for (const int hit : hits) {
                    if (hit < steps) {
                        const int key = (hit == 6 || hit == 14) ? root + 12 : (hit == 10 ? fifth : root);
                        c.note(hit, 1, key, hit == 0 ? 108 : 90);
                    }
                }
                break;
            }
            }
        }
    }
}

}  // namespace soundgen
