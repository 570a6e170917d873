// The Grawn, the game's hostile beast, and the S-Grawn it mutates into: 35 × 34 pixels.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int grawn_width = 35;
inline constexpr int grawn_height = 34;

// A snarling wolf-like beast: bristling purple fur, open jaws with fangs, white claws.
platform::Drawing grawn(Facing facing);

// The frames of a Grawn turning into an S-Grawn, after the plain Grawn: eyes and spines first,
// then the swelling body and its colour, then the finished S-Grawn.
enum class Mutation { stirring, swelling, mutated };

platform::Drawing s_grawn(Mutation mutation, Facing facing);

// A Grawn's head seen from the front, for the machines that make them: ears, slanted glaring
// eyes, a snout and a jaw full of fangs, about 18 × 20 pixels round `centre` times `size`.
void paint_grawn_face(cairo_t* cr, Point centre, double size);

}
