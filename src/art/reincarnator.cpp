// The Grawn Re-Incarnation Machine: dome, tube, control panel and tracks in one palette; the
// wreck throws its glass and dome out of the big explosion cloud.
#include "art/reincarnator.hpp"

#include "art/effects.hpp"

#include <cmath>

namespace art {
namespace {

constexpr double line = 2.0;
constexpr double centre_x = reincarnator_width / 2.0;

struct Palette {
    Colour casing;
    Colour dark;
    Colour glass;
    Colour ghost;
    Colour tread;
    Colour lamp;
    Colour panel;
};

constexpr Palette whole_palette {
    rgb(120, 84, 160), rgb(64, 44, 92), rgb(150, 226, 232), rgb(90, 230, 110), rgb(58, 56, 66), rgb(255, 214, 40), rgb(196, 200, 210),
};

// Every part glows red while the hit shows; the lamps blaze white.
Palette flashing_palette()
{
    constexpr Colour hit_red = rgb(255, 78, 62);
    Palette const w = whole_palette;
    return {mix(w.casing, hit_red, 0.7), mix(w.dark, hit_red, 0.6), mix(w.glass, hit_red, 0.6), mix(w.ghost, hit_red, 0.5),
        mix(w.tread, hit_red, 0.5), white, mix(w.panel, hit_red, 0.6)};
}

void paint_dome(cairo_t* cr, Palette const& palette)
{
    // The aerial with its spark ball.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, centre_x, 20);
        cairo_line_to(c, centre_x, 6);
    }, 2.2);
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, centre_x, 6, 4.5, 0, 2 * M_PI); }, palette.lamp, no_shade, line);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 18, 36);
        cairo_curve_to(c, 20, 12, 80, 12, 82, 36);
        cairo_close_path(c);
    }, palette.casing, 3, line);
    // Two warning lamps on the dome.
    for (double x : {33.0, 67.0}) {
        draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, x, 28, 4.2, 0, 2 * M_PI); }, palette.lamp, no_shade, 1.4);
        dot(cr, x - 1.2, 26.8, 1.2, white);
    }
}

void tube_path(cairo_t* cr) { rounded_rect_path(cr, 24, 40, 52, 58, 12); }

void paint_cabinet(cairo_t* cr, Palette const& palette)
{
    auto const body = [](cairo_t* c) { rounded_rect_path(c, 10, 34, 80, 98, 7); };
    draw_shape(cr, body, palette.casing, 4, line);
    // Rivets down both sides.
    for (double y : {44.0, 64.0, 84.0, 104.0, 124.0}) {
        dot(cr, 15, y, 1.3, palette.dark);
        dot(cr, 85, y, 1.3, palette.dark);
    }
    // The glass tube with a Grawn's ghost inside: two ears, two eyes, a grin.
    draw_shape(cr, tube_path, palette.glass, no_shade, line);
    draw_inside(cr, tube_path, [&] {
        cairo_new_path(cr);
        smooth_path(cr, {{centre_x, 52}, {62, 58}, {64, 76}, {60, 96}, {centre_x, 100}, {40, 96}, {36, 76}, {38, 58}});
        set_colour(cr, palette.ghost, 0.8);
        cairo_fill(cr);
        for (double side : {-1.0, 1.0}) {
            cairo_new_path(cr);
            polygon_path(cr, {{centre_x + side * 6, 55}, {centre_x + side * 15, 44}, {centre_x + side * 13, 60}});
            set_colour(cr, palette.ghost, 0.8);
            cairo_fill(cr);
            dot(cr, centre_x + side * 6, 68, 2.6, ink);
            dot(cr, centre_x + side * 6 - 0.8, 67.2, 0.8, white);
        }
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, centre_x - 7, 79);
            cairo_curve_to(c, centre_x - 3, 84, centre_x + 3, 84, centre_x + 7, 79);
        }, 1.4);
        // Bubbles rising and a glint on the glass.
        for (Point bubble : {Point {32, 88}, Point {68, 80}, Point {66, 54}, Point {34, 62}})
            dot(cr, bubble.x, bubble.y, 1.8, mix(palette.glass, white, 0.7));
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 30, 50);
            cairo_line_to(c, 30, 70);
        }, 2.4, mix(palette.glass, white, 0.85));
    });
    // The control panel: a dial and a row of buttons.
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 20, 104, 60, 22, 3); }, palette.panel, 2, line);
    draw_detail(cr, [](cairo_t* c) { cairo_arc(c, 33, 115, 6.5, 0, 2 * M_PI); }, white);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 33, 115);
        cairo_line_to(c, 37, 110.5);
    }, 1.3);
    Colour const buttons[] = {rgb(226, 40, 40), palette.lamp, rgb(60, 170, 70)};
    for (int i = 0; i < 3; ++i)
        draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, 50 + 10.5 * i, 115, 3.6, 0, 2 * M_PI); }, buttons[i]);
}

