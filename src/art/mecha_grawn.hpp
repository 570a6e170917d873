// The Mecha Grawn, World 3's boss: a Grawn built of steel, walking on two machine legs with a
// cannon on its back; as it is, flashing on its shield or its hull when hit, and wrecked.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int mecha_width = 218;
inline constexpr int mecha_height = 159;
inline constexpr int mecha_wreck_size = 150;

enum class MechaLook { normal, shield_hit, hull_hit };

// 218 × 159, facing left, the way it walks: the machine of the barn scene. Shield hit: a blue
// force bubble flares round it. Hull hit: the whole machine glows red.
platform::Drawing mecha_grawn(MechaLook look);

// 150 × 150: the Mecha Grawn blown apart: the explosion cloud with its head and a leg flying out
// of it.
platform::Drawing mecha_wreck();

}
