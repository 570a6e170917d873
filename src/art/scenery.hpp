// Farm scenery that stands still: tree (90 × 160), barn (300 × 225) and cloud (32 × 32).
#pragma once

#include "art/style.hpp"

namespace art {

platform::Drawing tree();
platform::Drawing barn();
platform::Drawing cloud();

}
