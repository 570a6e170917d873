// The tune's melody: an eight-bar theme per kind of section, built from a two-bar motif that is
// repeated, moved onto the next chords, developed towards a high point and brought home at a cadence.
#include "arrangement.hpp"

#include <algorithm>
#include <cmath>
#include <map>

namespace soundgen {

namespace {

constexpr int k_lowest_degree = -4;
constexpr int k_highest_degree = 9;

struct RhythmNote {
    int step = 0;
    int length = 4;  // sixteenths
    bool rest = false;
};

using BarRhythm = std::vector<RhythmNote>;

struct ThemeNote {
    int bar = 0;
    int step = 0;
    int length = 4;
    int degree = 0;
};

using Theme = std::vector<ThemeNote>;

// Rhythm cells of one or two beats; a negative length is a rest.
struct Cell {
    int beats = 1;
    std::vector<int> lengths;
};

const std::vector<Cell>& cells()
{
    static const std::vector<Cell> all = {
        {1, {4}},    {2, {8}},       {1, {-4}},      {1, {2, 2}},    {1, {3, 1}},    {1, {1, 1, 2}},
        {1, {2, 1, 1}}, {1, {1, 1, 1, 1}}, {1, {-2, 2}}, {2, {6, 2}}, {2, {2, 4, 2}}, {3, {12}},
    };
    return all;
}

BarRhythm make_bar_rhythm(Rng& rng, double density, int beats_per_bar)
{
    const double wanted_onsets = 0.6 + 2.4 * density;  // notes per beat
    BarRhythm bar;
    int beat = 0;
    while (beat < beats_per_bar) {
        std::vector<double> weights;
        double total = 0.0;
        for (const Cell& cell : cells()) {
            double weight = 0.0;
            if (cell.beats <= beats_per_bar - beat) {
                const auto onsets = static_cast<double>(std::count_if(cell.lengths.begin(), cell.lengths.end(), [](int l) { return l > 0; }));
                weight = 1.0 / (0.35 + std::fabs(onsets / cell.beats - wanted_onsets));
                if (std::any_of(cell.lengths.begin(), cell.lengths.end(), [](int l) { return l < 0; })) {
                    weight *= 0.5;
                }
            }
            weights.push_back(weight);
            total += weight;
        }
        double pick = rng.uniform() * total;
        std::size_t chosen = 0;
        while (chosen + 1 < weights.size() && pick >= weights[chosen]) {
            pick -= weights[chosen++];
        }
        int step = beat * 4;
        for (const int length : cells()[chosen].lengths) {
            bar.push_back(RhythmNote{step, std::abs(length), length < 0});
            step += std::abs(length);
        }
        beat += cells()[chosen].beats;
    }
    return bar;
}

// A bar that breathes at its end: the last beat becomes one held note.
BarRhythm settle(BarRhythm bar, int steps_per_bar)
{
    const int last_beat = steps_per_bar - 4;
    std::erase_if(bar, [last_beat](const RhythmNote& note) { return note.step > last_beat; });
    if (!bar.empty() && bar.back().step + bar.back().length > last_beat) {
        bar.back().length = steps_per_bar - bar.back().step;
    } else {
        bar.push_back(RhythmNote{last_beat, 4, false});
    }
    return bar;
}

class ThemeWriter {
public:
    ThemeWriter(Rng& rng, const Section& section, int steps_per_bar, std::uint32_t ticks_per_bar)
        : m_rng(rng), m_section(section), m_steps_per_bar(steps_per_bar), m_ticks_per_bar(ticks_per_bar)
    {
    }

    int root_at(int bar, int step) const
    {
        const std::uint32_t tick = m_section.start + static_cast<std::uint32_t>(bar) * m_ticks_per_bar +
                                   static_cast<std::uint32_t>(step) * k_ticks_per_step;
        int root = m_section.chords.front().root;
        for (const ChordSlot& slot : m_section.chords) {
            if (slot.start <= tick) {
                root = slot.root;
            }
        }
        return root;
    }

