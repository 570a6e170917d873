// The crane game's pieces: the magnet on its cable and the big button that lifts the catch.
#pragma once

#include "art/style.hpp"

namespace art {

// 22 × 55: a red horseshoe magnet hanging points down from a hook, its steel tips sparking.
platform::Drawing magnet();

// 22 × 55: the pulley block left hanging in the magnet's place while the magnet is let down on
// its cable.
platform::Drawing magnet_pulley();

// 100 × 100: a big round red push button on a grey base, "Click" on it in white and an arrow
// pointing up on the base.
platform::Drawing lift_button();

}
