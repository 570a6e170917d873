// The Mecha Grawn, one parametric steel beast drawn facing right; the barn's collapse reuses the
// barn itself, leaned, squashed and broken off along a splintered edge, with planks and dust.
#include "art/mecha_attack.hpp"

#include "art/scenery.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {
namespace {

// A big picture, but one made of many small parts: between the sprite line and the heavy one.
constexpr double mecha_line = 2.4;

constexpr Colour steel = rgb(170, 176, 190);
constexpr Colour dark_steel = rgb(94, 96, 112);
constexpr Colour joint = rgb(64, 62, 74);
constexpr Colour panel_purple = rgb(120, 90, 156);
constexpr Colour hazard = rgb(250, 198, 30);
constexpr Colour maw_glow = rgb(226, 36, 28);
constexpr Colour eye_red = rgb(255, 48, 20);
constexpr Colour fang_steel = rgb(232, 236, 242);

// A glow of `colour` fading out from the centre, drawn under a part to make it shine.
void glow(cairo_t* cr, double x, double y, double radius, Colour colour, double strength)
{
    cairo_save(cr);
    cairo_pattern_t* halo = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(halo, 0, colour.red, colour.green, colour.blue, strength);
    cairo_pattern_add_color_stop_rgba(halo, 1, colour.red, colour.green, colour.blue, 0);
    cairo_set_source(cr, halo);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    cairo_restore(cr);
}

// A tail of steel segments curling up from the rump, tip first so each segment overlaps the
// one further out.
void paint_tail(cairo_t* cr)
{
    int const segments = 7;
    auto const along = [](double t) {
        double const u = 1 - t;
        return Point { u * u * 34 + 2 * u * t * 2 + t * t * 12, u * u * 86 + 2 * u * t * 80 + t * t * 32 };
    };
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, { { 6, 34 }, { 11, 6 }, { 19, 32 } }); }, fang_steel, no_shade, mecha_line);
    for (int i = segments - 1; i >= 0; --i) {
        Point const at = along(static_cast<double>(i) / (segments - 1));
        double const radius = 9.5 - i * 0.75;
        draw_shape(cr, [=](cairo_t* c) { ellipse_path(c, at.x, at.y, radius, radius); }, i % 2 == 0 ? steel : dark_steel, 2, mecha_line);
    }
}

// A piston leg from its hip down to a clawed foot; `bend` pushes the knee back on hind legs.
void paint_leg(cairo_t* cr, double x, double bend, Colour plate)
{
    double const top = 92;
    double const knee = 124;
    draw_shape(cr, [=](cairo_t* c) { polygon_path(c, { { x, top }, { x + 26, top }, { x + 22, knee }, { x + 4 - bend, knee } }); }, plate, 3,
        mecha_line);
    draw_shape(cr, [=](cairo_t* c) { polygon_path(c, { { x + 5 - bend, knee }, { x + 20, knee }, { x + 21, 147 }, { x + 3, 147 } }); },
        dark_steel, 2, mecha_line);
    // The piston rod along the shin.
    stroke_line(cr, [=](cairo_t* c) {
        cairo_move_to(c, x + 12 - bend * 0.5, knee + 4);
        cairo_line_to(c, x + 12, 144);
    }, 2.4, fang_steel);
    draw_shape(cr, [=](cairo_t* c) { ellipse_path(c, x + 13 - bend * 0.5, knee, 8, 8); }, joint, no_shade, mecha_line);
    dot(cr, x + 13 - bend * 0.5, knee, 2.6, steel);
    draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, x - 4, 146, 32, 10, 3); }, plate, 2, mecha_line);
    for (int i = 0; i < 3; ++i) {
        double const cx = x + 22 + i * 5;
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, { { cx - 2, 148 }, { cx + 3, 147 }, { cx + 8, 157.5 } }); }, fang_steel, 1.2);
    }
}

void body_path(cairo_t* cr)
{
    polygon_path(cr, { { 24, 104 }, { 22, 80 }, { 36, 62 }, { 70, 52 }, { 110, 47 }, { 140, 44 }, { 156, 54 }, { 162, 80 }, { 156, 106 },
                         { 130, 118 }, { 60, 120 }, { 32, 115 } });
}

// The height of the back line at x, between the rump and the shoulders.
double back_at(double x) { return 62 + (x - 36) * (44.0 - 62.0) / (140.0 - 36.0); }

