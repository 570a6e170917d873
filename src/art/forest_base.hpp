// The Grawns' hidden base in the forest: its cave, its grass, and the traps hidden in the grass.
#pragma once

#include "art/style.hpp"

namespace art {

enum class TrapState { set, sprung };

// 250 × 125: a mossy rock outcrop with a dark cave mouth, a few bones at the entrance.
platform::Drawing cave();

// 38 × 38: a clump of grass with a clover flower, the ground cover of the forest floor.
platform::Drawing grass_tuft();

// 38 × 38. Set: the same clump of grass, told apart only by the tips of steel teeth at its foot
// and the turned soil round it. Sprung: the jaws snapped shut in a bang, torn blades flying.
platform::Drawing trap(TrapState state);

}
