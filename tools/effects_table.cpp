// The table of effect files and the finishing touches every effect shares.
#include "effects.hpp"

namespace soundgen {

const std::vector<EffectFile>& effect_files()
{
    static const std::vector<EffectFile> files = {
        {"intromusic.wav", make_title_jingle},
        {"gundead.wav", make_gunshot},
        {"howl.wav", make_howl},
        {"explosion.wav", make_explosion},
        {"death.wav", make_death},
        {"godown.wav", make_go_down},
        {"shock.wav", make_shock},
        {"saucer.wav", make_saucer},
        {"magnet.wav", make_magnet},
        {"sheepbaa.wav", make_sheep_baa},
        {"mooo.wav", make_mooo},
        {"cow.wav", make_cow},
        {"pig.wav", make_pig},
        {"sheep.wav", make_sheep},
        {"grawn.wav", make_grawn},
        {"thief.wav", make_thief},
        {"giveup.wav", make_give_up},
        {"way2rok.wav", make_way_to_rock},
        {"up.wav", make_dance_up},
        {"down.wav", make_dance_down},
        {"left.wav", make_dance_left},
        {"right.wav", make_dance_right},
    };
    return files;
}

Sound finish(Signal signal)
{
    fade_in(signal, 0.001);
    fade_out(signal, 0.01);
    normalize(signal, k_effect_peak);
    return mono_sound(std::move(signal));
}

Sound finish(Stereo signal)
{
    for (Signal* side : {&signal.left, &signal.right}) {
        fade_in(*side, 0.001);
        fade_out(*side, 0.01);
    }
    normalize(signal, k_effect_peak);
    return stereo_sound(signal);
}

}  // namespace soundgen
