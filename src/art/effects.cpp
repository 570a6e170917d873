// Flames, splats and explosions: layered fills with an ink outline around the outer layer.
#include "art/effects.hpp"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

constexpr Colour flame_red = rgb(236, 70, 18);
constexpr Colour flame_orange = rgb(255, 152, 24);
constexpr Colour flame_yellow = rgb(255, 236, 120);
constexpr Colour blood = rgb(206, 14, 26);
constexpr Colour splinter = rgb(214, 206, 192);
constexpr Colour hole = rgb(30, 20, 22);
constexpr Colour smoke = rgb(112, 104, 112);

// A flame shape with three licking tongues in a box `width` wide with its base at `bottom`,
// scaled about the bottom centre so the inner layers can reuse it.
void flame_path(cairo_t* cr, double scale, double centre_x, double bottom)
{
    cairo_save(cr);
    cairo_translate(cr, centre_x, bottom);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -17.5, -34);
    cairo_move_to(cr, 11, 34);
    cairo_curve_to(cr, 3, 31, 2, 21.5, 7.5, 13);
    cairo_curve_to(cr, 7.8, 17.5, 9.2, 19.2, 11, 18.6);
    cairo_curve_to(cr, 9.6, 12.5, 12, 6.2, 16, 0.8);
    cairo_curve_to(cr, 17, 6, 19.2, 9, 20.4, 12.4);
    cairo_curve_to(cr, 21.2, 9.4, 23.4, 7, 27, 5.4);
    cairo_curve_to(cr, 25.8, 10.4, 27, 13.4, 29.8, 16.4);
    cairo_curve_to(cr, 33.4, 21, 33.6, 30.4, 25, 34);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// A closed star-like outline around a centre: `count` points alternating between the outer and
// inner radius, each point's radius nudged by a fixed pattern so it looks hand-drawn.
void burst_path(cairo_t* cr, double x, double y, int count, double outer, double inner, double turn)
{
    for (int i = 0; i < 2 * count; ++i) {
        double const angle = turn + i * M_PI / count;
        double const wobble = 1 + 0.14 * std::sin(i * 2.7 + turn * 5);
        double const radius = (i % 2 == 0 ? outer : inner) * wobble;
        double const px = x + radius * std::cos(angle);
        double const py = y + radius * std::sin(angle);
        if (i == 0)
            cairo_move_to(cr, px, py);
        else
            cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
}

void paint_flame(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { flame_path(c, 1.0, 17.5, 34); }, flame_red, no_shade);
    draw_shape(cr, [](cairo_t* c) { flame_path(c, 0.7, 17.8, 33.4); }, flame_orange, no_shade, 0);
    draw_shape(cr, [](cairo_t* c) { flame_path(c, 0.4, 18, 32.8); }, flame_yellow, no_shade, 0);
}

void paint_blood_splat(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) {
        // A lumpy splash: a smooth curve through alternating long and short spokes.
        double const spokes[] = {14.5, 8, 12, 9, 15.5, 7.5, 11, 8.5, 13.5, 7, 12.5, 9, 15, 8};
        int const count = static_cast<int>(std::size(spokes));
        for (int i = 0; i < count; ++i) {
            double const angle = 0.3 + i * 2 * M_PI / count;
            double const px = 17.5 + spokes[i] * std::cos(angle);
            double const py = 18 + spokes[i] * 0.92 * std::sin(angle);
            if (i == 0)
                cairo_move_to(c, px, py);
            else
                cairo_line_to(c, px, py);
        }
        cairo_close_path(c);
        // Loose drops flung around it.
        double const drops[][3] = {{3.2, 5.2, 1.8}, {31.6, 4.6, 1.5}, {32.4, 30.4, 2}, {2.8, 30, 1.4}, {18, 1.8, 1.2}};
        for (auto const& drop : drops) {
            cairo_new_sub_path(c);
            cairo_arc(c, drop[0], drop[1], drop[2], 0, 2 * M_PI);
        }
    }, blood, 2.4);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 13.6, 13.4, 3, 1.8); }, mix(blood, white, 0.45), no_shade, 0);
}

