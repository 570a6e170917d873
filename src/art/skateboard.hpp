// Revoda the pig on her skateboard, for the skatepark.
#pragma once

#include "art/style.hpp"

namespace art {

// 100 × 45: the pig, facing right, standing on a red board with four wheels.
platform::Drawing pig_on_board();

}
