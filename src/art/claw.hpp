// The claw that holds a farm animal over the flames, closed and open: 50 × 50 pixels.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int claw_size = 50;
// Where the held animal's 35 × 35 sprite sits inside the claw's picture.
inline constexpr int claw_animal_left = 9;
inline constexpr int claw_animal_top = 8;

enum class ClawState { closed, open };

// Hangs from a cable at the top. Closed, two jointed fingers run down the animal's sides and hook
// under its feet; open, they swing out and leave the middle empty. The middle is always
// transparent, so the animal stays visible whether the claw is drawn over or under it.
platform::Drawing claw(ClawState state);

}