void paint_bullet_hole(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { burst_path(c, 10, 10, 7, 9, 5.2, 0.2); }, splinter, 1.4, 1.1);
    // Cracks running out from the hole.
    stroke_line(cr, [](cairo_t* c) {
        for (int i = 0; i < 5; ++i) {
            double const angle = 0.9 + i * 1.3;
            cairo_move_to(c, 10 + 4 * std::cos(angle), 10 + 4 * std::sin(angle));
            cairo_line_to(c, 10 + 7.6 * std::cos(angle + 0.15), 10 + 7.6 * std::sin(angle + 0.15));
        }
    }, 0.7);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 10, 10, 4.2, 4); }, hole, no_shade, 1.1);
    dot(cr, 8.8, 8.6, 1, rgb(90, 80, 80));
}

void paint_small_blast(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { burst_path(c, 10, 10, 8, 9.2, 4.6, 0.1); }, flame_orange, no_shade, 1.2);
    draw_shape(cr, [](cairo_t* c) { burst_path(c, 10, 10, 6, 5.6, 2.8, 0.5); }, flame_yellow, no_shade, 0);
    dot(cr, 10, 10, 1.8, white);
}

void paint_explosion(cairo_t* cr, int size)
{
    // Drawn in a 100 × 100 box scaled into the picture, leaving room for the outline at the edge.
    // Line widths stay in picture pixels whatever the size: sprite lines up to about 75 pixels,
    // heavy lines above.
    double const line_pixels = std::clamp(size / 50.0, outline, heavy_outline);
    double const pad = line_pixels + 0.5;
    double const k = std::max(size - 2 * pad, 1.0) / 100.0;
    double const line = line_pixels / k;
    cairo_save(cr);
    cairo_translate(cr, pad, pad);
    cairo_scale(cr, k, k);
    // Smoke puffs round the edge, then fire bursts, a hot core and flying debris.
    draw_shape(cr, [](cairo_t* c) {
        for (int i = 0; i < 9; ++i) {
            double const angle = i * 2 * M_PI / 9 + 0.4;
            double const reach = 27 + 3 * std::sin(i * 2.1);
            cairo_new_sub_path(c);
            cairo_arc(c, 50 + reach * std::cos(angle), 51 + reach * 0.9 * std::sin(angle), 15 + 2 * std::cos(i * 1.7), 0, 2 * M_PI);
        }
    }, smoke, 6, line);
    for (int i = 0; i < 5; ++i) {
        double const angle = i * 2 * M_PI / 5 + 1.0;
        double const x = 50 + 40 * std::cos(angle);
        double const y = 50 + 40 * std::sin(angle);
        draw_shape(cr, [=](cairo_t* c) {
            polygon_path(c, {{x - 3, y - 2}, {x + 3.5, y - 3}, {x + 2.5, y + 3}, {x - 2.5, y + 2.5}});
        }, rgb(70, 56, 52), no_shade, line * 0.8);
    }
    draw_shape(cr, [](cairo_t* c) { burst_path(c, 50, 50, 11, 39, 24, 0.2); }, flame_red, 5, line);
    draw_shape(cr, [](cairo_t* c) { burst_path(c, 50, 50, 9, 28, 17, 0.5); }, flame_orange, no_shade, 0);
    draw_shape(cr, [](cairo_t* c) { burst_path(c, 50, 50, 7, 17, 10, 0.9); }, flame_yellow, no_shade, 0);
    dot(cr, 50, 50, 8, white);
    cairo_restore(cr);
}

}

platform::Drawing flame()
{
    return {35, 35, paint_flame};
}

platform::Drawing blood_splat()
{
    return {35, 35, paint_blood_splat};
}

platform::Drawing bullet_hole()
{
    return {20, 20, paint_bullet_hole};
}

platform::Drawing small_blast()
{
    return {20, 20, paint_small_blast};
}

platform::Drawing explosion(int size)
{
    return {size, size, [size](cairo_t* cr) { paint_explosion(cr, size); }};
}

}
