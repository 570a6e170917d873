// Fire, blasts and wounds: flame, blood splat, bullet hole, small blast and explosions.
#pragma once

#include "art/style.hpp"

namespace art {

// 35 × 35: one flame of the fire rows, also what a Grawn killed in Hell turns into.
platform::Drawing flame();
// 35 × 35: what a shot robber, Grawn or animal becomes on the farm.
platform::Drawing blood_splat();
// 20 × 20: a hole punched by a shot, with cracks around it.
platform::Drawing bullet_hole();
// 20 × 20: the flash of a small blast.
platform::Drawing small_blast();
// A square explosion cloud of any size: fire burst, smoke puffs and flying debris
// (the game uses 38 × 38 and 150 × 150).
platform::Drawing explosion(int size);

}
