// The Grawns' hidden base in the forest: its cave, and the traps hidden round it.
#pragma once

#include "art/style.hpp"

namespace art {

enum class TrapState { set, sprung };

// 250 × 125: a mossy rock outcrop with a dark cave mouth, a few bones at the entrance.
platform::Drawing cave();

// 38 × 38. Set: a pile of leaves with the tips of steel jaws peeping out, easy to miss.
// Sprung: the jaws snapped shut in a burst of leaves and a bang.
platform::Drawing trap(TrapState state);

}
