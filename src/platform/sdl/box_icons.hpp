// The pictures of message box icons: a blue disc with "i", a yellow triangle with "!".
#pragma once

#include "platform/dialog.hpp"
#include "platform/picture.hpp"

namespace platform::sdl {

// 32 × 32 pixels; null for a box without an icon.
PicturePtr box_icon(MsgIcon icon);

inline constexpr int box_icon_size = 32;

}
