// Cars and trucks seen from above. Each part is placed by its distance from the vehicle's front,
// so one drawing serves both headings while the shade still falls on the lower edge of every part.
#include "art/vehicles.hpp"

namespace art {
namespace {

constexpr Colour tyre = rgb(44, 40, 46);
constexpr Colour glass = rgb(128, 178, 214);
constexpr Colour headlight = rgb(255, 244, 168);
constexpr Colour tail_light = rgb(255, 84, 58);
constexpr Colour cab_green = rgb(58, 168, 92);
constexpr Colour trailer_cream = rgb(242, 232, 204);
constexpr Colour coupling = rgb(90, 88, 96);

Colour paint_colour(CarPaint paint)
{
    switch (paint) {
    case CarPaint::red:
        return rgb(222, 52, 48);
    case CarPaint::blue:
        return rgb(58, 112, 222);
    case CarPaint::yellow:
        return rgb(250, 204, 44);
    }
    return rgb(222, 52, 48);
}

// Places parts along a vehicle: `ahead` is the distance from the front bumper.
class Along {
public:
    Along(int length, Heading heading)
        : m_length(length)
        , m_heading(heading)
    {
    }

    double y(double ahead) const { return m_heading == Heading::up ? ahead : m_length - ahead; }
    Point at(double x, double ahead) const { return {x, y(ahead)}; }

    // A rounded box across the vehicle from `ahead` back over `length` pixels.
    PathMaker box(double x, double ahead, double width, double length, double radius) const
    {
        double const top = m_heading == Heading::up ? ahead : m_length - ahead - length;
        return [=](cairo_t* c) { rounded_rect_path(c, x, top, width, length, radius); };
    }

    // A four-cornered pane, wider at `wide_ahead` than at `narrow_ahead`.
    PathMaker pane(double wide_ahead, double narrow_ahead, double wide_half, double narrow_half) const
    {
        double const middle = vehicle_width / 2.0;
        Point const a = at(middle - wide_half, wide_ahead);
        Point const b = at(middle + wide_half, wide_ahead);
        Point const c = at(middle + narrow_half, narrow_ahead);
        Point const d = at(middle - narrow_half, narrow_ahead);
        return [=](cairo_t* cr) { polygon_path(cr, {a, b, c, d}); };
    }

private:
    int m_length;
    Heading m_heading;
};

// A pair of tyres poking out on both sides at one axle.
void axle(cairo_t* cr, Along const& along, double ahead, double length)
{
    draw_shape(cr, along.box(2, ahead, 6, length, 2), tyre, no_shade, 1.0);
    draw_shape(cr, along.box(vehicle_width - 8, ahead, 6, length, 2), tyre, no_shade, 1.0);
}

void lamps(cairo_t* cr, Along const& along, double ahead, double spread, double radius_x, double radius_y, Colour colour)
{
    for (double x : {vehicle_width / 2.0 - spread, vehicle_width / 2.0 + spread}) {
        Point const p = along.at(x, ahead);
        draw_detail(cr, [=](cairo_t* c) { ellipse_path(c, p.x, p.y, radius_x, radius_y); }, colour);
    }
}

void mirrors(cairo_t* cr, Along const& along, double ahead, double inset, Colour colour)
{
    for (double x : {inset, vehicle_width - inset}) {
        Point const p = along.at(x, ahead);
        draw_shape(cr, [=](cairo_t* c) { ellipse_path(c, p.x, p.y, 2.2, 1.6); }, colour, no_shade, 1.0);
    }
}

void paint_car(cairo_t* cr, Heading heading, Colour body)
{
    Along const along(car_length, heading);
    axle(cr, along, 11, 13);
    axle(cr, along, 51, 13);
    mirrors(cr, along, 24, 4.5, body);
    draw_shape(cr, along.box(5, 2, 30, 71, 9), body, 2.5);
    // Creases along the bonnet say where the front is even before the glass does.
    for (double x : {13.5, 26.5})
        stroke_line(cr, [=](cairo_t* c) {
            Point const from = along.at(x, 8);
            Point const to = along.at(x, 17);
            cairo_move_to(c, from.x, from.y);
            cairo_line_to(c, to.x, to.y);
        }, 0.8, shade_of(body));
    lamps(cr, along, 5.5, 9, 3.2, 2.0, headlight);
    draw_shape(cr, along.pane(29, 19, 10, 8), glass, no_shade, 1.0);
    draw_shape(cr, along.box(10, 29, 20, 22, 3), mix(body, white, 0.2), 1.5, 1.0);
    draw_shape(cr, along.pane(51, 58, 10, 8), glass, no_shade, 1.0);
    lamps(cr, along, 70.5, 10, 2.8, 1.4, tail_light);
}

void paint_truck(cairo_t* cr, Heading heading)
{
    Along const along(truck_length, heading);
    axle(cr, along, 9, 12);
    axle(cr, along, 112, 13);
    axle(cr, along, 130, 13);
    // The trailer, a plain box with ribs across its roof, hangs on a coupling behind the cab.
    draw_shape(cr, along.box(17, 34, 6, 14, 1), coupling, no_shade, 1.0);
    PathMaker const trailer = along.box(3, 44, 34, 104, 3);
    draw_shape(cr, trailer, trailer_cream, 3.0);
    draw_inside(cr, trailer, [&] {
        for (double ahead = 54; ahead < 146; ahead += 11) {
            stroke_line(cr, [=](cairo_t* c) {
                Point const from = along.at(3, ahead);
                Point const to = along.at(37, ahead);
                cairo_move_to(c, from.x, from.y);
                cairo_line_to(c, to.x, to.y);
            }, 1.0, shade_of(trailer_cream));
        }
    });
    lamps(cr, along, 146, 12, 2.6, 1.3, tail_light);
    mirrors(cr, along, 14, 3.5, cab_green);
    draw_shape(cr, along.box(5, 2, 30, 36, 6), cab_green, 2.5);
    lamps(cr, along, 5.5, 9, 3.0, 1.9, headlight);
    draw_shape(cr, along.pane(17, 9, 11, 9), glass, no_shade, 1.0);
    draw_shape(cr, along.box(9, 17, 22, 18, 3), mix(cab_green, white, 0.2), 1.5, 1.0);
}

}

platform::Drawing car(Heading heading, CarPaint paint)
{
    Colour const body = paint_colour(paint);
    return {vehicle_width, car_length, [heading, body](cairo_t* cr) { paint_car(cr, heading, body); }};
}

platform::Drawing truck(Heading heading)
{
    return {vehicle_width, truck_length, [heading](cairo_t* cr) { paint_truck(cr, heading); }};
}

}
