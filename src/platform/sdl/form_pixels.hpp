// Form units to pixels of a render target: whole pixels of the form, times the scale, offset.
#pragma once

#include "platform/geometry.hpp"
#include "platform/sdl/form_painter.hpp"

#include <SDL.h>

#include <algorithm>
#include <cmath>

namespace platform::sdl {

struct FormPixels {
    int scale = 1;
    int units = 1; // form units per pixel
    int x0 = 0;
    int y0 = 0;

    FormPixels(Placement placement, int units_per_pixel)
        : scale(placement.scale)
        , units(units_per_pixel)
        , x0(placement.x)
        , y0(placement.y)
    {
    }

    int length(double value) const { return static_cast<int>(std::lround(value / units)) * scale; }
    int x(double value) const { return x0 + length(value); }
    int y(double value) const { return y0 + length(value); }
    SDL_Rect rect(Rect const& r) const { return { x(r.left), y(r.top), length(r.width), length(r.height) }; }
};

}
