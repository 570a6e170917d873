// The Grawn Re-Incarnation Machine, World 2's boss: whole, flashing red when hit, and destroyed.
#pragma once

#include "art/machine.hpp"
#include "art/style.hpp"

namespace art {

inline constexpr int reincarnator_width = 100;
inline constexpr int reincarnator_height = 150;
inline constexpr int reincarnator_wreck_size = 150;

// 100 × 150: a tall cabinet on tracks, a glass tube in its middle in which a Grawn's ghost glows
// green, a dome with an aerial on top. Flashing, the whole machine glows red, its lamps white.
platform::Drawing reincarnator(MachineLook look);

// 150 × 150: the machine blown apart: an explosion cloud with glass shards, the dome and a panel
// flying out of it.
platform::Drawing reincarnator_wreck();

}