    bool is_strong(const RhythmNote& note) const
    {
        return note.step == 0 || (m_steps_per_bar == 16 && note.step == 8) || note.length >= 6;
    }

    // One step of a melodic walk: mostly steps, some leaps, leaning in `bias`'s direction but
    // drawn back towards the middle of the range; a leap is usually answered by a step back.
    int walk(int degree, int bias)
    {
        static constexpr int moves[] = {0, 1, -1, 2, -2, 3, -3, 4, -4, 5, -5};
        static constexpr double weights[] = {0.6, 4.0, 4.0, 2.0, 2.0, 0.7, 0.7, 0.4, 0.4, 0.15, 0.15};
        if (degree >= 7) {
            bias = -1;
        } else if (degree <= -2) {
            bias = 1;
        }
        int move = 0;
        if (std::abs(m_last_move) >= 3 && m_rng.chance(0.7)) {
            move = m_last_move > 0 ? -1 : 1;
        } else {
            double total = 0.0;
            double adjusted[std::size(moves)];
            for (std::size_t i = 0; i < std::size(moves); ++i) {
                const int direction = (moves[i] > 0) - (moves[i] < 0);
                adjusted[i] = weights[i] * (direction == bias ? 1.8 : (direction == -bias ? 0.6 : 1.0));
                total += adjusted[i];
            }
            double pick = m_rng.uniform() * total;
            std::size_t chosen = 0;
            while (chosen + 1 < std::size(moves) && pick >= adjusted[chosen]) {
                pick -= adjusted[chosen++];
            }
            move = moves[chosen];
        }
        m_last_move = move;
        return fold_into_range(degree + move);
    }

    static int fold_into_range(int degree)
    {
        if (degree > k_highest_degree) {
            degree = 2 * k_highest_degree - degree;
        }
        if (degree < k_lowest_degree) {
            degree = 2 * k_lowest_degree - degree;
        }
        return std::clamp(degree, k_lowest_degree, k_highest_degree);
    }

    void add_walked(Theme& theme, int bar, const BarRhythm& rhythm, int& degree, int bias)
    {
        int previous = degree;
        for (const RhythmNote& note : rhythm) {
            if (note.rest) {
                continue;
            }
            degree = walk(degree, bias);
            if (is_strong(note)) {
                degree = std::clamp(nearest_chord_tone(degree, root_at(bar, note.step), degree - previous),
                                    k_lowest_degree, k_highest_degree);
            }
            theme.push_back(ThemeNote{bar, note.step, note.length, degree});
            previous = degree;
        }
    }

    // The motif again on later bars, moved so that it starts on a tone of the chord there.
    void add_moved(Theme& theme, const Theme& motif, int bar_offset, int& degree)
    {
        if (motif.empty()) {
            return;
        }
        const int first = motif.front().degree;
        int target = nearest_chord_tone(first, root_at(bar_offset, motif.front().step), 1);
        if (target == first && m_rng.chance(0.5)) {
            const int direction = first > 3 ? -1 : 1;
            target = nearest_chord_tone(first + 2 * direction, root_at(bar_offset, motif.front().step), direction);
        }
        const int shift = target - first;
        for (ThemeNote note : motif) {
            note.bar += bar_offset;
            note.degree += shift;
            if (note.step == 0 || note.length >= 6) {
                note.degree = nearest_chord_tone(note.degree, root_at(note.bar, note.step), 1);
            }
            while (note.degree > k_highest_degree) {
                note.degree -= 7;
            }
            while (note.degree < k_lowest_degree) {
                note.degree += 7;
            }
            theme.push_back(note);
            degree = note.degree;
        }
    }

