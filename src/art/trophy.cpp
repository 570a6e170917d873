// The tally's picture: the title reused, and a trophy in the heavier line of the big pictures.
#include "art/trophy.hpp"

#include "art/title.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour gold = rgb(244, 190, 40);
constexpr Colour wood = rgb(120, 72, 40);

void paint_trophy(cairo_t* cr)
{
    // The plinth, the stem and the cup with its handles.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 118, 196, 64, 22, 3); }, wood, 4, heavy_outline);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{140, 166}, {160, 166}, {166, 196}, {134, 196}}); }, gold, 3, heavy_outline);
    for (double side : {-1.0, 1.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, 150 + side * 30, 118);
            cairo_curve_to(c, 150 + side * 52, 118, 150 + side * 50, 150, 150 + side * 22, 152);
        }, 6, ink);
    for (double side : {-1.0, 1.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, 150 + side * 30, 118);
            cairo_curve_to(c, 150 + side * 52, 118, 150 + side * 50, 150, 150 + side * 22, 152);
        }, 3, gold);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 116, 108);
        cairo_line_to(c, 184, 108);
        cairo_curve_to(c, 184, 150, 170, 168, 150, 168);
        cairo_curve_to(c, 130, 168, 116, 150, 116, 108);
        cairo_close_path(c);
    }, gold, 6, heavy_outline);
    // A star on the cup and a glint.
    draw_detail(cr, [](cairo_t* c) {
        cairo_move_to(c, 150, 118);
        for (int i = 1; i < 10; ++i) {
            double const angle = -M_PI / 2 + i * M_PI / 5;
            double const r = i % 2 ? 6 : 14;
            cairo_line_to(c, 150 + r * std::cos(angle), 132 + r * std::sin(angle));
        }
        cairo_close_path(c);
    }, white, 1.2);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 124, 116);
        cairo_curve_to(c, 124, 138, 130, 152, 138, 158);
    }, 2.4, mix(gold, white, 0.7));
}

}

platform::Drawing tally_picture()
{
    return {300, 225, [](cairo_t* cr) {
                cairo_save(cr);
                cairo_translate(cr, 0, 16);
                title_artwork().paint(cr);
                cairo_restore(cr);
                paint_trophy(cr);
            }};
}

}
