// The cave and the traps, in the scenery's heavier line for the cave and the sprite line for the
// traps.
#include "art/forest_base.hpp"

#include "art/effects.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour rock = rgb(128, 120, 112);
constexpr Colour moss = rgb(92, 150, 60);
constexpr Colour dark = rgb(30, 24, 28);
constexpr Colour bone = rgb(238, 230, 206);
// The field under the forest is (0, 128, 0); its grass grows a shade either side of it.
constexpr Colour grass_dark = rgb(20, 112, 24);
constexpr Colour grass_light = rgb(64, 160, 48);
constexpr Colour shadow_green = rgb(0, 96, 0);
constexpr Colour soil = rgb(92, 70, 40);
constexpr Colour steel = rgb(184, 188, 198);
constexpr Colour bang = rgb(255, 206, 40);

constexpr double cave_line = 2.5;

void paint_cave(cairo_t* cr)
{
    // The outcrop: one rounded heap of boulders.
    PathMaker const heap = [](cairo_t* c) {
        smooth_path(c, {{6, 122}, {14, 70}, {48, 30}, {96, 10}, {150, 8}, {200, 26}, {236, 64}, {245, 122}});
    };
    draw_shape(cr, heap, rock, 8, cave_line);
    // Cracks between the boulders.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 60, 36);
        cairo_line_to(c, 70, 62);
        cairo_move_to(c, 176, 20);
        cairo_line_to(c, 168, 48);
        cairo_line_to(c, 182, 66);
        cairo_move_to(c, 30, 80);
        cairo_line_to(c, 48, 92);
        cairo_move_to(c, 214, 82);
        cairo_line_to(c, 228, 100);
    }, 1.6, shade_of(rock));
    // Moss along the top.
    draw_inside(cr, heap, [&] {
        cairo_new_path(cr);
        smooth_path(cr, {{30, 46}, {70, 18}, {130, 6}, {190, 16}, {230, 50}, {200, 34}, {140, 22}, {80, 30}});
        set_colour(cr, moss);
        cairo_fill(cr);
    });
    // The cave mouth.
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 82, 123);
        cairo_curve_to(c, 80, 70, 104, 50, 126, 50);
        cairo_curve_to(c, 150, 50, 172, 70, 170, 123);
        cairo_close_path(c);
    }, dark, no_shade, cave_line);
    // Two glints of eyes in the dark, and bones at the door.
    dot(cr, 116, 86, 2.2, rgb(250, 220, 60));
    dot(cr, 130, 86, 2.2, rgb(250, 220, 60));
    for (double x : {64.0, 186.0}) {
        draw_detail(cr, [=](cairo_t* c) { rounded_rect_path(c, x - 9, 114, 18, 4, 2); }, bone);
        draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, x - 9, 116, 3, 0, 2 * M_PI); }, bone);
        draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, x + 9, 116, 3, 0, 2 * M_PI); }, bone);
    }
}

// The steel jaws: a row of teeth along an arc, open or shut.
void jaws(cairo_t* cr, double centre_y, double gap)
{
    for (double side : {-1.0, 1.0}) {
        draw_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, 6, centre_y);
            for (int i = 0; i < 6; ++i) {
                double const x = 8 + 4.4 * i;
                cairo_line_to(c, x + 2.2, centre_y + side * (gap + 4));
                cairo_line_to(c, x + 4.4, centre_y + side * gap);
            }
            cairo_line_to(c, 32, centre_y);
            cairo_close_path(c);
        }, steel, no_shade, outline);
    }
}

// A clump of grass like any other on the forest floor: a shadow at its foot, dark blades
// behind, light ones in front, a clover flower.
void paint_tuft(cairo_t* cr)
{
    cairo_new_path(cr);
    ellipse_path(cr, 19, 32, 15, 3.6);
    set_colour(cr, shadow_green);
    cairo_fill(cr);
    draw_shape(cr, [](cairo_t* c) {
        polygon_path(c, {{5, 33}, {6, 22}, {9, 29}, {12, 16}, {15, 28}, {19, 13}, {22, 27}, {26, 17}, {28, 28}, {32, 21}, {33, 33}});
    }, grass_dark, no_shade, fine_line);
    draw_shape(cr, [](cairo_t* c) {
        polygon_path(c, {{8, 34}, {10, 25}, {13, 31}, {16, 21}, {19, 30}, {23, 22}, {25, 31}, {29, 26}, {30, 34}});
    }, grass_light, 1.2, fine_line);
    dot(cr, 27, 24, 1.8, white);
    dot(cr, 27, 24, 0.7, rgb(250, 214, 60));
}

void paint_set_trap(cairo_t* cr)
{
    // The same clump, but at its foot the tips of steel teeth peep out between the blades, and
    // the soil round it is freshly turned.
    cairo_new_path(cr);
    ellipse_path(cr, 19, 33, 16, 4);
    set_colour(cr, soil, 0.55);
    cairo_fill(cr);
    paint_tuft(cr);
    for (double x : {11.5, 20.5, 28.5})
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{x - 1.7, 34.4}, {x, 30.6}, {x + 1.7, 34.4}}); }, steel, 0.6);
}

void paint_sprung_trap(cairo_t* cr)
{
    // A bang behind the shut jaws, leaves flying.
    PathMaker const burst = [](cairo_t* c) {
        cairo_move_to(c, 19, 1);
        for (int i = 1; i < 16; ++i) {
            double const angle = -M_PI / 2 + i * M_PI / 8;
            double const r = i % 2 ? 9 : 18;
            cairo_line_to(c, 19 + r * std::cos(angle), 19 + r * std::sin(angle));
        }
        cairo_close_path(c);
    };
    draw_shape(cr, burst, bang, no_shade, outline);
    jaws(cr, 26, 0.5);
    // Torn blades of the clump that hid it, flying.
    for (auto const& l : {Point {6, 8}, Point {33, 10}, Point {4, 30}, Point {34, 32}})
        draw_shape(cr, [=](cairo_t* c) { polygon_path(c, {{l.x - 3, l.y + 2}, {l.x + 0.5, l.y - 3}, {l.x + 3, l.y + 1.5}}); }, grass_light, no_shade,
            fine_line);
}

}

platform::Drawing cave()
{
    return {250, 125, paint_cave};
}

platform::Drawing grass_tuft()
{
    return {38, 38, paint_tuft};
}

platform::Drawing trap(TrapState state)
{
    return {38, 38, state == TrapState::set ? paint_set_trap : paint_sprung_trap};
}

}
