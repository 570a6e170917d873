// The icon every window of the game shows in its title bar and the desktop's task list.
#pragma once

#include "platform/picture.hpp"
#include "platform/sdl/sdl_handles.hpp"

namespace platform::sdl {

// An SDL surface of `icon` (premultiplied, as pictures are rasterised) with the plain alpha SDL
// expects; null for an empty raster.
SurfacePtr make_window_icon(Raster const& icon);

}
