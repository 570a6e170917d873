// The game's icon: a Grawn on a round patch of meadow, for the desktop and the windows' title bars.
#pragma once

#include "platform/picture.hpp"

namespace art {

// The icon drawn `pixels` wide and high (16 to 256 make sense); transparent around the patch.
platform::Drawing game_icon(int pixels);

}
