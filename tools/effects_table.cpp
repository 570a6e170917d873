// The table of effect files and the finishing touches every effect shares.
#include "effects.hpp"

#include "loudness.hpp"

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

namespace {

// Brings what is heard of an effect before the game cuts it (its first half second, both
// channels together) to the one loudness every effect shares; the few peaks that would pass
// full scale on the way are bent under it. A few rounds, as bending lowers the loudness a little.
void level(const std::vector<Signal*>& sides)
{
    constexpr double knee = 0.6;
    for (int round = 0; round < 4; ++round) {
        Signal together(sides.front()->size(), 0.0f);
        for (const Signal* side : sides) {
            for (std::size_t i = 0; i < together.size() && i < side->size(); ++i) {
                together[i] += (*side)[i] / static_cast<float>(sides.size());
            }
        }
        const double gain = from_db(k_effect_loudness_db - loudness_db(together, k_sample_rate));
        for (Signal* side : sides) {
            for (float& sample : *side) {
                sample = static_cast<float>(sample * gain);
            }
            limit_peaks(*side, knee, k_effect_peak);
        }
    }
}

}  // namespace

Sound finish(Signal signal)
{
    fade_in(signal, 0.001);
    fade_out(signal, 0.01);
    level({&signal});
    return mono_sound(std::move(signal));
}

Sound finish(Stereo signal)
{
    for (Signal* side : {&signal.left, &signal.right}) {
        fade_in(*side, 0.001);
        fade_out(*side, 0.01);
    }
    level({&signal.left, &signal.right});
    return stereo_sound(signal);
}

}  // namespace soundgen