    Theme write(double density, SectionKind kind)
    {
        const int beats = m_steps_per_bar / 4;
        BarRhythm first = make_bar_rhythm(m_rng, density, beats);
        // The phrase speaks on its downbeat: a tune that opens with it is heard at once.
        first.front().rest = false;
        const BarRhythm second = settle(make_bar_rhythm(m_rng, density, beats), m_steps_per_bar);
        int degree = nearest_chord_tone(kind == SectionKind::chorus ? 4 : 2, root_at(0, 0), 1);
        degree = walk(degree, 0);

        Theme theme;
        add_walked(theme, 0, first, degree, 1);
        add_walked(theme, 1, second, degree, -1);
        const Theme motif = theme;
        add_moved(theme, motif, 2, degree);
        // Development: fresh rhythms climbing to the phrase's high point.
        add_walked(theme, 4, make_bar_rhythm(m_rng, std::min(density + 0.2, 1.0), beats), degree, 1);
        add_walked(theme, 5, settle(make_bar_rhythm(m_rng, density, beats), m_steps_per_bar), degree, 1);
        // Home: the motif's rhythm leading down, then a held cadence note.
        add_walked(theme, 6, first, degree, -1);
        const int home = kind == SectionKind::verse ? nearest_chord_tone(degree, root_at(7, 0), -1)
                                                    : (std::abs(degree - 7) < std::abs(degree) ? 7 : 0);
        theme.push_back(ThemeNote{7, 0, m_steps_per_bar - 4, home});
        return theme;
    }

private:
    Rng& m_rng;
    const Section& m_section;
    int m_steps_per_bar = 16;
    std::uint32_t m_ticks_per_bar = 1920;
    int m_last_move = 0;
};

}  // namespace

void write_melody(const Arrangement& arrangement, Rng& rng, MidiPart& part)
{
    const TuneStyle& style = *arrangement.style;
    const double gate = style.beats_per_minute < 100.0 ? 0.95 : 0.85;
    // Each kind's eight-bar theme, written over that kind's own chords; the intro opens with
    // the chorus's, so every tune states its hook from its first bar.
    std::map<SectionKind, Theme> themes;
    for (const SectionKind kind : {SectionKind::chorus, SectionKind::verse, SectionKind::bridge}) {
        const Section full = section_at(arrangement, kind, 8, 0);
        ThemeWriter writer(rng, full, arrangement.steps_per_bar, arrangement.ticks_per_bar);
        const double density = std::clamp(style.density + (kind == SectionKind::bridge ? -0.15 : 0.0), 0.0, 1.0);
        themes[kind] = writer.write(density, kind);
    }
    for (const Section& section : arrangement.sections) {
        const Scale scale = part_scale(style, style.melody, section);
        if (section.kind == SectionKind::outro) {
            // Two steps down to the home note, over however many bars the outro has.
            const int home = style.melody.octave <= 4 ? 7 : 0;
            const std::uint32_t length = arrangement.ticks_per_bar * static_cast<std::uint32_t>(section.bars);
            part.notes.push_back(MidiNote{section.start, length / 4, scale.key(home + 4), 100});
            part.notes.push_back(MidiNote{section.start + length / 4, length / 4, scale.key(home + 2), 96});
            part.notes.push_back(MidiNote{section.start + length / 2, length / 2, scale.key(home), 110});
            continue;
        }
        if (section.kind == SectionKind::breakdown) {
            continue;
        }
        const SectionKind theme_kind = section.kind == SectionKind::intro ? SectionKind::chorus : section.kind;
        for (const ThemeNote& note : themes[theme_kind]) {
            if (note.bar >= section.bars) {
                continue;
            }
            const std::uint32_t bar_start = section.start + static_cast<std::uint32_t>(note.bar) * arrangement.ticks_per_bar;
            const int accent = note.step == 0 ? 12 : (note.step % 4 == 0 ? 5 : -3);
            const auto length = static_cast<std::uint32_t>(note.length * k_ticks_per_step * gate);
            part.notes.push_back(MidiNote{step_tick(arrangement, bar_start, note.step), std::max<std::uint32_t>(length, 60),
                                          scale.key(note.degree), humanise(rng, 92 + accent, 5)});
        }
    }
}

}  // namespace soundgen
