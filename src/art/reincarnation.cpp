// The re-incarnation machine: one painter whose frames differ only in what is lit and what
// moves; and the surging S-Grawn, the mutated one with a glow and sparks behind it.
#include "art/reincarnation.hpp"

#include "art/grawn.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace art {
namespace {

// A little heavier than a sprite's outline: the machine is seven sprites long.
constexpr double machine_line = 2.0;
constexpr double plinth_top = 108;
constexpr double deck = 28;  // the top of the main body

constexpr Colour casing = rgb(120, 84, 160);
constexpr Colour casing_dark = rgb(72, 50, 104);
constexpr Colour steel = rgb(176, 182, 194);
constexpr Colour dark_steel = rgb(88, 90, 102);
constexpr Colour hazard = rgb(250, 198, 30);
constexpr Colour doorway = rgb(22, 14, 30);
constexpr Colour glass = rgb(186, 236, 240);
constexpr Colour serum = rgb(90, 226, 96);
constexpr Colour lamp_off = rgb(96, 84, 72);
constexpr Colour lamp_on = rgb(255, 226, 60);
constexpr Colour glow_green = rgb(140, 255, 110);
constexpr Colour spark_blue = rgb(170, 230, 255);

// What one frame shows.
struct Works {
    int lit_lamp = -1;  // which of the three small lamps burns; -1: none
    bool big_lamp = false;  // the big lamp glows green
    bool face = false;  // ... with a Grawn's face in it
    double needle = -65;  // the dial's needle, degrees from straight up
    double gear_turn = 0;  // degrees
    int spark = 0;  // the shape of the arc between the coils; 0: no arc
    double bubble_rise = -1;  // how far the bubbles have risen, 0 to 1; below 0: none
};

constexpr std::array<double, 3> small_lamps_x {108, 123, 138};
constexpr Point big_lamp {178, 15};
constexpr double big_lamp_radius = 12;
constexpr Point dial {75, 58};
constexpr Point gear {175, 66};

void glow(cairo_t* cr, Point centre, double radius, Colour colour, double alpha)
{
    cairo_save(cr);
    cairo_pattern_t* halo = cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius);
    cairo_pattern_add_color_stop_rgba(halo, 0, colour.red, colour.green, colour.blue, alpha);
    cairo_pattern_add_color_stop_rgba(halo, 1, colour.red, colour.green, colour.blue, 0);
    cairo_set_source(cr, halo);
    cairo_new_path(cr);
    cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    cairo_restore(cr);
}

// A thick pipe: an ink stroke with a narrower coloured one inside.
void pipe(cairo_t* cr, PathMaker const& path, double width, Colour colour)
{
    stroke_line(cr, path, width + 2 * machine_line, ink);
    stroke_line(cr, path, width, colour);
}

// A pipe rising from `foot` and bending over to `end`.
void elbow_pipe(cairo_t* cr, Point foot, Point end)
{
    constexpr double bend = 8;
    double const toward = end.x > foot.x ? bend : -bend;
    pipe(cr, [=](cairo_t* c) {
        cairo_move_to(c, foot.x, foot.y);
        cairo_line_to(c, foot.x, end.y + bend);
        cairo_curve_to(c, foot.x, end.y, foot.x, end.y, foot.x + toward, end.y);
        cairo_line_to(c, end.x, end.y);
    }, 6, dark_steel);
}

void paint_plinth(cairo_t* cr)
{
    auto const plinth = [](cairo_t* c) { rounded_rect_path(c, 3, plinth_top, 244, 15, 3); };
    draw_shape(cr, plinth, dark_steel, 2, machine_line);
    draw_inside(cr, plinth, [cr] {
        for (double x = -6; x < reincarnation_machine_width; x += 12) {
            cairo_new_path(cr);
            polygon_path(cr, {{x, 123}, {x + 6, 123}, {x + 13, plinth_top + 4}, {x + 7, plinth_top + 4}});
            set_colour(cr, hazard);
            cairo_fill(cr);
        }
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 0, plinth_top + 4);
            cairo_line_to(c, reincarnation_machine_width, plinth_top + 4);
        }, 1.2);
    });
}

