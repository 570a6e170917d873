// The Grawn Re-Incarnation Machine: dome, tube, control panel and tracks in one palette; the
// wreck throws its glass and dome out of the big explosion cloud.
#include "art/reincarnator.hpp"

#include "art/effects.hpp"
#include "art/grawn.hpp"

#include <cmath>

namespace art {
namespace {

constexpr double line = 2.0;
constexpr double centre_x = reincarnator_width / 2.0;

// The Grawns' own colours: their purple fur for the casing, their yellow glare for its eyes,
// their dark red maw and bone-white fangs for its intake.
struct Palette {
    Colour casing;
    Colour dark;
    Colour glass;
    Colour ghost;
    Colour tread;
    Colour lamp;
    Colour panel;
    Colour maw;
    Colour bone;
};

constexpr Palette whole_palette {
    rgb(124, 90, 152), rgb(64, 44, 92), rgb(150, 226, 120), rgb(90, 230, 110), rgb(58, 56, 66), rgb(255, 214, 0), rgb(176, 182, 194),
    rgb(150, 16, 30), rgb(240, 234, 206),
};

// Every part glows red while the hit shows; the eyes blaze white.
Palette flashing_palette()
{
    constexpr Colour hit_red = rgb(255, 78, 62);
    Palette const w = whole_palette;
    return {mix(w.casing, hit_red, 0.7), mix(w.dark, hit_red, 0.6), mix(w.glass, hit_red, 0.6), mix(w.ghost, hit_red, 0.5),
        mix(w.tread, hit_red, 0.5), white, mix(w.panel, hit_red, 0.6), mix(w.maw, hit_red, 0.4), mix(w.bone, hit_red, 0.4)};
}

// The dome is the machine's brow: two Grawn's ears, a bristling crest, the aerial with its spark
// ball, and two slanted eyes glaring under heavy brows.
void paint_dome(cairo_t* cr, Palette const& palette)
{
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, centre_x, 20);
        cairo_line_to(c, centre_x, 6);
    }, 2.2);
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, centre_x, 6, 4.5, 0, 2 * M_PI); }, palette.lamp, no_shade, line);
    for (double side : {-1.0, 1.0})
        draw_shape(cr, [=](cairo_t* c) { polygon_path(c, {{centre_x + side * 22, 30}, {centre_x + side * 38, 8}, {centre_x + side * 36, 36}}); },
            palette.casing, 2, line);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 16, 37);
        cairo_line_to(c, 18, 26);
        // The crest: fur spikes swept back along the dome.
        for (int i = 0; i < 6; ++i) {
            double const x = 24 + i * 10.4;
            double const y = 17 - 4 * std::sin((i + 0.5) * M_PI / 6);
            cairo_line_to(c, x, y + 3);
            cairo_line_to(c, x + 3, y - 5);
        }
        cairo_line_to(c, 82, 26);
        cairo_line_to(c, 84, 37);
        cairo_close_path(c);
    }, palette.casing, 3, line);
    for (double side : {-1.0, 1.0}) {
        Point const eye {centre_x + side * 15, 26};
        draw_shape(cr, [=](cairo_t* c) {
            polygon_path(c, {{eye.x - side * 8, eye.y + 2}, {eye.x + side * 8, eye.y - 4}, {eye.x + side * 6, eye.y + 4}});
        }, palette.lamp, no_shade, 1.4);
        dot(cr, eye.x + side * 1.5, eye.y + 0.6, 1.6, ink);
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, eye.x - side * 10, eye.y - 1);
            cairo_line_to(c, eye.x + side * 9, eye.y - 8);
        }, 2.6);
    }
}

void tube_path(cairo_t* cr) { rounded_rect_path(cr, 24, 40, 52, 58, 12); }

// A row of fangs along the edge `y` of the maw, pointing by `length` (down from the top edge,
// up from the bottom edge).
void fangs(cairo_t* cr, double y, double length, Colour bone)
{
    for (int i = 0; i < 6; ++i) {
        double const x = 25 + i * 10 + (length < 0 ? 5 : 0);
        double const reach = (i == 0 || i == 5) ? length * 1.5 : length;
        draw_detail(cr, [=](cairo_t* c) { polygon_path(c, {{x - 3.2, y}, {x, y + reach}, {x + 3.2, y}}); }, bone, 1.0);
    }
}

void paint_cabinet(cairo_t* cr, Palette const& palette)
{
    auto const body = [](cairo_t* c) { rounded_rect_path(c, 10, 34, 80, 98, 7); };
    draw_shape(cr, body, palette.casing, 4, line);
    // Rivets down both sides.
    for (double y : {44.0, 64.0, 84.0}) {
        dot(cr, 15, y, 1.3, palette.dark);
        dot(cr, 85, y, 1.3, palette.dark);
    }
    // The tube of bubbling serum, a new Grawn taking shape in it.
    draw_shape(cr, tube_path, palette.glass, no_shade, line);
    draw_inside(cr, tube_path, [&] {
        paint_grawn_face(cr, {centre_x, 72}, 2.2);
        cairo_new_path(cr);
        cairo_rectangle(cr, 24, 40, 52, 58);
        set_colour(cr, palette.glass, 0.35);
        cairo_fill(cr);
        for (Point bubble : {Point {31, 90}, Point {70, 82}, Point {68, 52}, Point {31, 58}, Point {62, 92}})
            dot(cr, bubble.x, bubble.y, 1.8, mix(palette.glass, white, 0.7));
        stroke_line(cr, [](cairo_t* c) {
            cairo_move_to(c, 29, 46);
            cairo_line_to(c, 29, 66);
        }, 2.4, mix(palette.glass, white, 0.85));
    });
    // The intake: a gaping jaw that swallows what is left of the dead.
    auto const jaw = [](cairo_t* c) { rounded_rect_path(c, 18, 103, 64, 25, 9); };
    draw_shape(cr, jaw, palette.maw, no_shade, line);
    draw_inside(cr, jaw, [&] {
        cairo_new_path(cr);
        ellipse_path(cr, centre_x, 118, 22, 6);
        set_colour(cr, ink, 0.6);
        cairo_fill(cr);
        fangs(cr, 103, 9, palette.bone);
        fangs(cr, 128, -7, palette.bone);
    });
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
