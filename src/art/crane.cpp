// The magnet and the lift button in the sprite style.
#include "art/crane.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour magnet_red = rgb(214, 36, 40);
constexpr Colour steel = rgb(196, 200, 210);
constexpr Colour spark = rgb(255, 230, 80);
constexpr Colour base_grey = rgb(120, 124, 134);
constexpr Colour button_red = rgb(226, 40, 36);

// The hook the magnet hangs from.
void paint_hook(cairo_t* cr)
{
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 11, 0);
        cairo_line_to(c, 11, 8);
    }, 2.0);
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, 11, 10, 3, 0, 2 * M_PI); }, steel, no_shade);
}

// The block the cable pays out over while the magnet is let down: a steel frame round a
// grooved wheel, hung on the crane's own cable.
void paint_pulley(cairo_t* cr)
{
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 11, 0);
        cairo_line_to(c, 11, 6);
    }, 2.0);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 2, 5, 18, 21, 4); }, steel, 2);
    draw_detail(cr, [](cairo_t* c) { cairo_arc(c, 11, 15.5, 6.5, 0, 2 * M_PI); }, rgb(92, 96, 110));
    dot(cr, 11, 15.5, 2, steel);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 11, 26);
        cairo_line_to(c, 11, 30);
    }, 1.2);
}

void paint_magnet(cairo_t* cr)
{
    paint_hook(cr);
    // The horseshoe: a thick U, open end down.
    PathMaker const shoe = [](cairo_t* c) {
        cairo_move_to(c, 2, 44);
        cairo_line_to(c, 2, 24);
        cairo_arc(c, 11, 24, 9, M_PI, 2 * M_PI);
        cairo_line_to(c, 20, 44);
        cairo_line_to(c, 15, 44);
        cairo_line_to(c, 15, 24);
        cairo_arc_negative(c, 11, 24, 4, 2 * M_PI, M_PI);
        cairo_line_to(c, 7, 44);
        cairo_close_path(c);
    };
    draw_shape(cr, shoe, magnet_red, 2);
    // The steel tips.
    for (double x : {2.0, 15.0})
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, 44, 5, 6); }, steel, no_shade);
    // Sparks below the tips.
    for (double x : {4.5, 17.5})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x - 2, 52);
            cairo_line_to(c, x, 54.5);
            cairo_line_to(c, x + 2, 52);
        }, 1.0, spark);
}

void paint_button(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 6, 56, 88, 38, 10); }, base_grey, 4, heavy_outline);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 50, 56, 38, 14); }, shade_of(button_red), no_shade, heavy_outline);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 14, 54);
        cairo_line_to(c, 14, 34);
        cairo_curve_to(c, 14, 14, 86, 14, 86, 34);
        cairo_line_to(c, 86, 54);
        cairo_curve_to(c, 86, 72, 14, 72, 14, 54);
        cairo_close_path(c);
    }, button_red, 6, heavy_outline);
    // The word the briefing calls it by, as on the regatta's button, and under it an arrow on
    // the base: click to lift.
    draw_shape(cr, [](cairo_t* c) { text_path(c, "Click", 20, 50, 55, 66); }, white, no_shade, 2.0);
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, {{50, 71}, {59, 80}, {54.5, 80}, {54.5, 90}, {45.5, 90}, {45.5, 80}, {41, 80}}); }, white, 1.4);
    dot(cr, 30, 28, 3, mix(button_red, white, 0.6));
}

}

platform::Drawing magnet()
{
    return {22, 55, paint_magnet};
}

platform::Drawing magnet_pulley()
{
    return {22, 55, paint_pulley};
}

platform::Drawing lift_button()
{
    return {100, 100, paint_button};
}

}
