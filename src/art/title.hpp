// The title screen's artwork: the "GRAWN 2" title (300 × 90) and the presenter icons (32 × 32).
#pragma once

#include "art/style.hpp"

namespace art {

// Bold blood-red lettering dripping at the bottom, a trail of hoof prints underneath.
platform::Drawing title_artwork();

// The title painted on a board of pale planks that ends above the menu, on two posts in tufts of
// grass; the board is opaque, the grass between the posts shows through.
platform::Drawing title_sign();

// The two icons either side of "Pell Entertainment Presents": a golden bell (the studio's pun on
// its name) and a film reel.
enum class PresenterIcon { bell, reel };

platform::Drawing presenter_icon(PresenterIcon icon);

}
