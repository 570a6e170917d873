// The dance level's four cues: a called word over a little arpeggio that rises, falls, or sits
// hard left or hard right in the stereo field.
#include "effects.hpp"

#include "speech.hpp"
#include "tones.hpp"

#include <string>
#include <vector>

namespace soundgen {

namespace {

struct Cue {
    std::vector<int> keys;
    Wave wave = Wave::square;
    double position = 0.0;  // -1 is hard left, 1 hard right
    std::string word;
};

Sound make_cue(const Cue& cue)
{
    Signal blips;
    double start = 0.0;
    for (const int key : cue.keys) {
        mix_into(blips,
                 render_tone({.wave = cue.wave, .frequency = note_frequency(key), .length = 0.06, .attack = 0.003,
                              .decay = 0.05, .sustain = 0.6, .release = 0.05, .cutoff = 5000.0}),
                 start);
        start += 0.07;
    }
    normalize(blips, 0.5);
    Stereo mix = pan(blips, cue.position);
    if (const auto word = speak(cue.word, SpeechStyle{60, 190, "en-us+m3"})) {
        Signal called = *word;
        even_out(called, 12.0);
        normalize(called, 0.9);
        // The word leans the same way as the arpeggio, but both ears hear it.
        mix_into(mix, pan(called, cue.position * 0.8), 0.02);
    }
    return finish(add_reverb(mix, 0.3, 0.5, 0.25, 0.25));
}

}  // namespace

Sound make_dance_up() { return make_cue(Cue{{72, 76, 79, 84}, Wave::square, 0.0, "Up!"}); }

Sound make_dance_down() { return make_cue(Cue{{84, 79, 76, 72}, Wave::triangle, 0.0, "Down!"}); }

Sound make_dance_left() { return make_cue(Cue{{74, 69, 74, 69}, Wave::saw, -1.0, "Left!"}); }

Sound make_dance_right() { return make_cue(Cue{{69, 74, 69, 74}, Wave::saw, 1.0, "Right!"}); }

}  // namespace soundgen
