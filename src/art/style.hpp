// The cartoon style every picture of the game shares, as a small kit of colours and shape helpers.
//
// How a picture is drawn with this kit:
// - Every painter works in the picture's own size in pixels (the platform scales the context for
//   larger window scales), so draw with vectors only and the picture stays crisp at any scale.
// - The background stays transparent; only the subject is painted.
// - Each part of a subject is one closed path, drawn back to front with `draw_shape`: first a
//   bold dark outline (`ink`, `outline` wide, all of it outside the fill), then a flat fill, then
//   one shade tone (`shade_of`) along its lower edge, as if lit from above. Parts drawn later
//   cover the outline of earlier parts where they overlap, which is what makes them read as
//   separate pieces.
// - Small details (eyes, nostrils, stripes) use `draw_detail` or `dot`: a fill with a thin ink
//   line, no shade.
// - Characters are drawn facing right and mirrored for facing left (`facing_drawing`), so the two
//   variants are exact mirror images. The head, snout or gun leads: the facing direction must be
//   obvious at a glance.
// - At 35 × 35 pixels there is room for a silhouette, an eye and one or two features; keep
//   parts at least two pixels thick so they survive on the red, green, grey and cyan backgrounds.
#pragma once

#include "platform/picture.hpp"

#include <cairo.h>

#include <functional>
#include <initializer_list>

namespace art {

// Which way a character looks and walks.
enum class Facing { left, right };

// A colour with components from 0 to 1.
struct Colour {
    double red = 0;
    double green = 0;
    double blue = 0;
};

constexpr Colour rgb(int red, int green, int blue)
{
    return {red / 255.0, green / 255.0, blue / 255.0};
}

// The dark line colour of every outline: a warm near-black, softer than pure black.
inline constexpr Colour ink = rgb(26, 16, 20);
inline constexpr Colour white = rgb(250, 250, 246);

// Outline widths in picture pixels: `outline` for sprites of about 35 pixels, `fine_line` for
// details inside them, `heavy_outline` for large pictures (scenery, title, big explosions).
inline constexpr double outline = 1.5;
inline constexpr double fine_line = 0.9;
inline constexpr double heavy_outline = 3.0;

// The one shade tone of a fill colour: the same hue, darker.
Colour shade_of(Colour colour);
// A colour moved towards another by `amount` (0 keeps `from`, 1 gives `to`).
Colour mix(Colour from, Colour to, double amount);

void set_colour(cairo_t* cr, Colour colour, double alpha = 1.0);

// Adds one closed sub-path to the current path.
using PathMaker = std::function<void(cairo_t*)>;

struct Point {
    double x = 0;
    double y = 0;
};

void ellipse_path(cairo_t* cr, double centre_x, double centre_y, double radius_x, double radius_y);
void rounded_rect_path(cairo_t* cr, double x, double y, double width, double height, double radius);
// Straight edges through the points, closed.
void polygon_path(cairo_t* cr, std::initializer_list<Point> points);
// A smooth closed curve through the points (Catmull-Rom turned into Bezier segments).
void smooth_path(cairo_t* cr, std::initializer_list<Point> points);

// How much of a shape's lower edge takes the shade tone, in picture pixels; `no_shade` gives a
// plain flat fill.
inline constexpr double no_shade = 0.0;

// The standard part: outline, flat fill, shade band along the lower edge (see the top of file).
void draw_shape(cairo_t* cr, PathMaker const& path, Colour fill, double shade_depth = 2.0, double line = outline);
// A small detail: fill, then a thin ink line over its edge.
void draw_detail(cairo_t* cr, PathMaker const& path, Colour fill, double line = fine_line);
// A round dot without outline (pupils, nostrils, highlights).
void dot(cairo_t* cr, double x, double y, double radius, Colour colour);
// Paints with the clip set to the inside of `shape` (patches, stripes, markings on a part).
void draw_inside(cairo_t* cr, PathMaker const& shape, std::function<void()> const& paint);
// An ink stroke along an open path (mouths, creases, claws); round caps and joins.
void stroke_line(cairo_t* cr, PathMaker const& path, double width, Colour colour = ink);

// The outlines of `text` in bold lettering, hinting off so every scale gives the same shapes,
// centred on `centre_x` along the baseline `base` and squeezed to fit within `room` pixels if the
// font runs wide.
void text_path(cairo_t* cr, char const* text, double size, double centre_x, double base, double room);

// A character's picture: `paint_facing_right` draws it looking right; for `Facing::left` the same
// drawing is mirrored about the picture's vertical centre line.
platform::Drawing facing_drawing(int width, int height, Facing facing, platform::Painter paint_facing_right);

}
