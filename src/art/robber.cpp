// The robber, drawn facing right: beanie, black eye mask, striped shirt, pistol held out front.
#include "art/robber.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour skin = rgb(240, 192, 150);
constexpr Colour beanie = rgb(58, 54, 66);
constexpr Colour mask = rgb(20, 18, 22);
constexpr Colour trousers = rgb(64, 78, 128);
constexpr Colour shoe = rgb(40, 32, 30);
constexpr Colour sack = rgb(206, 170, 108);
constexpr Colour steel = rgb(128, 134, 146);

void paint_robber(cairo_t* cr)
{
    // Swag bag slung behind him, tied at the neck, a gold coin sewn on.
    draw_shape(cr, [](cairo_t* c) { smooth_path(c, {{4.6, 15}, {7.8, 15.4}, {10.4, 21}, {9.4, 27.6}, {3.6, 28}, {0.9, 22}}); }, sack, 1.8);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 3.8, 15.4);
        cairo_line_to(c, 8.4, 15);
    }, 1.2);
    draw_detail(cr, [](cairo_t* c) { cairo_arc(c, 5.6, 22.2, 2.4, 0, 2 * M_PI); }, rgb(250, 206, 40), 0.8);
    dot(cr, 5.6, 22.2, 0.8, rgb(190, 140, 20));

    // Legs in dark trousers, then the striped shirt over their tops.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 11.6, 23, 4, 9.6, 1); }, shade_of(trousers), no_shade);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 16.6, 23, 4, 9.6, 1); }, trousers, no_shade);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 10.4, 31.2, 5.6, 2.6, 1.2); }, shoe, no_shade);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 16, 31.2, 6.4, 2.6, 1.2); }, shoe, no_shade);
    PathMaker const shirt = [](cairo_t* c) { rounded_rect_path(c, 10, 14.4, 12, 11.2, 3.4); };
    draw_shape(cr, shirt, white, 1.6);
    draw_inside(cr, shirt, [cr] {
        set_colour(cr, mask);
        for (double y = 16.2; y < 26; y += 3.4)
            cairo_rectangle(cr, 9, y, 14, 1.6);
        cairo_fill(cr);
    });

    // Head: skin, a black mask band with eye holes, a beanie with a rolled brim.
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 16.8, 9.4, 5.8, 5.6); }, skin, 1.4);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 22.4, 10.6, 1.3, 1.5); }, skin, no_shade, 1.0);
    // The mask's knot tails flap out behind the head.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{11.6, 9.2}, {7.4, 7.2}, {8.6, 10.2}, {7.2, 12.6}, {11.6, 11.4}}); }, mask, no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 11, 8, 12.6, 4, 1.8); }, mask, no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 18.6, 9.9, 1.6, 1.3); }, white, no_shade, 0);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 22, 9.9, 1.3, 1.3); }, white, no_shade, 0);
    dot(cr, 19.3, 10, 0.75, ink);
    dot(cr, 22.4, 10, 0.7, ink);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 10.8, 7.4);
        cairo_curve_to(c, 10.8, 1.2, 22.6, 0.8, 22.8, 7.4);
        cairo_close_path(c);
    }, beanie, 1.2);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 10.2, 5.6, 13.4, 2.8, 1.2); }, mix(beanie, white, 0.25), no_shade, 1.0);
    // A mean straight mouth with stubble.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 18.6, 13.2);
        cairo_line_to(c, 21.6, 13);
    }, 0.8);

    // Gun arm held straight out front; the pistol leads the way he faces.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 19, 17.4);
        cairo_line_to(c, 25.6, 18);
    }, 4.4);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 19, 17.4);
        cairo_line_to(c, 25.6, 18);
    }, 2.2, white);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{26, 16.6}, {28.8, 16.6}, {28.2, 21.8}, {25.2, 21.8}}); }, shade_of(steel), no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 25, 14.2, 9.4, 3.2, 0.8); }, steel, no_shade, 1.2);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 26.4, 18.2, 1.8, 1.7); }, skin, no_shade, 1.0);
}

}

platform::Drawing robber(Facing facing)
{
    return facing_drawing(robber_size, robber_size, facing, paint_robber);
}

}
