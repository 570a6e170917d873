// Icons painted with cairo, so they are sharp at every scale like the game's own pictures.
#include "platform/sdl/box_icons.hpp"

#include <cmath>

namespace platform::sdl {

namespace {

void paint_information(cairo_t* cr)
{
    cairo_arc(cr, 16, 16, 14.5, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.8);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.0, 0.0, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_arc(cr, 16, 8.5, 2.4, 0, 2 * M_PI);
    cairo_fill(cr);
    // The stem of the "i", with a foot and a small flag at the top left.
    cairo_rectangle(cr, 14.5, 12.5, 3.5, 11.5);
    cairo_rectangle(cr, 12.5, 12.5, 2, 2);
    cairo_rectangle(cr, 12.5, 22.5, 7.5, 2);
    cairo_fill(cr);
}

void paint_exclamation(cairo_t* cr)
{
    cairo_move_to(cr, 16, 1.5);
    cairo_line_to(cr, 30.5, 29.5);
    cairo_line_to(cr, 1.5, 29.5);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1.0, 1.0, 0.0);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, 14.2, 10);
    cairo_line_to(cr, 17.8, 10);
    cairo_line_to(cr, 16.9, 21);
    cairo_line_to(cr, 15.1, 21);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_arc(cr, 16, 25, 1.9, 0, 2 * M_PI);
    cairo_fill(cr);
}

}

PicturePtr box_icon(MsgIcon icon)
{
    static PicturePtr const information = make_picture("information icon", { box_icon_size, box_icon_size, paint_information });
    static PicturePtr const exclamation = make_picture("exclamation icon", { box_icon_size, box_icon_size, paint_exclamation });
    switch (icon) {
    case MsgIcon::information:
        return information;
    case MsgIcon::exclamation:
        return exclamation;
    case MsgIcon::none:
        break;
    }
    return nullptr;
}

}
