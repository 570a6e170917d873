// The Mecha Grawn's looks in the fight: the machine as the barn scene draws it, tinted red or
// wrapped in its force bubble when hit; the wreck throws its head out of the big explosion cloud.
#include "art/mecha_grawn.hpp"

#include "art/effects.hpp"
#include "art/mecha_attack.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour hit_red = rgb(255, 60, 44);
constexpr Colour force = rgb(80, 190, 255);

// The machine as a mask, so that a tint lands on it and nowhere else.
cairo_pattern_t* machine_pattern(cairo_t* cr)
{
    cairo_push_group(cr);
    mecha_grawn(Facing::left).paint(cr);
    return cairo_pop_group(cr);
}

void paint_hull_hit(cairo_t* cr)
{
    cairo_pattern_t* const machine = machine_pattern(cr);
    cairo_set_source(cr, machine);
    cairo_paint(cr);
    set_colour(cr, hit_red, 0.55);
    cairo_mask(cr, machine);
    cairo_pattern_destroy(machine);
}

// A blue force bubble round the whole machine, with a spark where the shot struck it.
void paint_shield_hit(cairo_t* cr)
{
    mecha_grawn(Facing::left).paint(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    ellipse_path(cr, 109, 80, 106, 77);
    set_colour(cr, force, 0.22);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    set_colour(cr, force, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 100, 8);
    for (int i = 1; i < 12; ++i) {
        double const angle = -M_PI / 2 + i * M_PI / 6;
        double const r = i % 2 ? 5 : 12;
        cairo_line_to(cr, 100 + r * std::cos(angle), 20 + r * std::sin(angle));
    }
    cairo_close_path(cr);
    set_colour(cr, white);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    set_colour(cr, force);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void paint_wreck(cairo_t* cr)
{
    explosion(mecha_wreck_size).paint(cr);
    // The head, torn off at the neck and tumbling out of the top left of the cloud.
    cairo_save(cr);
    cairo_translate(cr, 30, 34);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 0.6, 0.6);
    cairo_translate(cr, -40, -45);
    cairo_rectangle(cr, 0, 0, 72, 85);
    cairo_clip(cr);
    mecha_grawn(Facing::left).paint(cr);
    cairo_restore(cr);
    // A leg and the tail's tip, thrown the other ways.
    cairo_save(cr);
    cairo_translate(cr, 118, 118);
    cairo_rotate(cr, 0.9);
    cairo_scale(cr, 0.55, 0.55);
    cairo_translate(cr, -130, -130);
    cairo_rectangle(cr, 100, 100, 60, 59);
    cairo_clip(cr);
    mecha_grawn(Facing::left).paint(cr);
    cairo_restore(cr);
    for (Point bolt : {Point {80, 8}, Point {142, 50}, Point {8, 96}, Point {64, 142}})
        draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, bolt.x - 2.5, bolt.y - 2.5, 5, 5, 1); }, rgb(94, 96, 112), no_shade, 1.2);
}

}

platform::Drawing mecha_grawn(MechaLook look)
{
    switch (look) {
    case MechaLook::shield_hit:
        return {mecha_width, mecha_height, paint_shield_hit};
    case MechaLook::hull_hit:
        return {mecha_width, mecha_height, paint_hull_hit};
    case MechaLook::normal:
        break;
    }
    return mecha_grawn(Facing::left);
}

platform::Drawing mecha_wreck()
{
    return {mecha_wreck_size, mecha_wreck_size, paint_wreck};
}

}
