// The Grawn Re-Incarnation Machine, World 2's boss: whole, flashing red when hit, and destroyed.
#pragma once

#include "art/machine.hpp"
#include "art/style.hpp"

namespace art {

inline constexpr int reincarnator_width = 100;
inline constexpr int reincarnator_height = 150;
inline constexpr int reincarnator_wreck_size = 150;

// 100 × 150: a tall cabinet on tracks in the Grawns' purple, a Grawn's ears, crest and glaring
// eyes on its dome, a tube of serum in which a new Grawn takes shape, and a fanged jaw below for
// an intake. Flashing, the whole machine glows red, its eyes white.
platform::Drawing reincarnator(MachineLook look);

// 150 × 150: the machine blown apart: an explosion cloud with glass shards, the dome and a panel
// flying out of it.
platform::Drawing reincarnator_wreck();

}
