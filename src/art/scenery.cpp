// Tree, barn and cloud in the cartoon style, with heavier outlines for the big pictures.
#include "art/scenery.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour bark = rgb(126, 84, 48);
constexpr Colour leaves = rgb(78, 168, 58);
constexpr Colour barn_red = rgb(196, 42, 36);
constexpr Colour roof = rgb(88, 78, 86);
constexpr Colour trim = rgb(246, 242, 230);
constexpr Colour glass = rgb(44, 52, 70);
constexpr Colour straw = rgb(240, 206, 90);
constexpr Colour cloud_white = rgb(252, 252, 255);

constexpr double scenery_line = 2.5;

void paint_tree(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 28, 158.5);
        cairo_curve_to(c, 36, 154, 39, 148, 39.5, 138);
        cairo_line_to(c, 40, 92);
        cairo_line_to(c, 50, 92);
        cairo_line_to(c, 50.5, 138);
        cairo_curve_to(c, 51, 148, 54, 154, 62, 158.5);
        cairo_close_path(c);
    }, bark, 3, scenery_line);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 43, 108);
        cairo_line_to(c, 43.6, 124);
        cairo_move_to(c, 47, 130);
        cairo_line_to(c, 46.6, 146);
    }, 1.2, shade_of(bark));
    // The crown: one outline around a bunch of round clumps.
    PathMaker const crown = [](cairo_t* c) {
        double const clumps[][3] = {{45, 52, 30}, {23, 68, 19}, {67, 68, 19}, {28, 38, 18}, {62, 38, 18}, {45, 23, 20},
            {45, 84, 20}, {30, 86, 14}, {60, 86, 14}};
        for (auto const& clump : clumps) {
            cairo_new_sub_path(c);
            cairo_arc(c, clump[0], clump[1], clump[2], 0, 2 * M_PI);
        }
    };
    draw_shape(cr, crown, leaves, 6, scenery_line);
    // Leafy tufts inside the crown, as short arcs.
    stroke_line(cr, [](cairo_t* c) {
        double const tufts[][2] = {{34, 30}, {56, 46}, {30, 62}, {52, 70}, {66, 58}, {40, 82}, {22, 76}};
        for (auto const& tuft : tufts) {
            cairo_new_sub_path(c);
            cairo_arc(c, tuft[0], tuft[1], 5, 0.3, 2.6);
        }
    }, 1.3, shade_of(leaves));
}

void paint_barn(cairo_t* cr)
{
    // Front wall under a gambrel roof, with vertical planks.
    PathMaker const wall = [](cairo_t* c) {
        polygon_path(c, {{40, 222}, {40, 104}, {64, 60}, {150, 24}, {236, 60}, {260, 104}, {260, 222}});
    };
    draw_shape(cr, wall, barn_red, 6, heavy_outline);
    draw_inside(cr, wall, [cr] {
        set_colour(cr, shade_of(barn_red));
        cairo_set_line_width(cr, 1.4);
        for (double x = 52; x < 260; x += 13) {
            cairo_move_to(cr, x, 20);
            cairo_line_to(cr, x, 222);
        }
        cairo_stroke(cr);
    });
    // White corner boards.
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 40, 104, 9, 118); }, trim, no_shade, 1.6);
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 251, 104, 9, 118); }, trim, no_shade, 1.6);
    // The roof: a band along the top of the wall, overhanging it.
    draw_shape(cr, [](cairo_t* c) {
        polygon_path(c, {{24, 110}, {52, 52}, {150, 8}, {248, 52}, {276, 110}, {262, 112}, {236, 64}, {150, 28}, {64, 64}, {38, 112}});
    }, roof, 3, heavy_outline);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 31, 102);
        cairo_line_to(c, 57, 53);
        cairo_line_to(c, 150, 14);
        cairo_line_to(c, 243, 53);
        cairo_line_to(c, 269, 102);
    }, 1.2, mix(roof, white, 0.3));
    // Weathervane on the ridge.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 150, 9);
        cairo_line_to(c, 150, 1.5);
        cairo_move_to(c, 140, 3.5);
        cairo_line_to(c, 160, 3.5);
    }, 1.6);
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, {{160, 3.5}, {155.5, 0.8}, {155.5, 6.2}}); }, ink);

    // A framed door or window with a white X brace.
    auto braced = [cr](double x, double y, double w, double h) {
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, y, w, h); }, trim, no_shade, 1.6);
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x + 6, y + 6, w - 12, h - 12); }, barn_red, 3, 1.2);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + 6, y + 6);
            cairo_line_to(c, x + w - 6, y + h - 6);
            cairo_move_to(c, x + w - 6, y + 6);
            cairo_line_to(c, x + 6, y + h - 6);
        }, 7);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + 6, y + 6);
            cairo_line_to(c, x + w - 6, y + h - 6);
            cairo_move_to(c, x + w - 6, y + 6);
            cairo_line_to(c, x + 6, y + h - 6);
        }, 4.6, trim);
    };
    // Hayloft door with straw sticking out, the pulley beam above it.
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 144, 44, 12, 10); }, rgb(150, 110, 70), no_shade, 1.4);
    braced(128, 62, 44, 44);
    draw_shape(cr, [](cairo_t* c) {
        polygon_path(c, {{132, 106}, {136, 98}, {139, 104}, {144, 96}, {148, 104}, {153, 97}, {157, 104}, {162, 99}, {168, 106}});
    }, straw, no_shade, 1.2);
    // Big double door.
    braced(98, 130, 52, 92);
    braced(150, 130, 52, 92);
    draw_shape(cr, [](cairo_t* c) { cairo_rectangle(c, 96, 124, 108, 8); }, trim, no_shade, 1.6);
    // Windows either side.
    for (double x : {60.0, 214.0}) {
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, 142, 26, 26); }, trim, no_shade, 1.6);
        draw_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x + 4, 146, 18, 18); }, glass, no_shade, 1.0);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + 13, 146);
            cairo_line_to(c, x + 13, 164);
            cairo_move_to(c, x + 4, 155);
            cairo_line_to(c, x + 22, 155);
        }, 2.4, trim);
    }
}

void paint_cloud(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) {
        double const puffs[][3] = {{9, 18.5, 6.5}, {15.5, 12.5, 8}, {23, 16, 6.5}, {16, 20, 6}};
        for (auto const& puff : puffs) {
            cairo_new_sub_path(c);
            cairo_arc(c, puff[0], puff[1], puff[2], 0, 2 * M_PI);
        }
        rounded_rect_path(c, 3.5, 16, 25.5, 9.5, 4.7);
    }, cloud_white, 2.2);
}

}

platform::Drawing tree()
{
    return {90, 160, paint_tree};
}

platform::Drawing barn()
{
    return {300, 225, paint_barn};
}

platform::Drawing cloud()
{
    return {32, 32, paint_cloud};
}

}
