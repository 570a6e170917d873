// The Big Bad Grawn: the first Mecha Grawn's drawing scaled up, with a pair of striding legs of
// its own for the walk and a dome of force over it while its shields are up.
#include "art/big_mecha.hpp"

#include "art/mecha_grawn.hpp"

#include <cmath>
#include <utility>

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
// The same blue as the first Mecha Grawn's force bubble.
constexpr Colour force = rgb(80, 190, 255);

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

// A honeycomb of faint cells, the force field's weave, over the whole picture.
void paint_weave(cairo_t* cr)
{
    constexpr double cell = 9;
    double const rise = cell * std::sqrt(3.0) / 2;
    cairo_new_path(cr);
    for (int row = 0; row * rise < mecha_height + rise; ++row)
        for (int column = 0; column * cell * 1.5 < mecha_width + cell; ++column) {
            double const x = column * cell * 1.5;
            double const y = row * 2 * rise + (column % 2) * rise;
            cairo_move_to(cr, x + cell, y);
            for (int corner = 1; corner < 6; ++corner)
                cairo_line_to(cr, x + cell * std::cos(corner * M_PI / 3), y + cell * std::sin(corner * M_PI / 3));
            cairo_close_path(cr);
        }
    cairo_set_line_width(cr, 0.8);
    set_colour(cr, mix(force, white, 0.6), 0.55);
    cairo_stroke(cr);
}

// The shields hug the machine: a blue glow spreading round its outline (its shape stamped in
// rings of growing offset, fainter outwards) and a sheen of the force's weave over its plates.
void paint_shielded(cairo_t* cr, platform::Painter const& machine)
{
    cairo_push_group(cr);
    machine(cr);
    cairo_pattern_t* const shape = cairo_pop_group(cr);
    constexpr int directions = 16;
    for (auto const& [reach, strength] : {std::pair {6.0, 0.10}, std::pair {4.0, 0.16}, std::pair {2.0, 0.30}})
        for (int i = 0; i < directions; ++i) {
            double const angle = i * 2 * M_PI / directions;
            cairo_save(cr);
            cairo_translate(cr, reach * std::cos(angle), reach * std::sin(angle));
            set_colour(cr, force, strength);
            cairo_mask(cr, shape);
            cairo_restore(cr);
        }
    cairo_set_source(cr, shape);
    cairo_paint(cr);
    cairo_push_group(cr);
    set_colour(cr, force, 0.22);
    cairo_paint(cr);
    paint_weave(cr);
    cairo_pattern_t* const sheen = cairo_pop_group(cr);
    cairo_set_source(cr, sheen);
    cairo_mask(cr, shape);
    cairo_pattern_destroy(sheen);
    cairo_pattern_destroy(shape);
}

}

platform::Drawing big_mecha_grawn(BigMechaLook look, Shields shields)
{
    return {big_mecha_width, big_mecha_height, [look, shields](cairo_t* cr) {
                cairo_scale(cr, double(big_mecha_width) / mecha_width, double(big_mecha_height) / mecha_height);
                platform::Painter const machine = look == BigMechaLook::striding
                    ? platform::Painter {paint_striding}
                    : mecha_grawn(look == BigMechaLook::hit ? MechaLook::hull_hit : MechaLook::normal).paint;
                if (shields == Shields::up)
                    paint_shielded(cr, machine);
                else
                    machine(cr);
            }};
}

}
