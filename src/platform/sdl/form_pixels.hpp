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

    // Rounded half away from zero, as std::lround does, without its library call: every control
    // is measured several times a frame.
    int length(double value) const
    {
        double const pixels = value / units;
        int const whole = pixels >= 0 ? static_cast<int>(pixels + 0.5) : -static_cast<int>(0.5 - pixels);
        return whole * scale;
    }
    int x(double value) const { return x0 + length(value); }
    int y(double value) const { return y0 + length(value); }
    SDL_Rect rect(Rect const& r) const { return { x(r.left), y(r.top), length(r.width), length(r.height) }; }
};

}
