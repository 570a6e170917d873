// The Mecha Grawn: legs, tail, body, cannon and head in one palette; the hits tint it or wrap it
// in a force bubble; the wreck throws its parts out of the big explosion cloud.
#include "art/mecha_grawn.hpp"

#include "art/effects.hpp"

#include <cmath>

namespace art {
namespace {

constexpr double line = 2.4;

struct Palette {
    Colour plate;
    Colour dark;
    Colour joint;
    Colour eye;
    Colour hazard;
    Colour teeth;
};

constexpr Palette normal_palette {
    rgb(140, 112, 168), rgb(78, 62, 98), rgb(172, 176, 188), rgb(255, 40, 30), rgb(250, 198, 30), rgb(240, 236, 220),
};

Palette hull_hit_palette()
{
    constexpr Colour hit_red = rgb(255, 78, 62);
    Palette const n = normal_palette;
    return {mix(n.plate, hit_red, 0.7), mix(n.dark, hit_red, 0.6), mix(n.joint, hit_red, 0.6), white, mix(n.hazard, hit_red, 0.5), n.teeth};
}

void paint_leg(cairo_t* cr, Palette const& p, double hip_x, double knee_x, double foot_x)
{
    draw_shape(cr, [=](cairo_t* c) { polygon_path(c, {{hip_x - 11, 104}, {hip_x + 11, 104}, {knee_x + 9, 128}, {knee_x - 9, 128}}); },
        p.plate, 3, line);
    draw_shape(cr, [=](cairo_t* c) { polygon_path(c, {{knee_x - 8, 128}, {knee_x + 8, 128}, {foot_x + 7, 147}, {foot_x - 7, 147}}); },
        p.dark, 2, line);
    draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, knee_x, 128, 8, 0, 2 * M_PI); }, p.joint, no_shade, line);
    dot(cr, knee_x, 128, 2.4, ink);
    // The foot: a heavy plate with three claws to the front (left).
    draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, foot_x - 16, 146, 30, 10, 3); }, p.plate, 2, line);
    for (int i = 0; i < 3; ++i)
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{foot_x - 16, 148 + 2.6 * i}, {foot_x - 23, 150 + 2.6 * i}, {foot_x - 16, 151 + 2.6 * i}}); },
            p.teeth, 0.8);
}

void paint_tail(cairo_t* cr, Palette const& p)
{
    // Segments swept up and back behind the body.
    Point const segments[] = {{176, 84}, {187, 76}, {197, 66}, {205, 55}, {210, 44}};
    double radius = 9;
    for (auto const& s : segments) {
        draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, s.x, s.y, radius, 0, 2 * M_PI); }, p.plate, 2, line);
        dot(cr, s.x, s.y, 1.6, p.dark);
        radius -= 1.2;
    }
}

void body_path(cairo_t* cr)
{
    smooth_path(cr, {{56, 60}, {96, 40}, {150, 44}, {182, 70}, {178, 100}, {140, 112}, {86, 110}, {58, 92}});
}

void paint_body(cairo_t* cr, Palette const& p)
{
    draw_shape(cr, body_path, p.plate, 6, line);
    draw_inside(cr, body_path, [&] {
        // A hazard band round the belly and the seams between the plates.
        cairo_new_path(cr);
        cairo_rectangle(cr, 40, 96, 160, 8);
        set_colour(cr, p.hazard);
        cairo_fill(cr);
        for (double x = 40; x < 200; x += 10) {
            cairo_new_path(cr);
            polygon_path(cr, {{x, 104}, {x + 5, 104}, {x + 11, 96}, {x + 6, 96}});
            set_colour(cr, ink);
            cairo_fill(cr);
        }
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 110, 40);
            cairo_curve_to(c, 104, 60, 104, 80, 110, 112);
            cairo_move_to(c, 148, 44);
            cairo_curve_to(c, 142, 64, 142, 84, 150, 112);
        }, 1.6, p.dark);
    });
    for (double x : {70.0, 96.0, 124.0, 160.0})
        for (double y : {58.0, 84.0})
            dot(cr, x + (y > 70 ? 4 : 0), y, 1.6, p.dark);
}

void paint_cannon(cairo_t* cr, Palette const& p)
{
    // Mounted on the back, pointing the way it walks.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 112, 22, 40, 24, 5); }, p.dark, 3, line);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 40, 27, 80, 11, 3); }, p.joint, 2, line);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 34, 24, 12, 17, 3); }, p.dark, no_shade, line);
    dot(cr, 37, 32.5, 3, ink);
    for (double x : {64.0, 88.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x, 27);
            cairo_line_to(c, x, 38);
        }, 1.4, p.dark);
}