// A doorway in a block: the Grawn walks into the one on the left and out of the one on the right.
void paint_door_block(cairo_t* cr, double left, double width, double door_left, double door_width, Colour light)
{
    draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, left, 60, width, plinth_top - 58, 4); }, casing, 3, machine_line);
    draw_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, door_left, plinth_top);
        cairo_line_to(c, door_left, 82);
        cairo_arc(c, door_left + door_width / 2, 82, door_width / 2, M_PI, 2 * M_PI);
        cairo_line_to(c, door_left + door_width, plinth_top);
        cairo_close_path(c);
    }, doorway, no_shade, 1.5);
    // The shutter rolled up into the lintel, and a signal light over it.
    draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, door_left - 3, 63, door_width + 6, 5, 1.5); }, hazard, no_shade, 1.2);
    draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, door_left + door_width / 2, 72.5, 2.6, 0, 2 * M_PI); }, light);
}

void paint_coils(cairo_t* cr, Works const& works)
{
    for (double x : {56.0, 92.0}) {
        draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, x - 2, 10, 4, deck - 8, 1); }, dark_steel, no_shade, 1.2);
        for (double y = 14; y < deck - 1; y += 3.5)
            stroke_line(cr, [=](cairo_t* c) {
                cairo_move_to(c, x - 3.5, y);
                cairo_line_to(c, x + 3.5, y + 1);
            }, 1.4, rgb(200, 120, 50));
        draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, x, 8, 4.5, 0, 2 * M_PI); }, steel, 1.5, 1.5);
    }
    if (works.spark == 0)
        return;
    // A jagged arc whose kinks move from frame to frame.
    glow(cr, {74, 8}, 18, spark_blue, 0.5);
    double const kinks[][5] = {{-3, 4, -5, 3, -2}, {4, -4, 2, -5, 3}, {-5, 2, 5, -3, 1}};
    auto const& kink = kinks[(works.spark - 1) % 3];
    PathMaker const arc = [&kink](cairo_t* c) {
        cairo_move_to(c, 60, 8);
        for (int i = 0; i < 5; ++i)
            cairo_line_to(c, 60 + (i + 1) * 4.7, 8 + kink[i]);
        cairo_line_to(c, 88, 8);
    };
    stroke_line(cr, arc, 3, spark_blue);
    stroke_line(cr, arc, 1.2, white);
}

void paint_lamps(cairo_t* cr, Works const& works)
{
    for (std::size_t i = 0; i < small_lamps_x.size(); ++i) {
        double const x = small_lamps_x[i];
        bool const lit = works.lit_lamp == static_cast<int>(i);
        if (lit)
            glow(cr, {x, deck - 6}, 12, lamp_on, 0.7);
        draw_shape(cr, [=](cairo_t* c) {
            cairo_arc(c, x, deck - 1, 5.5, M_PI, 2 * M_PI);
            cairo_close_path(c);
        }, lit ? lamp_on : lamp_off, no_shade, 1.5);
        dot(cr, x - 1.8, deck - 3.5, 1.1, mix(lit ? lamp_on : lamp_off, white, 0.7));
    }

    // The big lamp on its collar, with the Grawn's face when the new beast is ready.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, big_lamp.x - 10, deck - 6, 20, 7, 2); }, dark_steel, no_shade, machine_line);
    if (works.big_lamp)
        glow(cr, big_lamp, 24, glow_green, 0.75);
    auto const globe = [](cairo_t* c) { cairo_arc(c, big_lamp.x, big_lamp.y, big_lamp_radius, 0, 2 * M_PI); };
    draw_shape(cr, globe, works.big_lamp ? glow_green : lamp_off, no_shade, machine_line);
    if (works.face) {
        draw_inside(cr, globe, [cr] {
            paint_grawn_face(cr, big_lamp, 1.0);
            // Lit from within: a green wash over the face.
            cairo_new_path(cr);
            cairo_rectangle(cr, big_lamp.x - big_lamp_radius, big_lamp.y - big_lamp_radius, 2 * big_lamp_radius, 2 * big_lamp_radius);
            set_colour(cr, glow_green, 0.25);
            cairo_fill(cr);
        });
    }
    dot(cr, big_lamp.x - 5, big_lamp.y - 5, 2, mix(works.big_lamp ? glow_green : lamp_off, white, 0.7));
}

