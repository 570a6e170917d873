// Farmer Ruv's farmstead for the story scene at the end of World 3: the farmhouse with its trees
// as a backdrop, and the small things about the yard.
#pragma once

#include "art/style.hpp"

namespace art {

// 400 × 300, transparent but for its subjects: the farmhouse with a red roof and a porch, a
// windmill, bushes and the path down to the yard, for a green field behind.
platform::Drawing farmstead();

// 26 × 20: a bale of straw with its two strings.
platform::Drawing hay_bale();

// 40 × 22: a wooden water trough, full.
platform::Drawing water_trough();

}
