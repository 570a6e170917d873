// The Big Bad Grawn: the first Mecha Grawn's drawing scaled up, with a pair of striding legs of
// its own for the walk.
#include "art/big_mecha.hpp"

#include "art/mecha_grawn.hpp"

#include <cmath>

namespace art {
namespace {

constexpr double line = 2.4;
// Where the legs leave the body, in the first Mecha Grawn's own coordinates.
constexpr double hip_line = 113;

// The first Mecha Grawn's steel, so that the striding legs match its standing ones.
constexpr Colour plate = rgb(170, 176, 190);
constexpr Colour dark = rgb(94, 96, 112);
constexpr Colour joint = rgb(64, 62, 74);
constexpr Colour claw = rgb(232, 236, 242);

// One leg from hip to knee to foot; the foot's plate tilts with the shin.
void paint_striding_leg(cairo_t* cr, Point hip, Point knee, Point foot, double tilt)
{
    draw_shape(cr, [=](cairo_t* c) { polygon_path(c, {{hip.x - 11, hip.y}, {hip.x + 11, hip.y}, {knee.x + 9, knee.y}, {knee.x - 9, knee.y}}); }, plate, 3,
        line);
    draw_shape(cr, [=](cairo_t* c) { polygon_path(c, {{knee.x - 8, knee.y}, {knee.x + 8, knee.y}, {foot.x + 7, foot.y}, {foot.x - 7, foot.y}}); }, dark, 2,
        line);
    draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, knee.x, knee.y, 8, 0, 2 * M_PI); }, joint, no_shade, line);
    dot(cr, knee.x, knee.y, 2.4, ink);
    cairo_save(cr);
    cairo_translate(cr, foot.x, foot.y + 4);
    cairo_rotate(cr, tilt);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, -16, -5, 30, 10, 3); }, plate, 2, line);
    for (int i = 0; i < 3; ++i)
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{-16, -3 + 2.6 * i}, {-23, -1 + 2.6 * i}, {-16, 2.6 * i}}); }, claw, 0.8);
    cairo_restore(cr);
}

void paint_striding(cairo_t* cr)
{
    // The back leg pushes off behind the body, the body without its standing legs goes over it,
    // and the front leg swings forward, its foot lifted.
    paint_striding_leg(cr, {148, 106}, {166, 128}, {176, 146}, 0.15);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, mecha_width, hip_line);
    cairo_clip(cr);
    mecha_grawn(MechaLook::normal).paint(cr);
    cairo_restore(cr);
    paint_striding_leg(cr, {94, 106}, {74, 122}, {62, 138}, -0.25);
}

}

platform::Drawing big_mecha_grawn(BigMechaLook look)
{
    return {big_mecha_width, big_mecha_height, [look](cairo_t* cr) {
                cairo_scale(cr, double(big_mecha_width) / mecha_width, double(big_mecha_height) / mecha_height);
                if (look == BigMechaLook::striding)
                    paint_striding(cr);
                else
                    mecha_grawn(look == BigMechaLook::hit ? MechaLook::hull_hit : MechaLook::normal).paint(cr);
            }};
}

}