void paint_panel(cairo_t* cr, Works const& works)
{
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 57, 40, 36, 62, 3); }, steel, 2, 1.5);
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, dial.x, dial.y, 11, 0, 2 * M_PI); }, white, no_shade, 1.5);
    // The scale: a red end where the dial reads full.
    for (int tick = -3; tick <= 3; ++tick) {
        double const angle = tick * 30 * M_PI / 180;
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, dial.x + 8 * std::sin(angle), dial.y - 8 * std::cos(angle));
            cairo_line_to(c, dial.x + 10 * std::sin(angle), dial.y - 10 * std::cos(angle));
        }, tick >= 2 ? 1.6 : 0.9, tick >= 2 ? rgb(220, 30, 30) : ink);
    }
    double const needle = works.needle * M_PI / 180;
    stroke_line(cr, [=](cairo_t* c) {
        cairo_move_to(c, dial.x, dial.y);
        cairo_line_to(c, dial.x + 8.5 * std::sin(needle), dial.y - 8.5 * std::cos(needle));
    }, 1.5, rgb(200, 20, 20));
    dot(cr, dial.x, dial.y, 1.6, ink);
    // Three buttons that flash with the lamps, and a lever.
    Colour const buttons[] = {rgb(230, 40, 40), rgb(250, 200, 30), rgb(60, 200, 70)};
    for (int i = 0; i < 3; ++i) {
        bool const lit = works.lit_lamp == i;
        Colour const colour = lit ? mix(buttons[i], white, 0.45) : shade_of(buttons[i]);
        draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, 65 + i * 10, 80, 3, 0, 2 * M_PI); }, colour);
    }
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 62, 90, 26, 5, 2); }, dark_steel, no_shade, 1.0);
    stroke_line(cr, [&works](cairo_t* c) {
        cairo_move_to(c, 75, 92);
        cairo_line_to(c, works.spark != 0 ? 82 : 68, 86);
    }, 1.8);
    dot(cr, works.spark != 0 ? 82 : 68, 86, 2, rgb(220, 30, 30));
}

void paint_tank(cairo_t* cr, Works const& works)
{
    auto const tank = [](cairo_t* c) { rounded_rect_path(c, 100, 36, 46, 66, 8); };
    draw_shape(cr, tank, glass, no_shade, machine_line);
    draw_inside(cr, tank, [&] {
        cairo_new_path(cr);
        cairo_rectangle(cr, 100, 50, 46, 52);
        set_colour(cr, serum);
        cairo_fill(cr);
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 100, 50);
            cairo_curve_to(c, 112, 47, 124, 53, 146, 49);
        }, 1.2, shade_of(serum));
        if (works.bubble_rise >= 0) {
            glow(cr, {123, 76}, 30, glow_green, 0.55);
            double const columns[][2] = {{108, 0.0}, {118, 0.45}, {130, 0.2}, {139, 0.7}};
            for (auto const& column : columns) {
                double const rise = std::fmod(works.bubble_rise + column[1], 1.0);
                double const y = 96 - rise * 42;
                draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, column[0] + std::sin(rise * 6) * 1.5, y, 1.8 + rise * 1.2, 0, 2 * M_PI); },
                    mix(serum, white, 0.6), 0.6);
            }
        }
        // A glint down the glass.
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 105, 42);
            cairo_line_to(c, 105, 94);
        }, 2.2, rgb(255, 255, 255));
    });
    // Brass caps top and bottom.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 97, 32, 52, 7, 2); }, dark_steel, no_shade, machine_line);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 97, 99, 52, 7, 2); }, dark_steel, no_shade, machine_line);
}

void paint_gear(cairo_t* cr, Works const& works)
{
    double const turn = works.gear_turn * M_PI / 180;
    draw_shape(cr, [=](cairo_t* c) {
        int const teeth = 10;
        for (int i = 0; i < 2 * teeth; ++i) {
            double const angle = turn + i * M_PI / teeth;
            double const radius = i % 2 == 0 ? 13 : 10;
            double const half = M_PI / teeth * 0.45;
            if (i == 0)
                cairo_move_to(c, gear.x + radius * std::cos(angle - half), gear.y + radius * std::sin(angle - half));
            else
                cairo_line_to(c, gear.x + radius * std::cos(angle - half), gear.y + radius * std::sin(angle - half));
            cairo_line_to(c, gear.x + radius * std::cos(angle + half), gear.y + radius * std::sin(angle + half));
        }
        cairo_close_path(c);
    }, hazard, 2, 1.5);
    draw_detail(cr, [](cairo_t* c) { cairo_arc(c, gear.x, gear.y, 4, 0, 2 * M_PI); }, dark_steel);
    for (int spoke = 0; spoke < 3; ++spoke) {
        double const angle = turn + spoke * 2 * M_PI / 3;
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, gear.x + 4 * std::cos(angle), gear.y + 4 * std::sin(angle));
            cairo_line_to(c, gear.x + 8 * std::cos(angle), gear.y + 8 * std::sin(angle));
        }, 1.6);
    }
}

