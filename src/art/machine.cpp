// The Piggie Poker: beam, spike, housing and tracks in one palette; the wreck reuses the big
// explosion cloud and throws the machine's pieces out of it.
#include "art/machine.hpp"

#include "art/effects.hpp"

#include <cmath>

namespace art {
namespace {

// About a hundred pixels tall: between the sprite outline and the heavy one.
constexpr double machine_line = 2.0;
constexpr double centre_x = machine_width / 2.0;

struct Palette {
    Colour steel;
    Colour dark_steel;
    Colour housing;
    Colour tread;
    Colour hazard;
    Colour beam;
    Colour lamp;
};

constexpr Palette whole_palette {
    rgb(172, 178, 190), rgb(92, 94, 106), rgb(128, 134, 148), rgb(62, 62, 70), rgb(250, 198, 30), rgb(255, 238, 140), rgb(226, 30, 30),
};

// Every part glows red while the hit shows; the lamp blazes white.
Palette flashing_palette()
{
    constexpr Colour hit_red = rgb(255, 78, 62);
    Palette const w = whole_palette;
    return {mix(w.steel, hit_red, 0.7), mix(w.dark_steel, hit_red, 0.6), mix(w.housing, hit_red, 0.7), mix(w.tread, hit_red, 0.5),
        mix(w.hazard, hit_red, 0.6), rgb(255, 128, 96), white};
}

// The spike's half width at height y, from its tip down to its base.
constexpr double spike_tip = 28;
constexpr double spike_base = 92;
constexpr double spike_half_base = 15;
double spike_half_width(double y)
{
    return (y - spike_tip) / (spike_base - spike_tip) * spike_half_base;
}

// The pulling beam: a translucent cone from the spike's tip to the top edge, chevrons pointing
// down along it to show which way it pulls.
void paint_beam(cairo_t* cr, Palette const& palette)
{
    double const top_half = 29.5;
    cairo_save(cr);
    cairo_new_path(cr);
    polygon_path(cr, {{centre_x, spike_tip + 4}, {centre_x - top_half, 0}, {centre_x + top_half, 0}});
    set_colour(cr, palette.beam, 0.5);
    cairo_fill(cr);
    cairo_restore(cr);
    for (double y : {5.0, 14.0, 23.0}) {
        double const half = (spike_tip + 4 - y) / (spike_tip + 4) * top_half - 5;
        cairo_save(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, centre_x - half, y);
        cairo_line_to(cr, centre_x, y + 5);
        cairo_line_to(cr, centre_x + half, y);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 2);
        set_colour(cr, white, 0.85);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void spike_path(cairo_t* cr)
{
    polygon_path(cr, {{centre_x, spike_tip}, {centre_x + spike_half_base, spike_base}, {centre_x - spike_half_base, spike_base}});
}

void paint_spike(cairo_t* cr, Palette const& palette)
{
    draw_shape(cr, spike_path, palette.steel, no_shade, machine_line);
    // Lit from the left: the right flank in shade, a glint down the left one.
    draw_inside(cr, spike_path, [&] {
        cairo_new_path(cr);
        polygon_path(cr, {{centre_x, spike_tip}, {centre_x + spike_half_base, spike_base}, {centre_x + 3, spike_base}});
        set_colour(cr, shade_of(palette.steel));
        cairo_fill(cr);
    });
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, centre_x - 2, spike_tip + 10);
        cairo_line_to(c, centre_x - 8.5, spike_base - 6);
    }, 1.6, mix(palette.steel, white, 0.7));
    // Two bands round the shaft, like a tool bit.
    for (double y : {58.0, 75.0}) {
        double const half = spike_half_width(y);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, centre_x - half, y);
            cairo_line_to(c, centre_x + half, y + 2);
        }, 1.2);
    }
}

void paint_housing(cairo_t* cr, Palette const& palette)
{
    // Exhaust stubs behind the housing.
    for (double x : {15.0, 74.0}) {
        draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, x, 84, 8, 14, 2); }, palette.dark_steel, no_shade, machine_line);
        draw_detail(cr, [=](cairo_t* c) { rounded_rect_path(c, x - 1.5, 82, 11, 4, 1.5); }, palette.steel);
    }
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 29, 88, 39, 10, 3); }, palette.dark_steel, 2, machine_line);

    auto const body = [](cairo_t* c) { rounded_rect_path(c, 9, 96, 79, 29, 6); };
    draw_shape(cr, body, palette.housing, 3, machine_line);
    // A hazard band along the bottom of the housing.
    draw_inside(cr, body, [&] {
        cairo_new_path(cr);
        cairo_rectangle(cr, 0, 114, machine_width, 10);
        set_colour(cr, palette.hazard);
        cairo_fill(cr);
        for (double x = -4; x < machine_width; x += 9) {
            cairo_new_path(cr);
            polygon_path(cr, {{x, 124}, {x + 4.5, 124}, {x + 10.5, 114}, {x + 6, 114}});
            set_colour(cr, ink);
            cairo_fill(cr);
        }
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 0, 114);
            cairo_line_to(c, machine_width, 114);
        }, 1.2);
    });
    // Vents either side of the lamp, rivets at the corners.
    for (double x : {19.0, 66.0})
        for (double y : {102.0, 106.0, 110.0})
            stroke_line(cr, [=](cairo_t* c) {
                cairo_move_to(c, x, y);
                cairo_line_to(c, x + 11, y);
            }, 1.4);
    for (double x : {14.5, 82.5})
        for (double y : {101.0, 110.0})
            dot(cr, x, y, 1.3, ink);
    // The lamp in its porthole: the machine's one eye.
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, centre_x, 106, 7.5, 0, 2 * M_PI); }, palette.dark_steel, no_shade, machine_line);
    draw_detail(cr, [](cairo_t* c) { cairo_arc(c, centre_x, 106, 5, 0, 2 * M_PI); }, palette.lamp);
    dot(cr, centre_x - 1.8, 104.2, 1.5, white);
}

