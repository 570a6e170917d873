// The farm animals the player rescues: pig, cow and sheep, 35 × 35 pixels, side view.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int animal_size = 35;

platform::Drawing pig(Facing facing);
platform::Drawing cow(Facing facing);
platform::Drawing sheep(Facing facing);

}
