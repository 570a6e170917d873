// Raved, the sheep that turned: its three looks, and the stone that changed it.
#pragma once

#include "art/style.hpp"

namespace art {

enum class RavedLook { plain, glowing, changed };

// 35 × 35, facing right. Plain: an ordinary sheep. Glowing: the same sheep in a green glow, its
// eye lit. Changed: its fleece gone dark purple, two small horns and a red eye.
platform::Drawing raved(RavedLook look);

// 245 × 245: Raved grown huge, changed look, a radioactive glow round it.
platform::Drawing big_raved();

// 70 × 45: a grey rock with green crystals growing out of it, glowing.
platform::Drawing strange_stone();

}
