// The drum part (General MIDI channel 10): a groove per style written as sixteenth-note grids,
// lighter in intros and breakdowns, lifted in choruses, with fills and crashes at section edges.
#include "arrangement.hpp"

#include <map>
#include <string>
#include <utility>

namespace soundgen {

namespace {

namespace key {
constexpr int kick = 36;
constexpr int side_stick = 37;
constexpr int snare = 38;
constexpr int clap = 39;
constexpr int floor_tom = 41;
constexpr int closed_hat = 42;
constexpr int pedal_hat = 44;
constexpr int low_tom = 45;
constexpr int open_hat = 46;
constexpr int mid_tom = 47;
constexpr int high_mid_tom = 48;
constexpr int crash = 49;
constexpr int high_tom = 50;
constexpr int ride = 51;
constexpr int china = 52;
constexpr int tambourine = 54;
constexpr int cowbell = 56;
constexpr int maracas = 70;
}  // namespace key

// One instrument's hits over a bar: 'X' accent, 'x' normal, '-' soft, 'o' ghost, '.' silent.
struct DrumLine {
    int key = key::kick;
    std::string steps;
};

enum class Fill { toms, snare_roll, tribal, soft };

struct Groove {
    std::vector<DrumLine> main;
    std::vector<DrumLine> lift;  // added in choruses
    std::vector<DrumLine> light;  // intros and breakdowns
    Fill fill = Fill::toms;
};

Groove groove_of(DrumStyle style)
{
    using namespace key;
    switch (style) {
    case DrumStyle::rock:
        return {{{kick, "x.......x.x....."}, {snare, "....X.......X..."}, {closed_hat, "x.x.x.x.x.x.x.x."}},
                {{open_hat, "..............x."}, {ride, "x...x...x...x..."}},
                {{closed_hat, "x.x.x.x.x.x.x.x."}, {kick, "x.......x......."}},
                Fill::toms};
    case DrumStyle::metal:
        return {{{kick, "x.x.x.x.x.x.x.x."}, {snare, "....X.......X..."}, {ride, "x...x...x...x..."}},
                {{kick, ".x.x.x.x.x.x.x.x"}, {china, "x.......x......."}},
                {{ride, "x...x...x...x..."}, {kick, "x.......x......."}},
                Fill::toms};
    case DrumStyle::thrash:
        return {{{kick, "x...x...x...x..."}, {snare, "..X...X...X...X."}, {closed_hat, "x.x.x.x.x.x.x.x."}},
                {{china, "x..............."}, {crash, "........x......."}},
                {{closed_hat, "x.x.x.x.x.x.x.x."}, {kick, "x.......x......."}},
                Fill::toms};
    case DrumStyle::train:
        return {{{kick, "x.......x......."}, {snare, "ooooXoooooooXooo"}, {pedal_hat, "..x...x...x...x."}},
                {{tambourine, "x.x.x.x.x.x.x.x."}},
                {{snare, "o.o.o.o.o.o.o.o."}, {kick, "x.......x......."}},
                Fill::snare_roll};
    case DrumStyle::polka:
        return {{{kick, "x.......x......."}, {snare, "..x...x...x...x."}, {pedal_hat, "x...x...x...x..."}},
                {{crash, "..-...-...-...-."}},
                {{kick, "x.......x......."}, {snare, "..-.......-....."}},
                Fill::snare_roll};
    case DrumStyle::four_on_floor:
        return {{{kick, "X...x...X...x..."}, {clap, "....x.......x..."}, {closed_hat, "o-o.o-o.o-o.o-o."},
                 {open_hat, "..x...x...x...x."}},
                {{tambourine, "x.x.x.x.x.x.x.x."}, {snare, "....x.......x..."}},
                {{kick, "x...x...x...x..."}, {closed_hat, "..-...-...-...-."}},
                Fill::snare_roll};
    case DrumStyle::breakbeat:
        return {{{kick, "x.....x...x....."}, {snare, "....X..o....X..o"}, {closed_hat, "x.x.x.x.x.x.x.x."}},
                {{ride, "x...x...x...x..."}, {open_hat, "......x........."}},
                {{closed_hat, "x.x.x.x.x.x.x.x."}},
                Fill::toms};
    case DrumStyle::march:
        return {{{kick, "x.......x......."}, {snare, "X...x.xxX...xxxx"}},
                {{crash, "x.......x......."}},
                {{snare, "x...-...x...-..."}, {kick, "x......."}},
                Fill::snare_roll};
    case DrumStyle::tribal:
        return {{{kick, "x.......x......."}, {floor_tom, "X.....x.X.....x."}, {low_tom, "....x.......x..."},
                 {high_tom, "..o....o..o....o"}, {maracas, "x.x.x.x.x.x.x.x."}},
                {{crash, "x..............."}, {mid_tom, "......x.......x."}},
                {{maracas, "x.x.x.x.x.x.x.x."}, {floor_tom, "x.......x......."}},
                Fill::tribal};
    case DrumStyle::half_time:
        return {{{kick, "x.........x....."}, {snare, "........X......."}, {closed_hat, "x.x.x.x.x.x.x.x."}},
                {{ride, "x...x...x...x..."}, {crash, "x..............."}},
                {{closed_hat, "x...x...x...x..."}},
                Fill::toms};
    case DrumStyle::funk:
        return {{{kick, "x..x......x..x.."}, {snare, "....X..o.o..X..o"}, {closed_hat, "xoxoxoxoxoxoxoxo"}},
                {{open_hat, "......x.......x."}, {cowbell, "x...x...x...x..."}},
                {{closed_hat, "x.x.x.x.x.x.x.x."}, {kick, "x..x......x....."}},
                Fill::toms};
    case DrumStyle::brushes:
        return {{{kick, "x.......x......."}, {side_stick, "....x.......x..."}, {ride, "x...x.x.x...x.x."}},
                {{ride, "..............-."}, {maracas, "x.x.x.x.x.x.x.x."}},
                {{ride, "x...x.x.x...x.x."}},
                Fill::soft};
    case DrumStyle::waltz:
        return {{{kick, "x..........."}, {side_stick, "....x...x..."}, {ride, "x...x...x..."}},
                {{maracas, "x.x.x.x.x.x."}},
                {{ride, "x...x...x..."}},
                Fill::soft};
    }
    return {};
}

int velocity_of(char symbol)
{
    switch (symbol) {
    case 'X':
        return 118;
    case 'x':
        return 96;
    case '-':
        return 72;
    case 'o':
        return 46;
    default:
        return 0;
    }
}

class DrumWriter {
public:
    DrumWriter(const Arrangement& arrangement, Rng& rng) : m_arrangement(arrangement), m_rng(rng) {}

