// Animal calls: the farm animals, the wolf's howl and the Grawn's snarl, all from the formant voice.
#include "effects.hpp"

#include "voice.hpp"

namespace soundgen {

Sound make_sheep_baa()
{
    // "Baa": lips open from a "b" into a wide, bleating "aa" that shakes with the sheep's tremolo.
    VoiceSpec baa;
    baa.length = 1.25;
    baa.pitch = Curve{{0.0, 250.0}, {0.15, 300.0}, {0.8, 285.0}, {1.25, 240.0}};
    baa.loudness = Curve{{0.0, 0.0}, {0.05, 0.9}, {0.3, 1.0}, {1.0, 0.7}, {1.25, 0.0}};
    baa.breath = Curve{{0.0, 0.15}, {1.0, 0.2}, {1.25, 0.5}};
    baa.vowels = {{0.0, vowels::mm}, {0.07, vowels::ae}, {0.5, vowels::aa}, {1.25, vowels::ae}};
    baa.formant_scale = 1.15;
    baa.vibrato_rate = 7.0;
    baa.vibrato_depth = 0.05;
    baa.tremolo_rate = 7.0;
    baa.tremolo_depth = 0.6;
    baa.jitter = 0.01;
    baa.seed = 0xBAA;
    return finish(add_reverb(sing_voice(baa), 0.3, 0.5, 0.25, 0.3));
}

Sound make_sheep()
{
    // A lamb's thin "meh-eh-eh": higher, nasal onset, faster bleat.
    VoiceSpec meh;
    meh.length = 1.0;
    meh.pitch = Curve{{0.0, 420.0}, {0.2, 470.0}, {1.0, 390.0}};
    meh.loudness = Curve{{0.0, 0.0}, {0.04, 0.8}, {0.2, 1.0}, {0.8, 0.8}, {1.0, 0.0}};
    meh.breath = Curve(0.12);
    meh.vowels = {{0.0, vowels::mm}, {0.08, vowels::eh}, {0.6, vowels::ae}, {1.0, vowels::eh}};
    meh.formant_scale = 1.3;
    meh.vibrato_rate = 9.0;
    meh.vibrato_depth = 0.07;
    meh.tremolo_rate = 9.0;
    meh.tremolo_depth = 0.7;
    meh.seed = 0x5EE9;
    return finish(add_reverb(sing_voice(meh), 0.3, 0.5, 0.25, 0.3));
}

Sound make_mooo()
{
    // A long, lazy "mmmoooo" from a big chest: low pitch, closed lips opening slowly.
    VoiceSpec moo;
    moo.length = 2.6;
    moo.pitch = Curve{{0.0, 95.0}, {0.5, 122.0}, {1.6, 115.0}, {2.6, 85.0}};
    moo.loudness = Curve{{0.0, 0.0}, {0.15, 0.6}, {0.6, 1.0}, {2.0, 0.85}, {2.6, 0.0}};
    moo.breath = Curve{{0.0, 0.05}, {2.2, 0.08}, {2.6, 0.4}};
    moo.vowels = {{0.0, vowels::mm}, {0.45, vowels::oo}, {1.3, vowels::oh}, {2.2, vowels::oo}, {2.6, vowels::mm}};
    moo.formant_scale = 0.8;
    moo.brightness = 1800.0;
    moo.jitter = 0.015;
    moo.roughness = 0.15;
    moo.vibrato_rate = 3.0;
    moo.vibrato_depth = 0.01;
    moo.seed = 0x3000;
    return finish(add_reverb(sing_voice(moo), 0.5, 0.5, 0.3, 0.5));
}

Sound make_cow()
{
    // A shorter, calling "mm-WAAH" that rises and breaks off, unlike the lazy moo.
    VoiceSpec call;
    call.length = 1.6;
    call.pitch = Curve{{0.0, 120.0}, {0.35, 175.0}, {0.9, 165.0}, {1.6, 110.0}};
    call.loudness = Curve{{0.0, 0.0}, {0.1, 0.5}, {0.4, 1.0}, {1.2, 0.8}, {1.6, 0.0}};
    call.breath = Curve{{0.0, 0.06}, {1.3, 0.1}, {1.6, 0.45}};
    call.vowels = {{0.0, vowels::mm}, {0.3, vowels::oo}, {0.5, vowels::aa}, {1.1, vowels::ao}, {1.6, vowels::oo}};
    call.formant_scale = 0.85;
    call.brightness = 2500.0;
    call.jitter = 0.02;
    call.roughness = 0.25;
    call.seed = 0xC0C0;
    return finish(add_reverb(sing_voice(call), 0.5, 0.5, 0.3, 0.4));
}

Sound make_pig()
{
    // "Oink, oink": two short nasal grunts with a snort in them.
    Signal dry;
    double start = 0.0;
    int index = 0;
    for (const double top : {260.0, 300.0}) {
        VoiceSpec oink;
        oink.length = 0.32;
        oink.pitch = Curve{{0.0, 170.0}, {0.08, top}, {0.32, 150.0}};
        oink.loudness = Curve{{0.0, 0.0}, {0.02, 1.0}, {0.2, 0.8}, {0.32, 0.0}};
        oink.breath = Curve{{0.0, 0.6}, {0.05, 0.3}, {0.25, 0.3}, {0.32, 0.6}};
        oink.vowels = {{0.0, vowels::oh}, {0.1, vowels::oo}, {0.18, vowels::iy}, {0.32, vowels::mm}};
        oink.formant_scale = 1.1;
        oink.roughness = 0.7;
        oink.jitter = 0.03;
        oink.brightness = 3000.0;
        oink.seed = 0x9160 + static_cast<unsigned>(index++);
        mix_into(dry, sing_voice(oink), start);
        start += 0.42;
    }
    return finish(add_reverb(dry, 0.3, 0.5, 0.25, 0.3));
}

Sound make_howl()
{
    // A wolf's howl: sliding up to a long held note and sagging at the end, far off in the night.
    VoiceSpec howl;
    howl.length = 3.2;
    howl.pitch = Curve{{0.0, 330.0}, {0.5, 610.0}, {0.7, 660.0}, {2.2, 650.0}, {3.2, 430.0}};
    howl.loudness = Curve{{0.0, 0.0}, {0.2, 0.6}, {0.7, 1.0}, {2.4, 0.9}, {3.2, 0.0}};
    howl.breath = Curve(0.08);
    howl.vowels = {{0.0, vowels::oo}, {0.6, vowels::ao}, {2.3, vowels::oh}, {3.2, vowels::oo}};
    howl.formant_scale = 1.1;
    howl.brightness = 2200.0;
    howl.vibrato_rate = 5.0;
    howl.vibrato_depth = 0.012;
    howl.jitter = 0.006;
    howl.seed = 0x4041;
    return finish(add_reverb(sing_voice(howl), 0.85, 0.4, 0.9, 1.2));
}

Sound make_grawn()
{
    // The Grawn's snarl: a rattling, breathy growl that swells into a roar and drops back.
    VoiceSpec snarl;
    snarl.length = 1.9;
    snarl.pitch = Curve{{0.0, 75.0}, {0.6, 105.0}, {1.1, 125.0}, {1.9, 70.0}};
    snarl.loudness = Curve{{0.0, 0.0}, {0.1, 0.5}, {0.8, 0.8}, {1.1, 1.0}, {1.6, 0.6}, {1.9, 0.0}};
    snarl.breath = Curve{{0.0, 0.5}, {0.5, 0.3}, {1.1, 0.25}, {1.9, 0.6}};
    snarl.vowels = {{0.0, vowels::rr}, {0.7, vowels::rr}, {1.05, vowels::aa}, {1.5, vowels::ao}, {1.9, vowels::rr}};
    snarl.formant_scale = 0.85;
    snarl.roughness = 0.95;
    snarl.jitter = 0.05;
    snarl.tremolo_rate = 28.0;
    snarl.tremolo_depth = 0.35;
    snarl.brightness = 4500.0;
    snarl.seed = 0x6A3;
    Signal dry = sing_voice(snarl);
    soft_clip(dry, 3.0);
    return finish(add_reverb(dry, 0.5, 0.4, 0.3, 0.4));
}

}  // namespace soundgen
