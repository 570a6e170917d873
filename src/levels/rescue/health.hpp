// Player health on the levels where the player can be hurt: a counter timer's Interval holds it
// and a label shows it.
#pragma once

#include "platform/control.hpp"
#include "platform/timer.hpp"

namespace levels {

// Adds `by` (negative for a loss) and shows the new health; returns it.
int change_health(platform::Timer& hp, platform::Label& lblhp, int by);

}
