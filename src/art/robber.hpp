// The robber: a masked bandit with a pistol and a swag bag, 35 × 35 pixels.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int robber_size = 35;

// The pistol points the way the robber faces.
platform::Drawing robber(Facing facing);

}