void paint_body(cairo_t* cr)
{
    // Steel spines along the back, raked backwards like a Grawn's bristles.
    for (double x : { 48.0, 68.0, 88.0, 108.0, 126.0 }) {
        double const y = back_at(x);
        draw_shape(cr, [=](cairo_t* c) { polygon_path(c, { { x - 6, y + 3 }, { x - 10, y - 16 }, { x + 7, y + 2 } }); }, fang_steel, no_shade,
            mecha_line);
    }
    PathMaker const body = body_path;
    draw_shape(cr, body, steel, 6, mecha_line);
    draw_inside(cr, body, [cr] {
        // A purple armour band with its rivets, split into plates.
        set_colour(cr, panel_purple);
        cairo_rectangle(cr, 20, 68, 150, 28);
        cairo_fill(cr);
        set_colour(cr, ink);
        cairo_set_line_width(cr, 1.6);
        cairo_rectangle(cr, 20, 68, 150, 28);
        for (double x : { 66.0, 102.0, 136.0 }) {
            cairo_move_to(cr, x, 68);
            cairo_line_to(cr, x, 96);
        }
        cairo_stroke(cr);
        for (double x = 30; x < 160; x += 12) {
            dot(cr, x, 72, 1.4, mix(panel_purple, white, 0.5));
            dot(cr, x, 92, 1.4, mix(panel_purple, white, 0.5));
        }
        // Hazard stripes along the belly plate.
        set_colour(cr, hazard);
        cairo_rectangle(cr, 20, 104, 150, 20);
        cairo_fill(cr);
        set_colour(cr, ink);
        for (double x = 10; x < 180; x += 12) {
            cairo_move_to(cr, x, 124);
            cairo_line_to(cr, x + 6, 124);
            cairo_line_to(cr, x + 14, 104);
            cairo_line_to(cr, x + 8, 104);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, 20, 104);
        cairo_line_to(cr, 170, 104);
        cairo_stroke(cr);
    });
}

// The cannon on the back, pointing ahead over the head.
void paint_cannon(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 100, 38);
        cairo_rotate(c, -0.2);
        rounded_rect_path(c, 0, -5, 54, 10, 3);
        cairo_restore(c);
    }, dark_steel, 2, mecha_line);
    draw_shape(cr, [](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 100, 38);
        cairo_rotate(c, -0.2);
        cairo_rectangle(c, 48, -7, 8, 14);
        cairo_restore(c);
    }, joint, no_shade, mecha_line);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 82, 34, 30, 18, 4); }, steel, 3, mecha_line);
    dot(cr, 88, 43, 1.6, ink);
    dot(cr, 106, 43, 1.6, ink);
}

void paint_head(cairo_t* cr)
{
    // Neck of ribbed steel.
    PathMaker const neck = [](cairo_t* c) { polygon_path(c, { { 134, 48 }, { 162, 36 }, { 172, 68 }, { 150, 86 } }); };
    draw_shape(cr, neck, dark_steel, 3, mecha_line);
    stroke_line(cr, [](cairo_t* c) {
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(c, 142 + i * 8, 50 - i * 3);
            cairo_line_to(c, 152 + i * 6, 76 - i * 6);
        }
    }, 1.6, joint);

    // Ear plate.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, { { 156, 30 }, { 160, 4 }, { 178, 22 } }); }, steel, 2, mecha_line);
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, { { 161, 26 }, { 162, 12 }, { 171, 22 } }); }, panel_purple);

    // The maw glows from inside.
    glow(cr, 192, 54, 26, maw_glow, 0.45);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, { { 166, 44 }, { 214, 40 }, { 212, 66 }, { 168, 64 } }); }, maw_glow, no_shade, mecha_line);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 186, 54, 12, 5); }, rgb(255, 160, 60), no_shade, 0);

    // Lower jaw, hinged at a bolt.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, { { 162, 60 }, { 210, 62 }, { 213, 70 }, { 202, 78 }, { 172, 78 }, { 160, 70 } }); },
        steel, 3, mecha_line);
    // Upper jaw and skull.
    PathMaker const skull = [](cairo_t* c) {
        polygon_path(c, { { 150, 34 }, { 166, 16 }, { 190, 13 }, { 206, 21 }, { 216, 31 }, { 216, 44 }, { 194, 47 }, { 168, 51 }, { 152, 48 } });
    };
    draw_shape(cr, skull, steel, 3, mecha_line);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 196, 18);
        cairo_line_to(c, 196, 46);
    }, 1.4, dark_steel);
    dot(cr, 212, 35, 1.6, ink);
    for (double x : { 158.0, 186.0, 204.0 })
        dot(cr, x, 42, 1.3, dark_steel);

    // Steel fangs: long ones down from the upper jaw, short ones up from the lower.
    auto fang = [cr](double x, double root, double tip) {
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, { { x - 2.6, root }, { x, tip }, { x + 2.6, root } }); }, fang_steel, 1.0);
    };
    for (double x : { 176.0, 188.0, 200.0, 210.0 })
        fang(x, 46.5, 57);
    for (double x : { 182.0, 194.0, 205.0 })
        fang(x, 61.5, 53);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 166, 62, 4.5, 4.5); }, joint, no_shade, 1.4);

    // One burning eye under a steel brow.
    glow(cr, 184, 28, 14, eye_red, 0.8);
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, { { 174, 23 }, { 196, 28 }, { 178, 34 } }); }, eye_red, 1.2);
    dot(cr, 182, 28, 2.2, rgb(255, 236, 160));
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 170, 19);
        cairo_line_to(c, 200, 26);
    }, 3.4);
}