void paint_tracks(cairo_t* cr, Palette const& palette)
{
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 4, 130, 92, 17, 8.5); }, palette.tread, 2, line);
    for (double x : {13.0, 31.5, centre_x, 68.5, 87.0}) {
        draw_shape(cr, [=](cairo_t* c) { cairo_arc(c, x, 138.5, 5, 0, 2 * M_PI); }, mix(palette.panel, palette.tread, 0.3), no_shade, 1.0);
        dot(cr, x, 138.5, 1.5, ink);
    }
}

void paint_reincarnator(cairo_t* cr, Palette const& palette)
{
    paint_dome(cr, palette);
    paint_cabinet(cr, palette);
    paint_tracks(cr, palette);
}

// A piece thrown out of the blast, turned about its own centre.
void thrown(cairo_t* cr, Point at, double turn, PathMaker const& piece, Colour fill)
{
    cairo_save(cr);
    cairo_translate(cr, at.x, at.y);
    cairo_rotate(cr, turn);
    draw_shape(cr, piece, fill, 2, line);
    cairo_restore(cr);
}

void paint_wreck(cairo_t* cr)
{
    Palette const& palette = whole_palette;
    explosion(reincarnator_wreck_size).paint(cr);
    // The dome, upside down, its aerial bent.
    thrown(cr, {38, 30}, 2.6, [](cairo_t* c) {
        cairo_move_to(c, -18, 6);
        cairo_curve_to(c, -16, -12, 16, -12, 18, 6);
        cairo_close_path(c);
    }, palette.casing);
    // Shards of the tube's glass.
    thrown(cr, {118, 28}, 0.4, [](cairo_t* c) { polygon_path(c, {{-9, -8}, {8, -3}, {2, 9}}); }, palette.glass);
    thrown(cr, {130, 96}, -0.8, [](cairo_t* c) { polygon_path(c, {{-6, -10}, {7, -4}, {-1, 10}}); }, palette.glass);
    thrown(cr, {16, 96}, 0.9, [](cairo_t* c) { polygon_path(c, {{-7, -6}, {9, -9}, {3, 8}}); }, palette.glass);
    // The control panel with its dial.
    thrown(cr, {108, 128}, 0.3, [](cairo_t* c) { rounded_rect_path(c, -15, -8, 30, 16, 2); }, palette.panel);
    dot(cr, 104, 127, 4, white);
    // The Grawn's ghost escaping upwards, faint.
    cairo_save(cr);
    cairo_new_path(cr);
    smooth_path(cr, {{75, 40}, {84, 50}, {80, 64}, {75, 60}, {70, 64}, {66, 50}});
    set_colour(cr, palette.ghost, 0.55);
    cairo_fill(cr);
    cairo_restore(cr);
    // Loose bolts.
    for (Point bolt : {Point {76, 8}, Point {142, 60}, Point {8, 60}, Point {70, 142}})
        draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, bolt.x - 2.5, bolt.y - 2.5, 5, 5, 1); }, palette.dark, no_shade, 1.2);
}

}

platform::Drawing reincarnator(MachineLook look)
{
    Palette const palette = look == MachineLook::whole ? whole_palette : flashing_palette();
    return {reincarnator_width, reincarnator_height, [palette](cairo_t* cr) { paint_reincarnator(cr, palette); }};
}

platform::Drawing reincarnator_wreck()
{
    return {reincarnator_wreck_size, reincarnator_wreck_size, paint_wreck};
}

}
