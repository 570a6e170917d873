// Title lettering from the font's outlines plus drips and hoof prints; the presenter icons.
#include "art/title.hpp"

#include <array>
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
constexpr char const* subtitle = "HOOFCLATTER";
constexpr Colour straw = rgb(255, 222, 110);
constexpr Colour plank = rgb(236, 222, 186);
constexpr Colour post_wood = rgb(150, 104, 60);
constexpr Colour grass = rgb(52, 170, 44);

// Where the lettering sits. The picture alone uses its whole height; on the title screen's sign
// the menu's buttons cover the lower third, so everything there moves up onto a shorter board.
struct Layout {
    double letter_size;
    double baseline;
    double subtitle_size;
    double subtitle_baseline;
    // Drips running down from the feet of the letters: x position and length.
    std::array<Point, 8> drips;
    // The two trails of hoof prints beside the subtitle: the first print of the left trail.
    Point hooves;
};

constexpr Layout full_layout {60, 56, 14, 86, {{{30, 10}, {66, 15}, {96, 7}, {128, 13}, {170, 9}, {205, 16}, {234, 6}, {262, 12}}}, {44, 80}};
// The board ends above the Start button (64 pixels down). The subtitle goes on top, in the band
// the title screen's bullet holes leave clear, and the drips stay short to end on the board.
constexpr double board_height = 63;
constexpr Layout sign_layout {44, 50, 12.5, 15, {{{52, 5}, {84, 7}, {110, 3}, {137, 6}, {166, 4}, {199, 7}, {214, 3}, {246, 6}}}, {62, 9}};

void drips_path(cairo_t* cr, Layout const& layout)
{
    for (auto const& drip : layout.drips) {
        double const end = layout.baseline + drip.y;
        cairo_new_sub_path(cr);
        cairo_move_to(cr, drip.x - 2.2, layout.baseline - 3);
        cairo_line_to(cr, drip.x - 1.6, end);
        cairo_arc_negative(cr, drip.x, end + 1.4, 2.6, M_PI - 0.6, 0.6);
        cairo_line_to(cr, drip.x + 2.2, layout.baseline - 3);
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

void paint_title(cairo_t* cr, Layout const& layout)
{
    auto const lettering = [&layout](cairo_t* c) { text_path(c, title_text, layout.letter_size, title_width / 2.0, layout.baseline, title_width - 16); };
    auto const drips = [&layout](cairo_t* c) { drips_path(c, layout); };
    // All outlines first, then all fills, so the drips and letters read as one wet shape.
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 2 * heavy_outline);
    set_colour(cr, ink);
    lettering(cr);
    cairo_stroke(cr);
    drips(cr);
    cairo_stroke(cr);
    draw_shape(cr, drips, blood, no_shade, 0);
    draw_shape(cr, lettering, blood, layout.letter_size / 12, 0);
    // A wet shine along the top of each letter.
    draw_inside(cr, lettering, [cr, &layout] {
        set_colour(cr, white, 0.3);
        cairo_rectangle(cr, 0, 0, title_width, layout.baseline - layout.letter_size * 0.57);
        cairo_fill(cr);
    });
    // The subtitle between two trails of hoof prints.
    draw_shape(cr, [&layout](cairo_t* c) { text_path(c, subtitle, layout.subtitle_size, title_width / 2.0, layout.subtitle_baseline, 150); }, straw, no_shade,
        layout.subtitle_size / 10);
    for (int i = 0; i < 3; ++i) {
        double const y = layout.hooves.y + (i % 2) * 2;
        hoof_print(cr, layout.hooves.x + i * 14, y, 1.2);
        hoof_print(cr, title_width - layout.hooves.x - i * 14, y, -1.2);
    }
}

// The board's two posts, planted in tufts of grass at the picture's bottom edge.
void paint_posts(cairo_t* cr)
{
    for (double x : {40.0, title_width - 50.0}) {
        draw_shape(cr, [x](cairo_t* c) { cairo_rectangle(c, x, board_height - 6, 10, title_height - board_height + 8); }, post_wood, 2.5,
            heavy_outline * 0.8);
        draw_shape(cr, [x](cairo_t* c) {
            polygon_path(c, {{x - 7, title_height}, {x - 6, 82}, {x - 2, 87}, {x + 1, 79}, {x + 4, 86}, {x + 7, 80}, {x + 9, 86}, {x + 13, 78},
                {x + 14, 86}, {x + 17, title_height}});
        }, grass, no_shade, outline);
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
    return {title_width, title_height, [](cairo_t* cr) { paint_title(cr, full_layout); }};
}

platform::Drawing title_sign()
{
    return {title_width, title_height, [](cairo_t* cr) {
        // A painted farm sign of pale boards on two posts, the board above the menu: it hides
        // whatever lies behind the title, and the buttons stand in the grass between its posts.
        paint_posts(cr);
        auto const board = [](cairo_t* c) { rounded_rect_path(c, 1.5, 1.5, title_width - 3, board_height - 3, 8); };
        draw_shape(cr, board, plank, 3.0, heavy_outline);
        draw_inside(cr, board, [cr] {
            double const y = board_height / 2;
            stroke_line(cr, [y](cairo_t* c) { cairo_move_to(c, 0, y); cairo_line_to(c, title_width, y); }, fine_line, rgb(190, 160, 110));
        });
        paint_title(cr, sign_layout);
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
