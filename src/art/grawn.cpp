// Grawn and S-Grawn: one parametric beast, drawn facing right; the mutation frames change its
// colour, spines, eyes and bulk.
#include "art/grawn.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour grawn_fur = rgb(124, 90, 152);
constexpr Colour mutant_fur = rgb(150, 196, 44);
constexpr Colour maw = rgb(150, 16, 30);
constexpr Colour angry_yellow = rgb(255, 214, 0);
constexpr Colour glow_green = rgb(120, 255, 80);
constexpr Colour bone = rgb(240, 234, 206);

struct Look {
    Colour fur = grawn_fur;
    Colour eye = angry_yellow;
    double eye_glow = 0;  // 0: none, 1: a full halo
    double bristle = 2.4;  // length of the fur spikes along the back
    double spines = 0;  // length of the bone spines growing out of the back
    double bulk = 1.0;  // scale of the chest and shoulders
    int patches = 0;  // blotches of mutant colour breaking out on the body, 0 to 4
};

Look look_of(Mutation mutation)
{
    switch (mutation) {
    case Mutation::stirring:
        return {grawn_fur, glow_green, 0.7, 2.6, 3.0, 1.0, 2};
    case Mutation::swelling:
        return {grawn_fur, glow_green, 0.9, 2.8, 5.0, 1.05, 4};
    case Mutation::mutated:
        return {mutant_fur, glow_green, 1.0, 3.0, 7.0, 1.1, 0};
    }
    return {};
}

// A point on the line of the back, from the rump (t = 0) to the shoulders (t = 1).
Point back_at(double t)
{
    double const u = 1 - t;
    return {u * u * 4.5 + 2 * u * t * 10 + t * t * 21.5, u * u * 19 + 2 * u * t * 9.5 + t * t * 9.5};
}

void body_path(cairo_t* cr, Look const& look)
{
    // Bristling back: alternate points on the back line and swept-back fur tips above it.
    int const tufts = 5;
    cairo_move_to(cr, 5, 26);
    cairo_line_to(cr, 3.8, 20);
    for (int i = 0; i < tufts; ++i) {
        Point const base = back_at((i + 0.0) / tufts);
        Point const tip = back_at((i + 0.7) / tufts);
        cairo_line_to(cr, base.x, base.y);
        cairo_line_to(cr, tip.x - 1.4, tip.y - look.bristle);
    }
    Point const shoulder = back_at(1);
    cairo_line_to(cr, shoulder.x, shoulder.y);
    cairo_line_to(cr, 25.5 * look.bulk - 0.5, 16);
    cairo_line_to(cr, 25 * look.bulk - 0.5, 23);
    cairo_line_to(cr, 19, 25.5);
    cairo_line_to(cr, 11, 26.5);
    cairo_close_path(cr);
}

// A leg from `top` down to the paw, `bend` pushing the knee back (hind legs), with three hooked
// white claws at the front of the paw.
void paint_leg(cairo_t* cr, double x, double top, double bend, Colour fur)
{
    draw_shape(cr, [=](cairo_t* c) {
        polygon_path(c, {{x - 0.4, top}, {x + 5.4, top}, {x + 5 - bend * 0.3, 26}, {x + 4.8, 32.6}, {x + 0.2, 32.6},
            {x + 0.4 - bend, 27}});
    }, fur, 1.5);
    for (int i = 0; i < 3; ++i) {
        double const cx = x + 3 + i * 1.5;
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{cx - 1, 31.2}, {cx + 1.8, 33.8}, {cx + 0.5, 30.4}}); }, bone, 0.6);
    }
}

