// A window of the office block, drawn in the scenery's heavier line.
#include "art/office_block.hpp"

namespace art {
namespace {

constexpr Colour concrete = rgb(176, 174, 168);
constexpr Colour frame = rgb(92, 98, 110);
constexpr Colour room = rgb(38, 40, 52);
constexpr Colour blind = rgb(214, 206, 170);
constexpr Colour sill = rgb(150, 146, 138);

constexpr double line = 2.0;

void paint_office_window(cairo_t* cr)
{
    // The concrete surround, then the steel frame inside it.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 1, 1, 71, 66, 2); }, concrete, 3, line);
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 7, 6, 59, 57); }, frame, no_shade, line);

    // The dark room behind the glass, lighter towards the top where the ceiling lamp hangs.
    PathMaker const opening = [](cairo_t* c) { cairo_rectangle(c, 11, 10, 51, 49); };
    draw_shape(cr, opening, room, 6, 1.2);
    draw_inside(cr, opening, [cr] {
        set_colour(cr, mix(room, white, 0.12));
        cairo_rectangle(cr, 11, 10, 51, 16);
        cairo_fill(cr);
        // The blind, pulled a little way down, with its slats and its cord.
        set_colour(cr, blind);
        cairo_rectangle(cr, 11, 10, 51, 7);
        cairo_fill(cr);
        set_colour(cr, shade_of(blind));
        for (double y = 12; y < 17; y += 2.2)
            cairo_rectangle(cr, 11, y, 51, 0.7);
        cairo_fill(cr);
        set_colour(cr, ink);
        cairo_rectangle(cr, 11, 16.6, 51, 1);
        cairo_fill(cr);
    });
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 56, 17);
        cairo_line_to(c, 56, 26);
    }, 0.8, blind);

    // A glint on the frame's top corner and the sill that sticks out below the window.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 9, 8);
        cairo_line_to(c, 20, 8);
    }, 1.0, mix(frame, white, 0.5));
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 3, 63, 67, 8, 1.5); }, sill, 2.5, line);
}

}

platform::Drawing office_window()
{
    return {office_window_size, office_window_size, paint_office_window};
}

}