void paint_machine(cairo_t* cr, Works const& works)
{
    // Pipes behind the body: from the intake over to the works, and a flue from the exit.
    elbow_pipe(cr, {26, 62}, {52, 38});
    elbow_pipe(cr, {222, 62}, {198, 28});

    paint_coils(cr, works);
    auto const body = [](cairo_t* c) { rounded_rect_path(c, 46, deck, 154, plinth_top - deck + 2, 5); };
    draw_shape(cr, body, casing, 4, machine_line);
    draw_inside(cr, body, [cr] {
        // A darker band along the top, and rivets.
        cairo_new_path(cr);
        cairo_rectangle(cr, 40, deck, 170, 5);
        set_colour(cr, casing_dark);
        cairo_fill(cr);
        for (double x = 52; x < 198; x += 12)
            dot(cr, x, deck + 2.5, 1.1, ink);
    });
    // Vents under the gear.
    for (double y : {88.0, 93.0, 98.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, 160, y);
            cairo_line_to(c, 190, y);
        }, 1.6);
    paint_panel(cr, works);
    paint_tank(cr, works);
    paint_gear(cr, works);
    paint_lamps(cr, works);

    bool const busy = works.spark != 0 || works.face;
    paint_door_block(cr, 1, 52, 10, 34, busy ? rgb(230, 40, 40) : rgb(60, 200, 70));
    paint_door_block(cr, 196, 52, 205, 34, works.face ? rgb(60, 200, 70) : rgb(230, 40, 40));
    // An arrow over the exit, pointing the way out.
    draw_detail(cr, [](cairo_t* c) { polygon_path(c, {{236, 72}, {242, 72}, {242, 69}, {247, 73.5}, {242, 78}, {242, 75}, {236, 75}}); }, hazard);
    paint_plinth(cr);
}

platform::Drawing machine_drawing(Works works)
{
    return {reincarnation_machine_width, reincarnation_machine_height, [works](cairo_t* cr) { paint_machine(cr, works); }};
}

}

platform::Drawing reincarnation_machine_at_rest() { return machine_drawing({}); }

platform::Drawing reincarnation_machine_working(int step)
{
    // The needle climbs to the red and falls back over one cycle; the gear turns a tooth a step.
    constexpr std::array<double, reincarnation_machine_steps> needle {-30, 10, 50, 75, 40, 0};
    int const index = (std::max(step, 1) - 1) % reincarnation_machine_steps;
    Works works;
    works.lit_lamp = index % 3;
    works.big_lamp = index % 2 == 1;
    works.needle = needle.at(static_cast<std::size_t>(index));
    works.gear_turn = index * 18.0;
    works.spark = index + 1;
    works.bubble_rise = index / static_cast<double>(reincarnation_machine_steps);
    return machine_drawing(works);
}

platform::Drawing reincarnation_machine_face()
{
    Works works;
    works.big_lamp = true;
    works.face = true;
    return machine_drawing(works);
}

platform::Drawing s_grawn_surging(Facing facing)
{
    platform::Drawing const mutated = s_grawn(Mutation::mutated, Facing::right);
    return facing_drawing(grawn_width, grawn_height, facing, [paint = mutated.paint](cairo_t* cr) {
        // A pale aura, so the glow shows on the green field too.
        glow(cr, {17, 18}, 19, rgb(236, 255, 170), 0.9);
        paint(cr);
        // Sparks crackling off its back and paws.
        Point const sparks[][3] = {{{3, 4}, {6, 7}, {4, 10}}, {{14, 1}, {12, 4}, {15, 6}}, {{30, 26}, {33, 28}, {31, 31}}, {{1, 28}, {4, 30}, {2, 33}}};
        for (auto const& spark : sparks) {
            PathMaker const zigzag = [&spark](cairo_t* c) {
                cairo_move_to(c, spark[0].x, spark[0].y);
                cairo_line_to(c, spark[1].x, spark[1].y);
                cairo_line_to(c, spark[2].x, spark[2].y);
            };
            stroke_line(cr, zigzag, 1.6, glow_green);
            stroke_line(cr, zigzag, 0.6, white);
        }
    });
}

}
