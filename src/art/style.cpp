// The shared cartoon style: outline-then-fill shapes with one shade tone, and mirroring.
#include "art/style.hpp"

#include <cmath>
#include <vector>

namespace art {

Colour shade_of(Colour colour)
{
    // Darker and a little cooler, so the shade of a warm colour does not turn muddy.
    return {colour.red * 0.68, colour.green * 0.68, colour.blue * 0.74 + 0.03};
}

Colour mix(Colour from, Colour to, double amount)
{
    return {from.red + (to.red - from.red) * amount, from.green + (to.green - from.green) * amount,
        from.blue + (to.blue - from.blue) * amount};
}

void set_colour(cairo_t* cr, Colour colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.red, colour.green, colour.blue, alpha);
}

void ellipse_path(cairo_t* cr, double centre_x, double centre_y, double radius_x, double radius_y)
{
    cairo_save(cr);
    cairo_translate(cr, centre_x, centre_y);
    cairo_scale(cr, radius_x, radius_y);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void rounded_rect_path(cairo_t* cr, double x, double y, double width, double height, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void polygon_path(cairo_t* cr, std::initializer_list<Point> points)
{
    bool first = true;
    for (Point const& point : points) {
        if (first)
            cairo_move_to(cr, point.x, point.y);
        else
            cairo_line_to(cr, point.x, point.y);
        first = false;
    }
    cairo_close_path(cr);
}

void smooth_path(cairo_t* cr, std::initializer_list<Point> list)
{
    std::vector<Point> const points(list);
    std::size_t const count = points.size();
    if (count < 3) {
        polygon_path(cr, list);
        return;
    }
    auto at = [&](std::size_t index) { return points[index % count]; };
    cairo_move_to(cr, points[0].x, points[0].y);
    for (std::size_t i = 0; i < count; ++i) {
        Point const before = at(i + count - 1);
        Point const from = at(i);
        Point const to = at(i + 1);
        Point const after = at(i + 2);
        cairo_curve_to(cr, from.x + (to.x - before.x) / 6, from.y + (to.y - before.y) / 6, to.x - (after.x - from.x) / 6,
            to.y - (after.y - from.y) / 6, to.x, to.y);
    }
    cairo_close_path(cr);
}

void draw_shape(cairo_t* cr, PathMaker const& path, Colour fill, double shade_depth, double line)
{
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    // The outline is stroked at twice its width and then half covered by the fill, so all of it
    // lies outside the shape and thin parts keep their full colour.
    if (line > 0) {
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, 2 * line);
        set_colour(cr, ink);
        cairo_stroke_preserve(cr);
    }
    if (shade_depth > 0) {
        // Shade everything, then repaint the lit part: the shape moved up by the shade depth and
        // clipped to the shape leaves a band of shade along the lower edge.
        set_colour(cr, shade_of(fill));
        cairo_fill_preserve(cr);
        cairo_clip(cr);
        cairo_translate(cr, 0, -shade_depth);
        path(cr);
        set_colour(cr, fill);
        cairo_fill(cr);
    } else {
        set_colour(cr, fill);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void draw_detail(cairo_t* cr, PathMaker const& path, Colour fill, double line)
{
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    set_colour(cr, fill);
    cairo_fill_preserve(cr);
    if (line > 0) {
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(cr, line);
        set_colour(cr, ink);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_restore(cr);
}

void dot(cairo_t* cr, double x, double y, double radius, Colour colour)
{
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    set_colour(cr, colour);
    cairo_fill(cr);
    cairo_restore(cr);
}

void draw_inside(cairo_t* cr, PathMaker const& shape, std::function<void()> const& paint)
{
    cairo_save(cr);
    cairo_new_path(cr);
    shape(cr);
    cairo_clip(cr);
    paint();
    cairo_restore(cr);
}

void stroke_line(cairo_t* cr, PathMaker const& path, double width, Colour colour)
{
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width);
    set_colour(cr, colour);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void text_path(cairo_t* cr, char const* text, double size, double centre_x, double base, double room)
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
    cairo_translate(cr, centre_x, base);
    cairo_scale(cr, squeeze, 1);
    cairo_move_to(cr, -extents.x_bearing - extents.width / 2, 0);
    cairo_text_path(cr, text);
    cairo_restore(cr);
}

platform::Drawing facing_drawing(int width, int height, Facing facing, platform::Painter paint_facing_right)
{
    return {width, height, [width, facing, paint = std::move(paint_facing_right)](cairo_t* cr) {
                cairo_save(cr);
                if (facing == Facing::left) {
                    cairo_translate(cr, width, 0);
                    cairo_scale(cr, -1, 1);
                }
                paint(cr);
                cairo_restore(cr);
            }};
}

}
