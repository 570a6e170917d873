// The Big Bad Grawn: the second Mecha Grawn, built a size larger than the first, standing, in
// mid-stride and glowing red where the player's shots strike it, wrapped in its force dome while
// its shields are up.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int big_mecha_width = 273;
inline constexpr int big_mecha_height = 199;

enum class BigMechaLook { standing, striding, hit };

// Up: a steady blue dome of force round the whole machine, which no shot gets through; down:
// the bare machine, open to the player's shots.
enum class Shields { up, down };

// 273 × 199, facing left like the first Mecha Grawn and drawn the same way, a quarter larger.
// Striding: the front leg swung forward off the ground, the back leg pushing behind. (Hits only
// land with the shields down.)
platform::Drawing big_mecha_grawn(BigMechaLook look, Shields shields);

}
