// The regatta's pictures: the two racing sailboats with their crews (100 × 115) and the 'Click'
// button that blows air into the player's sail (100 × 100).
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int sailboat_width = 100;
inline constexpr int sailboat_height = 115;
inline constexpr int click_button_size = 100;

// Who sails the boat: the farm's cow or a Grawn.
enum class Crew { cow, grawn };

// 100 × 115: a sailboat heading right with its crew aboard, the bow wave and the water around
// its hull; the cow's boat is red with a spotted sail, the Grawn's dark with a torn black sail.
platform::Drawing sailboat(Crew crew);

// 100 × 100: a big red push button marked "Click" on a grey plate, puffs of air blowing from it.
platform::Drawing click_button();

}
