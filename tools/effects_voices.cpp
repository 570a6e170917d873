// Spoken and sung lines: the robber's laugh and taunt, "I give up" and "Way to rock!".
#include "effects.hpp"

#include "speech.hpp"
#include "tones.hpp"
#include "voice.hpp"

#include <algorithm>

namespace soundgen {

namespace {

// A villain's "ha, ha, ha, haaa", each syllable starting on a breathy "h".
Signal villain_laugh()
{
    Signal laugh;
    const double pitches[] = {175.0, 165.0, 155.0, 145.0, 120.0};
    double start = 0.0;
    for (int i = 0; i < 5; ++i) {
        const bool last = i == 4;
        const double length = last ? 0.55 : 0.17;
        const Signal ha = sing_voice({.length = length,
                                      .pitch = Curve{{0.0, pitches[i] * 1.08}, {length, pitches[i] * (last ? 0.8 : 0.95)}},
                                      .loudness = Curve{{0.0, 0.0}, {0.008, 1.0}, {length * 0.6, 0.9}, {length, 0.0}},
                                      .breath = Curve{{0.0, 0.6}, {0.015, 0.2}, {length, 0.35}},
                                      .vowels = {{0.0, vowels::aa}, {length, last ? vowels::ao : vowels::aa}},
                                      .vibrato_rate = last ? 6.0 : 0.0,
                                      .vibrato_depth = last ? 0.03 : 0.0,
                                      .jitter = 0.02,
                                      .roughness = 0.3,
                                      .seed = 0x7A0u + static_cast<unsigned>(i)});
        mix_into(laugh, ha, start);
        start += 0.23;
    }
    return laugh;
}

// A sad trombone: "wah, wah, wah, waaah", each note sliding flat.
Signal sad_trombone()
{
    Signal out;
    const int keys[] = {55, 54, 53, 52};
    double start = 0.0;
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        const double frequency = note_frequency(keys[i]);
        const Signal wah = render_tone({.wave = Wave::saw, .frequency = frequency,
                                        .end_frequency = frequency * (last ? 0.97 : 0.985), .length = last ? 1.1 : 0.32,
                                        .attack = 0.03, .decay = 0.15, .sustain = 0.8, .release = 0.12, .cutoff = 900.0,
                                        .cutoff_burst = 1500.0, .resonance = 1.5, .vibrato_rate = last ? 5.5 : 0.0,
                                        .vibrato_depth = last ? 0.02 : 0.0, .vibrato_delay = 0.3});
        mix_into(out, wah, start);
        start += 0.42;
    }
    return out;
}

// A power chord on a distorted guitar, with a crash cymbal.
Signal rock_stinger()
{
    Signal chord;
    for (const int key : {40, 47, 52, 59}) {
        mix_into(chord,
                 render_tone({.wave = Wave::detuned_saws, .frequency = note_frequency(key), .length = 1.4, .attack = 0.004,
                              .decay = 0.6, .sustain = 0.5, .release = 0.5, .cutoff = 2500.0, .cutoff_burst = 3000.0}),
                 0.0);
    }
    soft_clip(chord, 5.0);
    Svf tone_control;
    for (float& sample : chord) {
        sample = tone_control.lowpass(sample, 3500.0) * 0.5f;
    }
    mix_into(chord, crash_cymbal(0xC4A5, 1.8), 0.0, 0.12);
    mix_into(chord, kick_drum(), 0.0, 0.6);
    return chord;
}

}  // namespace

Sound make_thief()
{
    // The laugh and the taunt as loud as each other, so that neither is lost when the other is cut.
    Signal dry = villain_laugh();
    even_out(dry, 6.0);
    normalize(dry, 0.9);
    if (const auto taunt = speak("Your pigs are mine!", SpeechStyle{28, 150, "en-us+m3"})) {
        Signal louder = *taunt;
        even_out(louder, 12.0);
        normalize(louder, 0.9);
        mix_into(dry, louder, 1.65);
    }
    return finish(add_reverb(dry, 0.35, 0.5, 0.25, 0.35));
}

Sound make_give_up()
{
    Signal dry;
    double trombone_at = 0.0;
    if (const auto line = speak("I give up.", SpeechStyle{35, 125, "en-us+m1"})) {
        dry = *line;
        even_out(dry, 12.0);
        normalize(dry, 0.9);
        trombone_at = to_seconds(dry.size()) + 0.1;
    }
    Signal trombone = sad_trombone();
    normalize(trombone, 0.7);
    mix_into(dry, trombone, trombone_at);
    return finish(add_reverb(dry, 0.4, 0.5, 0.25, 0.4));
}

Sound make_way_to_rock()
{
    // The shout, then the power chord landing on "rock".
    Signal dry;
    if (const auto line = speak("Way to rock!", SpeechStyle{70, 175, "en-us+m7"})) {
        dry = *line;
        even_out(dry, 12.0);
    } else {
        // Without a speech engine a sung "yeah!" cheers instead.
        dry = sing_voice({.length = 0.7,
                          .pitch = Curve{{0.0, 220.0}, {0.2, 300.0}, {0.7, 260.0}},
                          .loudness = Curve{{0.0, 0.0}, {0.05, 1.0}, {0.5, 0.9}, {0.7, 0.0}},
                          .vowels = {{0.0, vowels::iy}, {0.12, vowels::eh}, {0.35, vowels::ae}, {0.7, vowels::aa}},
                          .vibrato_rate = 6.0,
                          .vibrato_depth = 0.02,
                          .seed = 0x7EA});
    }
    normalize(dry, 0.95);
    Signal stinger = rock_stinger();
    normalize(stinger, 0.6);
    mix_into(dry, stinger, std::max(to_seconds(dry.size()) - 0.12, 0.0));
    return finish(add_reverb(dry, 0.5, 0.4, 0.3, 0.5));
}

}  // namespace soundgen
