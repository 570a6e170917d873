// The Piggie Poker, World 1's boss machine: whole, flashing red when hit, and wrecked.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int machine_width = 97;
inline constexpr int machine_height = 138;
inline constexpr int machine_wreck_size = 150;

enum class MachineLook { whole, flashing };

// 97 × 138: a grey spike on a tracked housing, its tip sending a beam up the picture that pulls
// the farm animals down. Flashing, the same machine glows red all over with its lamp blazing.
platform::Drawing machine(MachineLook look);

// 150 × 150: the machine blown apart: an explosion cloud with the snapped spike, a wheel and
// torn plates flying out of it.
platform::Drawing machine_wreck();

}
