// The game's sound effects: one maker per WAV file, and the table of file names.
#pragma once

#include "wav_writer.hpp"

#include <string>
#include <vector>

namespace soundgen {

struct EffectFile {
    std::string file_name;
    Sound (*make)();
};

// Every effect under the exact file name the game plays it by.
const std::vector<EffectFile>& effect_files();

// No finished effect peaks above this, a little under full scale.
constexpr double k_effect_peak = 0.95;

// Levels to the effects' shared loudness, removes clicks at the ends and wraps a finished effect.
Sound finish(Signal signal);
Sound finish(Stereo signal);

Sound make_gunshot();
Sound make_explosion();
Sound make_shock();
Sound make_death();
Sound make_go_down();
Sound make_saucer();
Sound make_magnet();
Sound make_howl();
Sound make_grawn();
Sound make_sheep_baa();
Sound make_sheep();
Sound make_mooo();
Sound make_cow();
Sound make_pig();
Sound make_thief();
Sound make_give_up();
Sound make_way_to_rock();
Sound make_dance_up();
Sound make_dance_down();
Sound make_dance_left();
Sound make_dance_right();
Sound make_title_jingle();

}  // namespace soundgen
