// The crane game's pieces: the magnet on its cable and the big button that lifts the catch.
#pragma once

#include "art/style.hpp"

namespace art {

// 22 × 55: a red horseshoe magnet hanging points down from a hook, its steel tips sparking.
platform::Drawing magnet();

// 100 × 100: a big round red push button on a grey base, a white arrow pointing up on it.
platform::Drawing lift_button();

}
