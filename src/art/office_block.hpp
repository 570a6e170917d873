// The robbers' office block: one window of its front, where a robber pops up to shoot.
#pragma once

#include "art/style.hpp"

namespace art {

inline constexpr int office_window_size = 73;

// 73 × 73: a window of a grey concrete front, a thick frame and sill around a dark, empty room
// with its blind half drawn; a robber standing in it fills the middle 35 × 35.
platform::Drawing office_window();

}