void paint_mecha(cairo_t* cr)
{
    paint_tail(cr);
    paint_leg(cr, 36, 6, dark_steel);
    paint_leg(cr, 112, 0, dark_steel);
    paint_body(cr);
    paint_cannon(cr);
    paint_leg(cr, 52, 6, steel);
    paint_leg(cr, 128, 0, steel);
    paint_head(cr);
}

// --- The barn coming down -------------------------------------------------------------------

// The barn picture is drawn 300 × 225; the intermission shows it smaller.
constexpr double barn_scale_x = attacked_barn_width / 300.0;
constexpr double barn_scale_y = attacked_barn_height / 225.0;
// Where the barn stands on the ground, in its own drawing's units.
constexpr double barn_foot_x = 150;
constexpr double barn_foot_y = 222;

constexpr Colour plank_red = rgb(196, 42, 36);
constexpr Colour roof_grey = rgb(88, 78, 86);
constexpr Colour splinter = rgb(236, 214, 170);
constexpr Colour dust = rgb(214, 204, 186);
// The heap is drawn in picture pixels, a little lighter than the barn's own heavy lines.
constexpr double heap_line = 2.0;

struct Ruin {
    double lean = 0;  // how far the walls tilt to the left, away from the blast, as a shear
    double squash = 1;  // what is left of the barn's height
    double break_at = 0;  // the height, in the barn's drawing, above which it is torn off (0: whole)
    int planks = 0;  // planks flying off
    double dust = 0;  // size of the dust puffs at its foot
};

// How far gone the barn is in each frame; anything past frame 3 is the final heap.
Ruin ruin_of(int frame)
{
    switch (frame) {
    case 1:
        return { 0.06, 1.0, 0, 3, 9 };
    case 2:
        return { 0.12, 0.86, 52, 5, 13 };
    case 3:
        return { 0.18, 0.62, 104, 7, 17 };
    default:
        break;
    }
    // The dust is settling over the heap.
    return { 0.1, 0.3, 150, 0, 14 };
}

// The outline round the whole barn, roof included, in the barn drawing's units.
void barn_outline_path(cairo_t* cr)
{
    polygon_path(cr, { { 22, 111 }, { 52, 50 }, { 150, 6 }, { 248, 50 }, { 278, 111 }, { 261, 113 }, { 261, 223 }, { 39, 223 }, { 39, 113 } });
}

// The splintered edge along which the barn is torn off at `height`.
void break_line(cairo_t* cr, double height)
{
    constexpr std::array<double, 16> teeth { 0, -1, 0.6, -0.4, 1, -0.8, 0.3, -1, 0.7, -0.2, 0.9, -0.6, 0.2, -0.9, 0.5, 0 };
    for (std::size_t i = 0; i < teeth.size(); ++i) {
        double const x = i * 20.0;
        double const y = height + 9 * teeth[i];
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
}

// The barn in its own units, leaned and squashed about its foot, torn off above `break_at`.
void paint_broken_barn(cairo_t* cr, Ruin const& ruin)
{
    cairo_save(cr);
    cairo_scale(cr, barn_scale_x, barn_scale_y);
    cairo_translate(cr, barn_foot_x, barn_foot_y);
    cairo_matrix_t lean;
    cairo_matrix_init(&lean, 1, 0, ruin.lean, ruin.squash, 0, 0);
    cairo_transform(cr, &lean);
    cairo_translate(cr, -barn_foot_x, -barn_foot_y);

    PathMaker const remains = [&ruin](cairo_t* c) {
        if (ruin.break_at <= 0) {
            cairo_rectangle(c, -20, -20, 340, 260);
            return;
        }
        break_line(c, ruin.break_at);
        cairo_line_to(c, 320, 240);
        cairo_line_to(c, -20, 240);
        cairo_close_path(c);
    };
    auto const whole = barn();
    draw_inside(cr, remains, [&] { whole.paint(cr); });

    // The wounds, cut to the barn's own outline: a crack down the front, or the torn edge.
    draw_inside(cr, barn_outline_path, [&] {
        draw_inside(cr, remains, [&] {
            PathMaker const wound = [&ruin](cairo_t* c) {
                if (ruin.break_at > 0) {
                    break_line(c, ruin.break_at);
                    return;
                }
                cairo_move_to(c, 138, 10);
                cairo_line_to(c, 152, 40);
                cairo_line_to(c, 142, 64);
                cairo_line_to(c, 162, 90);
                cairo_line_to(c, 152, 118);
            };
            stroke_line(cr, wound, 7);
            stroke_line(cr, wound, 2.6, splinter);
        });
    });
    cairo_restore(cr);
}

// One loose plank of red barn wall, centred at (x, y), turned by `angle`.
void plank(cairo_t* cr, double x, double y, double angle, double length)
{
    draw_shape(cr, [=](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, x, y);
        cairo_rotate(c, angle);
        cairo_rectangle(c, -length / 2, -3, length, 6);
        cairo_restore(c);
    }, plank_red, 1.5, outline);
}

