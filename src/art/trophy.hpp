// The picture over the end-of-game tally: the game's title above a gold trophy.
#pragma once

#include "art/style.hpp"

namespace art {

// 300 × 225: the title lettering across the top and a gold cup with two handles below it.
platform::Drawing tally_picture();

}
