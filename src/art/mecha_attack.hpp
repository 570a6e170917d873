// The World 3 intermission's cast: the Mecha Grawn (218 × 159) and the barn it knocks down,
// standing and in four frames of collapse (225 × 169).
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int mecha_grawn_width = 218;
inline constexpr int mecha_grawn_height = 159;

// A Grawn rebuilt as a war machine: riveted steel armour with purple panels, piston legs with
// steel claws, a segmented tail, a cannon on its back, steel fangs in a red-glowing maw and one
// burning red eye.
platform::Drawing mecha_grawn(Facing facing);

inline constexpr int attacked_barn_width = 225;
inline constexpr int attacked_barn_height = 169;
// The collapse frames are numbered 1 to this.
inline constexpr int barn_collapse_frames = 4;

// The farm's barn at the intermission's size.
platform::Drawing attacked_barn();
// The barn coming down: leaning and cracked (1), its roof caved in (2), half its walls gone (3),
// a heap of planks in a cloud of dust (4).
platform::Drawing barn_collapsing(int frame);

}