void flying_planks(cairo_t* cr, int count)
{
    struct Flight {
        double x, y, angle;
    };
    constexpr std::array<Flight, 7> flights { { { 28, 40, -0.6 }, { 196, 30, 0.8 }, { 60, 14, 0.3 }, { 176, 8, -1.1 }, { 14, 80, 1.3 },
        { 112, 6, 0.1 }, { 210, 74, -0.4 } } };
    for (int i = 0; i < count && i < static_cast<int>(flights.size()); ++i)
        plank(cr, flights[i].x, flights[i].y, flights[i].angle, 20);
}

void dust_cloud(cairo_t* cr, double size)
{
    draw_shape(cr, [size](cairo_t* c) {
        // One bank of puffs along the ground, every other one riding a little higher.
        // The puffs keep inside the picture's sides; the ground cuts off their lower halves.
        int const puffs = 12;
        double const reach = size * 1.05 + outline;
        for (int i = 0; i < puffs; ++i) {
            double const x = reach + i * (attacked_barn_width - 2 * reach) / (puffs - 1);
            double const radius = size * (0.85 + 0.2 * std::sin(i * 2.3));
            double const rise = i % 2 == 1 ? radius * 0.5 : 0;
            cairo_new_sub_path(c);
            cairo_arc(c, x, attacked_barn_height - 2 - radius * 0.5 - rise, radius, 0, 2 * M_PI);
        }
    }, dust, 3, outline);
}

// What is left at the end: a heap of planks with the roof slab and the weathervane on top.
void paint_heap(cairo_t* cr)
{
    struct Lying {
        double x, y, angle, length;
    };
    constexpr std::array<Lying, 8> pile { { { 60, 146, 0.35, 44 }, { 168, 144, -0.4, 46 }, { 96, 138, -0.15, 52 }, { 138, 136, 0.2, 50 },
        { 78, 128, 0.6, 36 }, { 150, 124, -0.7, 34 }, { 114, 126, 0.05, 40 }, { 196, 150, 0.9, 26 } } };
    for (auto const& lying : pile)
        plank(cr, lying.x, lying.y, lying.angle, lying.length);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, { { 70, 118 }, { 150, 104 }, { 158, 114 }, { 78, 130 } }); }, roof_grey, 3, heap_line);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 150, 106);
        cairo_line_to(c, 160, 86);
        cairo_move_to(c, 152, 90);
        cairo_line_to(c, 166, 94);
    }, 1.6);
}

void paint_collapse(cairo_t* cr, int frame)
{
    Ruin const ruin = ruin_of(frame);
    paint_broken_barn(cr, ruin);
    if (frame == barn_collapse_frames)
        paint_heap(cr);
    flying_planks(cr, ruin.planks);
    dust_cloud(cr, ruin.dust);
}

}

platform::Drawing mecha_grawn(Facing facing)
{
    return facing_drawing(mecha_grawn_width, mecha_grawn_height, facing, paint_mecha);
}

platform::Drawing attacked_barn()
{
    return { attacked_barn_width, attacked_barn_height, [](cairo_t* cr) {
                cairo_save(cr);
                cairo_scale(cr, barn_scale_x, barn_scale_y);
                barn().paint(cr);
                cairo_restore(cr);
            } };
}

platform::Drawing barn_collapsing(int frame)
{
    int const known = std::clamp(frame, 1, barn_collapse_frames);
    return { attacked_barn_width, attacked_barn_height, [known](cairo_t* cr) { paint_collapse(cr, known); } };
}

}