    void hit(std::uint32_t bar_start, int step, int drum, int velocity)
    {
        const std::uint32_t tick = step_tick(m_arrangement, bar_start, step);
        int& slot = m_hits[{tick, drum}];
        slot = std::max(slot, humanise(m_rng, velocity, 5));
    }

    void lines(std::uint32_t bar_start, const std::vector<DrumLine>& drum_lines, int until_step)
    {
        for (const DrumLine& line : drum_lines) {
            for (int step = 0; step < until_step; ++step) {
                const int velocity = velocity_of(line.steps[static_cast<std::size_t>(step) % line.steps.size()]);
                if (velocity > 0) {
                    hit(bar_start, step, line.key, velocity);
                }
            }
        }
    }

    void fill(std::uint32_t bar_start, Fill kind, int from_step)
    {
        static constexpr int toms[] = {key::high_tom, key::high_tom, key::high_mid_tom, key::high_mid_tom,
                                       key::mid_tom,  key::low_tom,  key::floor_tom,    key::floor_tom};
        const int steps = m_arrangement.steps_per_bar - from_step;
        for (int i = 0; i < steps; ++i) {
            const int step = from_step + i;
            const int rising = 70 + 45 * i / std::max(steps - 1, 1);
            switch (kind) {
            case Fill::toms:
                hit(bar_start, step, toms[8 - steps + i], rising);
                if (i % 4 == 0) {
                    hit(bar_start, step, key::kick, 90);
                }
                break;
            case Fill::snare_roll:
                hit(bar_start, step, key::snare, rising);
                break;
            case Fill::tribal:
                hit(bar_start, step, i % 2 == 0 ? key::floor_tom : key::low_tom, rising);
                break;
            case Fill::soft:
                if (i % 2 == 0) {
                    hit(bar_start, step, key::side_stick, 60 + i * 3);
                }
                break;
            }
        }
    }

    void write_to(MidiPart& part) const
    {
        for (const auto& [position, velocity] : m_hits) {
            part.notes.push_back(MidiNote{position.first, k_ticks_per_step / 2, position.second, velocity});
        }
    }

private:
    const Arrangement& m_arrangement;
    Rng& m_rng;
    std::map<std::pair<std::uint32_t, int>, int> m_hits;
};

}  // namespace

void write_drums(const Arrangement& arrangement, Rng& rng, MidiPart& part)
{
    const Groove groove = groove_of(arrangement.style->drum_style);
    const int steps = arrangement.steps_per_bar;
    const int fill_from = steps - (steps == 12 ? 6 : 8);
    DrumWriter writer(arrangement, rng);
    for (const Section& section : arrangement.sections) {
        for (int bar = 0; bar < section.bars; ++bar) {
            const std::uint32_t bar_start = section.start + static_cast<std::uint32_t>(bar) * arrangement.ticks_per_bar;
            const bool last_bar = bar == section.bars - 1;
            if (section.kind == SectionKind::outro) {
                writer.hit(bar_start, 0, key::crash, 112);
                writer.hit(bar_start, 0, key::kick, 112);
                if (bar == 0) {
                    writer.lines(bar_start, groove.light, steps);
                }
                continue;
            }
            if (bar == 0 && section.kind != SectionKind::breakdown) {
                writer.hit(bar_start, 0, key::crash, 108);
            }
            const bool quiet = section.kind == SectionKind::intro || section.kind == SectionKind::breakdown;
            const int until = last_bar ? fill_from : steps;
            writer.lines(bar_start, quiet ? groove.light : groove.main, until);
            if (section.kind == SectionKind::chorus) {
                writer.lines(bar_start, groove.lift, until);
            }
            if (last_bar) {
                writer.fill(bar_start, section.kind == SectionKind::breakdown ? Fill::snare_roll : groove.fill, fill_from);
            }
        }
    }
    writer.write_to(part);
}

}  // namespace soundgen
