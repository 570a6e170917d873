// The Big Bad Grawn: the second Mecha Grawn, built a size larger than the first, standing, in
// mid-stride and glowing red where the player's shots strike it.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int big_mecha_width = 273;
inline constexpr int big_mecha_height = 199;

enum class BigMechaLook { standing, striding, hit };

// 273 × 199, facing left like the first Mecha Grawn and drawn the same way, a quarter larger.
// Striding: the front leg swung forward off the ground, the back leg pushing behind.
platform::Drawing big_mecha_grawn(BigMechaLook look);

}
