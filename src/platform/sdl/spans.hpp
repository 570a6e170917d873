// The pixels of outlines, discs and thick lines as lists of rectangles, for one fill call each.
#pragma once

#include <SDL.h>

#include <vector>

namespace platform::sdl {

using Rects = std::vector<SDL_Rect>;

// The frame of `box`, `thickness` pixels wide, inside the box.
Rects frame_rects(SDL_Rect box, int thickness);

// The ellipse inscribed in `box`, filled.
Rects ellipse_fill(SDL_Rect box);

// The outline of the ellipse inscribed in `box`, `thickness` pixels wide, inside it.
Rects ellipse_ring(SDL_Rect box, int thickness);

// Adds to `out` the parts of `r` outside `cut`: the bands above and below it, then those
// beside it (all of `r` when they do not meet).
void cut_around(SDL_Rect const& r, SDL_Rect const& cut, Rects& out);

// A line from `from` to `to` (both included) drawn with a square pen of `pen` pixels whose
// top-left corner follows the line.
Rects line_rects(SDL_Point from, SDL_Point to, int pen);

}
