// The icon is the Grawn sprite itself, scaled up onto a meadow disc so it reads at 16 pixels too.
#include "art/icon.hpp"

#include "art/grawn.hpp"

#include <algorithm>

namespace art {

namespace {

constexpr Colour meadow = rgb(118, 186, 74);

// The icon's own units: a 40-unit square, scaled to the size asked for.
constexpr double units = 40;

}

platform::Drawing game_icon(int pixels)
{
    pixels = std::max(pixels, 1);
    return { pixels, pixels, [pixels](cairo_t* cr) {
                cairo_scale(cr, pixels / units, pixels / units);
                draw_shape(cr, [](cairo_t* c) { ellipse_path(c, units / 2, units / 2, 18.5, 18.5); }, meadow, 3.0);
                // The Grawn, a little larger than in play, standing on the middle of the patch.
                double const scale = 1.02;
                cairo_translate(cr, (units - grawn_width * scale) / 2, (units - grawn_height * scale) / 2 + 0.5);
                cairo_scale(cr, scale, scale);
                grawn(Facing::right).paint(cr);
            } };
}

}
