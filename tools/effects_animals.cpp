// Animal calls: the farm animals, the wolf's howl and the Grawn's snarl, all from the formant voice.
#include "effects.hpp"

#include "voice.hpp"

namespace soundgen {

namespace {

Sound farmyard(const VoiceSpec& call) { return finish(add_reverb(sing_voice(call), 0.4, 0.5, 0.28, 0.4)); }

}  // namespace

Sound make_sheep_baa()
{
    // "Baa": lips burst open from a "b" into a wide, bleating "aa" that shakes with the sheep's
    // tremolo, loud from the start.
    return farmyard({.length = 1.25,
                     .pitch = Curve{{0.0, 250.0}, {0.15, 300.0}, {0.8, 285.0}, {1.25, 240.0}},
                     .loudness = Curve{{0.0, 0.0}, {0.012, 1.0}, {0.3, 1.0}, {1.0, 0.7}, {1.25, 0.0}},
                     .breath = Curve{{0.0, 0.15}, {1.0, 0.2}, {1.25, 0.5}},
                     .vowels = {{0.0, vowels::mm}, {0.02, vowels::ae}, {0.5, vowels::aa}, {1.25, vowels::ae}},
                     .formant_scale = 1.15,
                     .vibrato_rate = 7.0,
                     .vibrato_depth = 0.05,
                     .tremolo_rate = 7.0,
                     .tremolo_depth = 0.6,
                     .jitter = 0.01,
                     .seed = 0xBAA});
}

Sound make_sheep()
{
    // A lamb's thin "meh-eh-eh": higher, nasal onset, faster bleat.
    return farmyard({.length = 1.0,
                     .pitch = Curve{{0.0, 420.0}, {0.2, 470.0}, {1.0, 390.0}},
                     .loudness = Curve{{0.0, 0.0}, {0.012, 1.0}, {0.8, 0.8}, {1.0, 0.0}},
                     .breath = Curve(0.12),
                     .vowels = {{0.0, vowels::mm}, {0.02, vowels::eh}, {0.6, vowels::ae}, {1.0, vowels::eh}},
                     .formant_scale = 1.3,
                     .vibrato_rate = 9.0,
                     .vibrato_depth = 0.07,
                     .tremolo_rate = 9.0,
                     .tremolo_depth = 0.7,
                     .seed = 0x5EE9});
}

Sound make_mooo()
{
    // A long, lazy "moooo" from a big chest: the lips open at once on the low, full "oo" (the
    // game may cut it after half a second), which then drifts to "oh" and closes.
    return farmyard({.length = 2.6,
                     .pitch = Curve{{0.0, 110.0}, {0.3, 122.0}, {1.6, 115.0}, {2.6, 85.0}},
                     .loudness = Curve{{0.0, 0.0}, {0.015, 1.0}, {2.0, 0.85}, {2.6, 0.0}},
                     .breath = Curve{{0.0, 0.05}, {2.2, 0.08}, {2.6, 0.4}},
                     .vowels = {{0.0, vowels::mm}, {0.03, vowels::oo}, {1.0, vowels::oh}, {2.2, vowels::oo}, {2.6, vowels::mm}},
                     .formant_scale = 0.8,
                     .vibrato_rate = 3.0,
                     .vibrato_depth = 0.01,
                     .jitter = 0.015,
                     .roughness = 0.15,
                     .brightness = 1800.0,
                     .seed = 0x3000});
}

Sound make_cow()
{
    // A shorter, calling "WAAH" that starts on its loudest syllable and breaks off, unlike the
    // lazy moo.
    return farmyard({.length = 1.6,
                     .pitch = Curve{{0.0, 160.0}, {0.1, 175.0}, {0.9, 165.0}, {1.6, 110.0}},
                     .loudness = Curve{{0.0, 0.0}, {0.015, 1.0}, {1.2, 0.8}, {1.6, 0.0}},
                     .breath = Curve{{0.0, 0.06}, {1.3, 0.1}, {1.6, 0.45}},
                     .vowels = {{0.0, vowels::oo}, {0.05, vowels::aa}, {1.1, vowels::ao}, {1.6, vowels::oo}},
                     .formant_scale = 0.85,
                     .jitter = 0.02,
                     .roughness = 0.25,
                     .brightness = 2500.0,
                     .seed = 0xC0C0});
}

Sound make_pig()
{
    // "Oink, oink": two short nasal grunts with a snort in them, the second one higher.
    Signal dry;
    for (int grunt = 0; grunt < 2; ++grunt) {
        const double top = 260.0 + 40.0 * grunt;
        const Signal oink = sing_voice({.length = 0.32,
                                        .pitch = Curve{{0.0, 170.0}, {0.08, top}, {0.32, 150.0}},
                                        .loudness = Curve{{0.0, 0.0}, {0.005, 1.0}, {0.2, 0.8}, {0.32, 0.0}},
                                        .breath = Curve{{0.0, 0.4}, {0.02, 0.3}, {0.25, 0.3}, {0.32, 0.6}},
                                        .vowels = {{0.0, vowels::oh}, {0.1, vowels::oo}, {0.18, vowels::iy}, {0.32, vowels::mm}},
                                        .formant_scale = 1.1,
                                        .jitter = 0.03,
                                        .roughness = 0.7,
                                        .brightness = 3000.0,
                                        .seed = 0x9160u + static_cast<unsigned>(grunt)});
        mix_into(dry, oink, 0.42 * grunt, grunt == 0 ? 1.0 : 0.8);
    }
    return finish(add_reverb(dry, 0.3, 0.5, 0.25, 0.3));
}

Sound make_howl()
{
    // A wolf's howl: a short scoop up into its long held note, already full within a few
    // hundredths of a second, sagging at the end, far off in the night.
    const Signal howl = sing_voice({.length = 3.2,
                                    .pitch = Curve{{0.0, 580.0}, {0.1, 630.0}, {0.3, 660.0}, {2.2, 650.0}, {3.2, 430.0}},
                                    .loudness = Curve{{0.0, 0.0}, {0.008, 1.0}, {0.3, 0.75}, {2.4, 0.65}, {3.2, 0.0}},
                                    .breath = Curve(0.08),
                                    .vowels = {{0.0, vowels::ao}, {2.3, vowels::oh}, {3.2, vowels::oo}},
                                    .formant_scale = 1.1,
                                    .vibrato_rate = 5.0,
                                    .vibrato_depth = 0.012,
                                    .jitter = 0.006,
                                    .brightness = 2200.0,
                                    .seed = 0x4041});
    return finish(add_reverb(howl, 0.85, 0.4, 0.9, 1.2));
}

Sound make_grawn()
{
    // The Grawn's snarl: a roar from the first moment, rattling down into a breathy growl.
    Signal snarl = sing_voice({.length = 1.9,
                               .pitch = Curve{{0.0, 115.0}, {0.3, 125.0}, {1.1, 100.0}, {1.9, 70.0}},
                               .loudness = Curve{{0.0, 0.0}, {0.012, 1.0}, {0.6, 0.9}, {1.4, 0.7}, {1.9, 0.0}},
                               .breath = Curve{{0.0, 0.3}, {0.5, 0.25}, {1.1, 0.35}, {1.9, 0.6}},
                               .vowels = {{0.0, vowels::rr}, {0.04, vowels::aa}, {0.6, vowels::ao}, {1.2, vowels::rr}, {1.9, vowels::rr}},
                               .formant_scale = 0.85,
                               .tremolo_rate = 28.0,
                               .tremolo_depth = 0.35,
                               .jitter = 0.05,
                               .roughness = 0.95,
                               .brightness = 4500.0,
                               .seed = 0x6A3});
    soft_clip(snarl, 3.0);
    return finish(add_reverb(snarl, 0.5, 0.4, 0.3, 0.4));
}

}  // namespace soundgen