void paint_tracks(cairo_t* cr, Palette const& palette)
{
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 3, 122, 91, 13, 6.5); }, palette.tread, 2, machine_line);
    for (double x : {11.5, 30.0, centre_x, 67.0, 85.5}) {
        draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, x, 128.5, 4.4, 0, 2 * M_PI); }, palette.steel, no_shade, 1.0);
        dot(cr, x, 128.5, 1.3, ink);
    }
}

void paint_machine(cairo_t* cr, Palette const& palette)
{
    paint_beam(cr, palette);
    paint_housing(cr, palette);
    paint_spike(cr, palette);
    paint_tracks(cr, palette);
}

// A piece flung out of the blast: drawn in its own frame, turned and placed, with two speed
// lines trailing towards the blast's centre.
void flung(cairo_t* cr, Point at, double turn, PathMaker const& piece, Colour fill)
{
    double const wreck_centre = machine_wreck_size / 2.0;
    double const away = std::atan2(at.y - wreck_centre, at.x - wreck_centre);
    for (double side : {-5.0, 5.0}) {
        double const sx = at.x - std::sin(away) * side;
        double const sy = at.y + std::cos(away) * side;
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, sx - std::cos(away) * 14, sy - std::sin(away) * 14);
            cairo_line_to(c, sx - std::cos(away) * 24, sy - std::sin(away) * 24);
        }, 1.6);
    }
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, turn);
    draw_shape(cr, piece, fill, 2, machine_line);
    cairo_restore(cr);
}

void paint_wreck(cairo_t* cr)
{
    Palette const& palette = whole_palette;
    explosion(machine_wreck_size).paint(cr);

    // The spike, snapped off at the base.
    flung(cr, {34, 32}, -0.7, [](cairo_t* c) {
        polygon_path(c, {{0, -21}, {9, 13}, {4, 10}, {1, 15}, {-3, 11}, {-9, 14}});
    }, palette.steel);
    // A track wheel with its hub.
    flung(cr, {121, 32}, 0.3, [](cairo_t* c) { cairo_arc(c, 0, 0, 9, 0, 2 * M_PI); }, palette.steel);
    dot(cr, 121, 32, 3, palette.dark_steel);
    dot(cr, 121, 32, 1.2, ink);
    // A torn strip of the hazard band.
    auto const strip = [](cairo_t* c) { polygon_path(c, {{-15, -6}, {13, -8}, {16, -1}, {12, 6}, {-14, 7}, {-12, 1}}); };
    flung(cr, {118, 120}, 0.45, strip, palette.hazard);
    cairo_save(cr);
    cairo_translate(cr, 118, 120);
    cairo_rotate(cr, 0.45);
    draw_inside(cr, strip, [&] {
        for (double x = -18; x < 18; x += 8) {
            cairo_new_path(cr);
            polygon_path(cr, {{x, 8}, {x + 4, 8}, {x + 9, -9}, {x + 5, -9}});
            set_colour(cr, ink);
            cairo_fill(cr);
        }
    });
    cairo_restore(cr);
    // A chunk of the housing with the lamp, cracked and dark.
    flung(cr, {32, 118}, -0.35, [](cairo_t* c) {
        polygon_path(c, {{-14, -9}, {8, -11}, {15, -3}, {11, 9}, {-4, 12}, {-13, 5}});
    }, palette.housing);
    dot(cr, 32, 117.5, 6, palette.dark_steel);
    dot(cr, 32, 117.5, 4, shade_of(palette.lamp));
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 29, 114.5);
        cairo_line_to(c, 32.5, 117.5);
        cairo_line_to(c, 31, 121);
    }, 1.0);
    // Loose bolts.
    for (Point bolt : {Point {76, 10}, Point {141, 78}, Point {9, 74}, Point {80, 140}})
        draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, bolt.x - 2.5, bolt.y - 2.5, 5, 5, 1); }, palette.dark_steel, no_shade, 1.2);
}

}

platform::Drawing machine(MachineLook look)
{
    Palette const palette = look == MachineLook::whole ? whole_palette : flashing_palette();
    return {machine_width, machine_height, [palette](cairo_t* cr) { paint_machine(cr, palette); }};
}

platform::Drawing machine_wreck()
{
    return {machine_wreck_size, machine_wreck_size, paint_wreck};
}

}
