// Raved is the farm's sheep with a glow or a tint laid over it, so that it stays recognisably
// the same animal in every look.
#include "art/raved.hpp"

#include "art/farm_animals.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour glow = rgb(120, 255, 90);
constexpr Colour dark_wool = rgb(70, 36, 96);
constexpr Colour evil_red = rgb(255, 30, 30);
constexpr Colour horn = rgb(230, 220, 190);
constexpr Colour rock = rgb(120, 116, 112);
constexpr Colour crystal = rgb(90, 230, 120);

// The eye of the farm's sheep, facing right.
constexpr Point eye { 29.5, 13.6 };

void paint_raved(cairo_t* cr, RavedLook look)
{
    if (look == RavedLook::glowing) {
        cairo_save(cr);
        cairo_new_path(cr);
        ellipse_path(cr, 17.5, 19, 17, 15);
        set_colour(cr, glow, 0.35);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_push_group(cr);
    sheep(Facing::right).paint(cr);
    cairo_pattern_t* const body = cairo_pop_group(cr);
    cairo_set_source(cr, body);
    cairo_paint(cr);
    if (look == RavedLook::changed) {
        // The fleece darkens where the sheep is, nowhere else.
        set_colour(cr, dark_wool, 0.6);
        cairo_mask(cr, body);
        for (double x : {25.5, 29.5})
            draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{x - 1.6, 9}, {x + 1.6, 9}, {x + 1.2, 4}}); }, horn, 0.7);
    }
    cairo_pattern_destroy(body);
    if (look != RavedLook::plain) {
        Colour const lit = look == RavedLook::glowing ? glow : evil_red;
        cairo_save(cr);
        cairo_new_path(cr);
        cairo_arc(cr, eye.x, eye.y, 3.2, 0, 2 * M_PI);
        set_colour(cr, lit, 0.45);
        cairo_fill(cr);
        cairo_restore(cr);
        dot(cr, eye.x, eye.y, 1.5, lit);
    }
}

void paint_stone(cairo_t* cr)
{
    // The glow on the ground, the rock, then the crystals out of its top.
    cairo_save(cr);
    cairo_new_path(cr);
    ellipse_path(cr, 35, 36, 33, 8);
    set_colour(cr, glow, 0.3);
    cairo_fill(cr);
    cairo_restore(cr);
    draw_shape(cr, [](cairo_t* c) { smooth_path(c, {{8, 40}, {12, 28}, {26, 22}, {46, 22}, {60, 30}, {62, 40}}); }, rock, 3, 2);
    struct Crystal {
        double x, lean, height, width;
    };
    for (auto const& k : {Crystal {24, -6, 20, 7}, Crystal {34, 0, 24, 8}, Crystal {44, 5, 17, 7}, Crystal {51, 8, 11, 5}}) {
        draw_shape(cr, [=](cairo_t* c) {
            polygon_path(c, {{k.x - k.width / 2, 28}, {k.x - k.width / 2 + k.lean * 0.8, 28 - k.height * 0.75}, {k.x + k.lean, 28 - k.height},
                {k.x + k.width / 2 + k.lean * 0.8, 28 - k.height * 0.75}, {k.x + k.width / 2, 28}});
        }, crystal, 2, 1.5);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, k.x - 1, 26);
            cairo_line_to(c, k.x + k.lean * 0.7 - 1, 28 - k.height * 0.7);
        }, 1.1, mix(crystal, white, 0.7));
    }
}

}

platform::Drawing raved(RavedLook look)
{
    return {35, 35, [look](cairo_t* cr) { paint_raved(cr, look); }};
}

platform::Drawing big_raved()
{
    return {245, 245, [](cairo_t* cr) {
                cairo_save(cr);
                cairo_new_path(cr);
                ellipse_path(cr, 122, 135, 120, 105);
                set_colour(cr, glow, 0.25);
                cairo_fill(cr);
                cairo_restore(cr);
                // The small sheep's drawing at seven times its size: the same animal, grown.
                cairo_scale(cr, 7, 7);
                paint_raved(cr, RavedLook::changed);
            }};
}

platform::Drawing strange_stone()
{
    return {70, 45, paint_stone};
}

}