void paint_beast(cairo_t* cr, Look const& look)
{
    Colour const far_fur = shade_of(look.fur);

    // Bushy tail, raised and bristling.
    draw_shape(cr, [](cairo_t* c) {
        polygon_path(c, {{6, 18}, {2.2, 15.5}, {0.6, 10}, {2.7, 11.2}, {1.8, 6}, {4.8, 9.6}, {5.6, 6.5}, {7, 12}, {8.2, 15}});
    }, look.fur, 1.2);
    paint_leg(cr, 9.5, 20.5, 1.5, far_fur);
    paint_leg(cr, 21, 19.5, 0, far_fur);
    PathMaker const body = [&look](cairo_t* c) { body_path(c, look); };
    draw_shape(cr, body, look.fur, 2.4);
    // The mutation breaking out: blotches of the new colour, then bone spines through the back.
    if (look.patches > 0) {
        draw_inside(cr, body, [cr, &look] {
            double const blotches[][3] = {{14, 17.5, 3.2}, {9, 15.5, 2.4}, {17, 22.6, 2.4}, {19, 13.4, 2}};
            set_colour(cr, mutant_fur);
            for (int i = 0; i < look.patches; ++i)
                ellipse_path(cr, blotches[i][0], blotches[i][1], blotches[i][2], blotches[i][2] * 0.8);
            cairo_fill(cr);
        });
    }
    if (look.spines > 0) {
        for (int i = 1; i < 5; ++i) {
            Point const base = back_at(i / 5.0);
            double const length = look.spines * (0.75 + 0.25 * std::sin(i * 1.3));
            draw_shape(cr, [=](cairo_t* c) {
                polygon_path(c, {{base.x - 1.6, base.y + 1.4}, {base.x - 1.8, base.y - length}, {base.x + 1.6, base.y + 1.2}});
            }, bone, no_shade, 1.0);
        }
    }
    paint_leg(cr, 5.5, 21, 2, look.fur);
    paint_leg(cr, 18, 20, 0, look.fur);

    // Head: a long snout with the jaws gaping, lowered to charge the way it runs.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{19, 10}, {19.2, 0.8}, {24.6, 6.4}}); }, look.fur, 1.0);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{20.4, 12.5}, {34, 12}, {33, 21.5}, {21.5, 19}}); }, maw, no_shade);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{21, 17.2}, {27, 19}, {33.2, 21.2}, {32.6, 23.6}, {25.5, 23.8}, {20.2, 21.4}}); },
        look.fur, 1.2);
    draw_shape(cr, [](cairo_t* c) {
        polygon_path(c, {{18.4, 9.8}, {22, 4.6}, {27, 5}, {31.5, 7.4}, {34.7, 9.8}, {34.6, 12.6}, {30, 13.3}, {24, 14.6}, {19.8, 15}});
    }, look.fur, 1.6);
    // Fangs: long ones down from the upper jaw, short ones up from the lower jaw.
    auto fang = [cr](double x, double root, double tip, double width) {
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{x - width / 2, root}, {x, tip}, {x + width / 2, root}}); }, bone, 0.6);
    };
    fang(27.4, 13.8, 19.4, 2.6);
    fang(32.2, 12.8, 17.4, 2.2);
    fang(24.6, 18.4, 14.8, 2.2);
    fang(30, 20.4, 16.4, 2.2);
    dot(cr, 34.3, 10.4, 1.4, ink);

    // An angry slanted eye under a heavy brow.
    if (look.eye_glow > 0) {
        cairo_save(cr);
        cairo_pattern_t* halo = cairo_pattern_create_radial(25.4, 9.4, 0.5, 25.4, 9.4, 5);
        cairo_pattern_add_color_stop_rgba(halo, 0, look.eye.red, look.eye.green, look.eye.blue, 0.9 * look.eye_glow);
        cairo_pattern_add_color_stop_rgba(halo, 1, look.eye.red, look.eye.green, look.eye.blue, 0);
        cairo_set_source(cr, halo);
        cairo_arc(cr, 25.4, 9.4, 5, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(halo);
        cairo_restore(cr);
    }
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, {{22.2, 7.4}, {28.8, 9.2}, {23.6, 11.6}}); }, look.eye, 0.7);
    dot(cr, 24.8, 9.5, 1, ink);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 21.4, 6);
        cairo_line_to(c, 29.4, 8.8);
    }, 1.6);
}

}

void paint_grawn_face(cairo_t* cr, Point centre, double size)
{
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, size, size);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{-9, -2}, {-8, -11}, {-3, -6}, {3, -6}, {8, -11}, {9, -2}, {6, 9}, {-6, 9}}); }, grawn_fur,
        1.5, 1.0);
    for (double side : {-1.0, 1.0}) {
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{side * 1.5, -2}, {side * 7, -4.5}, {side * 5.5, 0}}); }, angry_yellow, 0.7);
        dot(cr, side * 4.5, -2.2, 0.9, ink);
    }
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, {{-5, 3}, {5, 3}, {3.5, 8}, {-3.5, 8}}); }, maw, 0.8);
    for (double x : {-3.0, -1.0, 1.0, 3.0})
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{x - 0.8, 3}, {x, 6}, {x + 0.8, 3}}); }, white, 0.4);
    dot(cr, 0, 1.4, 1.2, ink);
    cairo_restore(cr);
}

platform::Drawing grawn(Facing facing)
{
    return facing_drawing(grawn_width, grawn_height, facing, [](cairo_t* cr) { paint_beast(cr, Look{}); });
}

platform::Drawing s_grawn(Mutation mutation, Facing facing)
{
    return facing_drawing(grawn_width, grawn_height, facing, [look = look_of(mutation)](cairo_t* cr) { paint_beast(cr, look); });
}

}