void head_path(cairo_t* cr)
{
    // A wolfish steel head with its long snout to the left and two pointed ears behind.
    cairo_move_to(cr, 62, 52);
    cairo_line_to(cr, 58, 30);
    cairo_line_to(cr, 48, 44);
    cairo_line_to(cr, 40, 26);
    cairo_line_to(cr, 32, 46);
    cairo_curve_to(cr, 24, 50, 14, 58, 6, 64);
    cairo_line_to(cr, 8, 74);
    cairo_line_to(cr, 30, 78);
    cairo_curve_to(cr, 44, 84, 60, 84, 70, 74);
    cairo_close_path(cr);
}

void paint_head(cairo_t* cr, Palette const& p)
{
    draw_shape(cr, head_path, p.plate, 4, line);
    // The open jaw with steel teeth.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{10, 74}, {34, 78}, {30, 88}, {14, 82}}); }, p.dark, no_shade, line);
    for (int i = 0; i < 4; ++i) {
        double const x = 14 + 5 * i;
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{x, 74.5 + 0.8 * i}, {x + 4, 75 + 0.8 * i}, {x + 2, 80 + 0.8 * i}}); }, p.teeth, 0.7);
    }
    // The visor and its red eye, glowing.
    draw_detail(cr, [](cairo_t* c) { rounded_rect_path(c, 30, 52, 22, 9, 3); }, ink);
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, 38, 56.5, 8, 0, 2 * M_PI);
    set_colour(cr, p.eye, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    dot(cr, 38, 56.5, 3.4, p.eye);
    dot(cr, 37, 55.5, 1.1, white);
    // Bolts at the jaw's hinge and a vent on the cheek.
    dot(cr, 62, 68, 2.4, p.joint);
    dot(cr, 62, 68, 1, ink);
    for (double y : {62.0, 66.0, 70.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, 46, y + 2);
            cairo_line_to(c, 54, y);
        }, 1.2, p.dark);
}

void paint_mecha(cairo_t* cr, Palette const& p)
{
    paint_tail(cr, p);
    paint_leg(cr, p, 148, 154, 150);
    paint_body(cr, p);
    paint_leg(cr, p, 94, 88, 92);
    paint_cannon(cr, p);
    paint_head(cr, p);
}

// A blue force bubble round the whole machine, brightest where the shot struck.
void paint_shield(cairo_t* cr)
{
    constexpr Colour force = rgb(80, 190, 255);
    cairo_save(cr);
    cairo_new_path(cr);
    ellipse_path(cr, 109, 82, 106, 76);
    set_colour(cr, force, 0.22);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    set_colour(cr, force, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The spark where the shot hit the shield.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 96, 6);
    for (int i = 1; i < 12; ++i) {
        double const angle = -M_PI / 2 + i * M_PI / 6;
        double const r = i % 2 ? 5 : 12;
        cairo_line_to(cr, 96 + r * std::cos(angle), 18 + r * std::sin(angle));
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
    Palette const& p = normal_palette;
    explosion(mecha_wreck_size).paint(cr);
    auto const thrown = [&](Point at, double turn, double scale, auto const& paint) {
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_rotate(cr, turn);
        cairo_scale(cr, scale, scale);
        paint();
        cairo_restore(cr);
    };
    // The head, knocked off and spinning, its eye gone dark.
    thrown({24, 22}, -0.5, 0.55, [&] {
        cairo_translate(cr, -38, -56);
        Palette dead = p;
        dead.eye = rgb(80, 30, 30);
        paint_head(cr, dead);
    });
    // The cannon barrel.
    thrown({118, 24}, 0.6, 0.6, [&] {
        cairo_translate(cr, -80, -32);
        draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 40, 27, 80, 11, 3); }, p.joint, 2, line);
    });
    // A foot and a tail segment.
    thrown({120, 122}, -0.3, 0.7, [&] {
        draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, -15, -5, 30, 10, 3); }, p.plate, 2, line);
    });
    thrown({28, 126}, 0, 1, [&] { draw_shape(cr, [](cairo_t* c) { cairo_arc(c, 0, 0, 7, 0, 2 * M_PI); }, p.plate, 2, line); });
}

}

platform::Drawing mecha_grawn(MechaLook look)
{
    Palette const palette = look == MechaLook::hull_hit ? hull_hit_palette() : normal_palette;
    return {mecha_width, mecha_height, [palette, look](cairo_t* cr) {
                paint_mecha(cr, palette);
                if (look == MechaLook::shield_hit)
                    paint_shield(cr);
            }};
}

platform::Drawing mecha_wreck()
{
    return {mecha_wreck_size, mecha_wreck_size, paint_wreck};
}

}
