// Title lettering from the font's outlines plus drips and hoof prints; the presenter icons.
#include "art/title.hpp"

#include <cmath>
#include <string>

namespace art {
namespace {

constexpr int title_width = 300;
constexpr int title_height = 90;
constexpr Colour blood = rgb(206, 18, 24);
constexpr Colour gold = rgb(246, 196, 52);
constexpr Colour silver = rgb(184, 190, 204);
constexpr Colour film = rgb(46, 42, 50);
constexpr char const* title_text = "GRAWN 2";
constexpr double letter_size = 60;
constexpr double baseline = 56;
constexpr char const* subtitle = "HOOFCLATTER";
constexpr double subtitle_size = 14;
constexpr double subtitle_baseline = 86;
constexpr Colour straw = rgb(255, 222, 110);

// The outlines of `text`, hinting off so every scale gives the same shapes, centred across the
// picture on `base` and squeezed to fit within `room` pixels if the font runs wide.
void text_path(cairo_t* cr, char const* text, double size, double base, double room)
{
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    double const squeeze = extents.width > room ? room / extents.width : 1.0;
    cairo_save(cr);
    cairo_translate(cr, title_width / 2.0, base);
    cairo_scale(cr, squeeze, 1);
    cairo_move_to(cr, -extents.x_bearing - extents.width / 2, 0);
    cairo_text_path(cr, text);
    cairo_restore(cr);
}

void lettering_path(cairo_t* cr)
{
    text_path(cr, title_text, letter_size, baseline, title_width - 16);
}

void subtitle_path(cairo_t* cr)
{
    text_path(cr, subtitle, subtitle_size, subtitle_baseline, 150);
}

// Drips running down from the feet of the letters: x position and length.
constexpr double drips[][2] = {{30, 10}, {66, 15}, {96, 7}, {128, 13}, {170, 9}, {205, 16}, {234, 6}, {262, 12}};

void drips_path(cairo_t* cr)
{
    for (auto const& drip : drips) {
        double const x = drip[0];
        double const end = baseline + drip[1];
        cairo_new_sub_path(cr);
        cairo_move_to(cr, x - 2.2, baseline - 3);
        cairo_line_to(cr, x - 1.6, end);
        cairo_arc_negative(cr, x, end + 1.4, 2.6, M_PI - 0.6, 0.6);
        cairo_line_to(cr, x + 2.2, baseline - 3);
        cairo_close_path(cr);
    }
}

// A cloven hoof print: two D-shaped toe pads with a split between them, toes pointing along
// `turn` (0 is up).
void hoof_print(cairo_t* cr, double x, double y, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_scale(cr, 1.15, 1.15);
    set_colour(cr, ink);
    for (double side : {-1.0, 1.0}) {
        cairo_save(cr);
        cairo_scale(cr, side, 1);
        cairo_new_sub_path(cr);
        cairo_move_to(cr, 0.6, -4);
        cairo_curve_to(cr, 3.4, -3.6, 3.6, 2.6, 2.6, 3.6);
        cairo_curve_to(cr, 1.8, 4.2, 0.6, 3.6, 0.6, 2.4);
        cairo_close_path(cr);
        cairo_restore(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

void paint_title(cairo_t* cr)
{
    // All outlines first, then all fills, so the drips and letters read as one wet shape.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2 * heavy_outline);
    set_colour(cr, ink);
    lettering_path(cr);
    cairo_stroke(cr);
    drips_path(cr);
    cairo_stroke(cr);
    draw_shape(cr, drips_path, blood, no_shade, 0);
    draw_shape(cr, lettering_path, blood, 5, 0);
    // A wet shine along the top of each letter.
    draw_inside(cr, lettering_path, [cr] {
        set_colour(cr, white, 0.3);
        cairo_rectangle(cr, 0, 0, title_width, baseline - 34);
        cairo_fill(cr);
    });
    // The subtitle between two trails of hoof prints.
    draw_shape(cr, subtitle_path, straw, no_shade, 1.4);
    for (int i = 0; i < 3; ++i) {
        double const y = subtitle_baseline - 6 + (i % 2) * 2;
        hoof_print(cr, 44 + i * 14, y, 1.2);
        hoof_print(cr, 256 - i * 14, y, -1.2);
    }
}

void paint_bell(cairo_t* cr)
{
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, 16, 4.5, 2.6, 0, 2 * M_PI); }, gold, no_shade, 1.2);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 3.5, 25);
        cairo_curve_to(c, 7, 22, 7, 18, 7.5, 13);
        cairo_curve_to(c, 8, 4.5, 24, 4.5, 24.5, 13);
        cairo_curve_to(c, 25, 18, 25, 22, 28.5, 25);
        cairo_close_path(c);
    }, gold, 2.5);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 2.5, 24, 27, 3.8, 1.8); }, gold, 1.2);
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, 16, 29, 2.4, 0, 2 * M_PI); }, shade_of(gold), no_shade, 1.2);
    // The studio's "P" on the bell.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 13.6, 21);
        cairo_line_to(c, 13.6, 11);
        cairo_line_to(c, 16.6, 11);
        cairo_arc(c, 16.6, 14, 3, -M_PI / 2, M_PI / 2);
        cairo_line_to(c, 13.6, 17);
    }, 2.2, rgb(140, 30, 24));
    dot(cr, 10.4, 12, 1.3, white);
}

void paint_reel(cairo_t* cr)
{
    // Film running off the reel, then the reel with its spokes' holes.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{16, 26}, {31, 27.5}, {31, 31.5}, {14, 30.5}}); }, film, no_shade, 1.2);
    for (double x = 19; x < 31; x += 3)
        dot(cr, x, 29.2 + (x - 19) * 0.06, 0.6, white);
    draw_shape(cr, [](cairo_t* c) { cairo_arc(c, 14, 15, 12.5, 0, 2 * M_PI); }, silver, 2.4);
    for (int i = 0; i < 5; ++i) {
        double const angle = -M_PI / 2 + i * 2 * M_PI / 5;
        draw_detail(cr, [=](cairo_t* c) { cairo_arc(c, 14 + 6.8 * std::cos(angle), 15 + 6.8 * std::sin(angle), 3, 0, 2 * M_PI); },
            film);
    }
    draw_detail(cr, [](cairo_t* c) { cairo_arc(c, 14, 15, 2, 0, 2 * M_PI); }, film);
}

}

platform::Drawing title_artwork()
{
    return {title_width, title_height, paint_title};
}

platform::Drawing title_sign()
{
    return {title_width, title_height, [](cairo_t* cr) {
        // A painted farm sign of pale boards: it hides whatever lies behind the title.
        auto const board = [](cairo_t* c) { rounded_rect_path(c, 1.5, 1.5, title_width - 3, title_height - 3, 8); };
        draw_shape(cr, board, rgb(236, 222, 186), 3.0, heavy_outline);
        draw_inside(cr, board, [cr] {
            for (double y = title_height / 3.0; y < title_height; y += title_height / 3.0)
                stroke_line(cr, [y](cairo_t* c) { cairo_move_to(c, 0, y); cairo_line_to(c, title_width, y); }, fine_line, rgb(190, 160, 110));
        });
        paint_title(cr);
    }};
}

platform::Drawing presenter_icon(PresenterIcon icon)
{
    switch (icon) {
    case PresenterIcon::bell:
        return {32, 32, paint_bell};
    case PresenterIcon::reel:
        break;
    }
    return {32, 32, paint_reel};
}

}
