// The skating pig: the farm's pig drawn a little larger over a board in the sprite style.
#include "art/skateboard.hpp"

#include "art/farm_animals.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour deck = rgb(214, 48, 44);
constexpr Colour wheel = rgb(250, 230, 120);
constexpr Colour truck_steel = rgb(170, 174, 186);

void paint(cairo_t* cr)
{
    // The pig stands on the deck: its own picture, a third larger.
    cairo_save(cr);
    cairo_translate(cr, 27, -10);
    cairo_scale(cr, 1.3, 1.3);
    pig(Facing::right).paint(cr);
    cairo_restore(cr);
    // Trucks and wheels under the deck, then the deck with its kicked-up ends.
    for (double x : {28.0, 72.0}) {
        draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, x - 6, 35, 12, 4, 1.5); }, truck_steel, no_shade);
        for (double dx : {-5.0, 5.0})
            draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, x + dx, 40.5, 3.4, 0, 2 * M_PI); }, wheel, no_shade);
    }
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 6, 28);
        cairo_curve_to(c, 10, 34, 14, 35, 20, 35);
        cairo_line_to(c, 80, 35);
        cairo_curve_to(c, 86, 35, 90, 34, 94, 28);
        cairo_line_to(c, 96, 30);
        cairo_curve_to(c, 92, 38, 86, 39, 80, 39);
        cairo_line_to(c, 20, 39);
        cairo_curve_to(c, 14, 39, 8, 38, 4, 30);
        cairo_close_path(c);
    }, deck, 1.5);
}

}

platform::Drawing pig_on_board()
{
    return {100, 45, paint};
}

}
