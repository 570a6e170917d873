// The farmstead in the scenery's heavier line; the yard's small things in the sprite line.
#include "art/farmstead.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour wall = rgb(246, 238, 214);
constexpr Colour roof_red = rgb(186, 44, 40);
constexpr Colour window_blue = rgb(70, 110, 160);
constexpr Colour wood = rgb(150, 102, 58);
constexpr Colour path_sand = rgb(214, 186, 120);
constexpr Colour bush = rgb(64, 150, 56);
constexpr Colour straw = rgb(236, 202, 90);
constexpr Colour water = rgb(80, 160, 230);

constexpr double line = 2.5;

void paint_windmill(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{318, 140}, {336, 140}, {331, 70}, {323, 70}}); }, wood, 3, line);
    for (int i = 0; i < 4; ++i) {
        double const angle = 0.4 + i * M_PI / 2;
        draw_shape(cr, [=](cairo_t* c) {
            double const ca = std::cos(angle), sa = std::sin(angle);
            double const ca2 = std::cos(angle + 0.35), sa2 = std::sin(angle + 0.35);
            polygon_path(c, {{327, 70}, {327 + 34 * ca, 70 + 34 * sa}, {327 + 34 * ca2, 70 + 34 * sa2}});
        }, wall, no_shade, 1.6);
    }
    dot(cr, 327, 70, 3.5, ink);
}

void paint_house(cairo_t* cr)
{
    // The walls and the porch roof.
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 110, 70, 160, 92); }, wall, 5, line);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{96, 74}, {190, 20}, {284, 74}}); }, roof_red, 4, line);
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 178, 8, 16, 30); }, roof_red, 2, line);
    // Windows with their crosses, and the door.
    for (double x : {126.0, 226.0}) {
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, 92, 28, 26); }, window_blue, no_shade, 2);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + 14, 92);
            cairo_line_to(c, x + 14, 118);
            cairo_move_to(c, x, 105);
            cairo_line_to(c, x + 28, 105);
        }, 1.6, wall);
    }
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 176, 110, 28, 52); }, wood, 3, line);
    dot(cr, 198, 138, 2, ink);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{166, 112}, {214, 112}, {220, 102}, {160, 102}}); }, roof_red, no_shade, 2);
}

void paint_yard(cairo_t* cr)
{
    // The path from the door down through the yard, and bushes either side of the house.
    draw_shape(cr, [](cairo_t* c) {
        smooth_path(c, {{176, 162}, {204, 162}, {220, 220}, {236, 298}, {150, 298}, {170, 220}});
    }, path_sand, 3, 2);
    for (auto const& b : {Point {92, 150}, Point {72, 160}, Point {290, 154}, Point {30, 110}})
        draw_shape(cr, [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, b.x, b.y, 14, 0, 2 * M_PI);
            cairo_new_sub_path(c);
            cairo_arc(c, b.x + 14, b.y + 4, 11, 0, 2 * M_PI);
        }, bush, 3, line);
}

void paint_farmstead(cairo_t* cr)
{
    paint_windmill(cr);
    paint_house(cr);
    paint_yard(cr);
}

void paint_hay_bale(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 1.5, 2.5, 23, 15.5, 2.5); }, straw, 2);
    for (double x : {8.0, 17.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x, 3);
            cairo_line_to(c, x, 17.5);
        }, 1.2, wood);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 4, 8);
        cairo_line_to(c, 7, 7);
        cairo_move_to(c, 11, 12);
        cairo_line_to(c, 14, 11);
        cairo_move_to(c, 19, 8);
        cairo_line_to(c, 22, 9);
    }, 0.8, shade_of(straw));
}

void paint_trough(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{2, 5}, {38, 5}, {34, 17}, {6, 17}}); }, wood, 2);
    draw_detail(cr, [](cairo_t* c) { rounded_rect_path(c, 5, 5.5, 30, 3.5, 1.5); }, water);
    for (double x : {8.0, 30.0})
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, 17, 3, 4); }, shade_of(wood), no_shade);
}

}

platform::Drawing farmstead()
{
    return {400, 300, paint_farmstead};
}

platform::Drawing hay_bale()
{
    return {26, 20, paint_hay_bale};
}

platform::Drawing water_trough()
{
    return {40, 22, paint_trough};
}

}
