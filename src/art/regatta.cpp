// The regatta's sailboats and the 'Click' button. A boat is drawn back to front: mast, sail and
// boom, the crew standing in the hull (reusing the cow and the Grawn), the hull over their legs,
// then the water line over the hull's bottom so the boat sits in the water it races on.
#include "art/regatta.hpp"

#include "art/farm_animals.hpp"
#include "art/grawn.hpp"

#include <cmath>

namespace art {
namespace {

// The same blue as the race's water, so the wave band melts into it.
constexpr Colour water = rgb(128, 128, 255);
constexpr Colour foam = rgb(236, 240, 255);
constexpr Colour wood = rgb(156, 104, 58);
constexpr Colour pennant_yellow = rgb(252, 208, 52);

struct Rig {
    Colour hull;
    Colour stripe;
    Colour sail;
};

Rig rig_of(Crew crew)
{
    if (crew == Crew::grawn)
        return {rgb(84, 56, 104), rgb(142, 214, 76), rgb(60, 56, 68)};
    return {rgb(214, 56, 48), white, rgb(250, 246, 230)};
}

// The crew stands in the stern, behind the mast, looking where the boat goes.
constexpr double crew_left = 6;
constexpr double crew_top = 44;

void hull_path(cairo_t* cr)
{
    cairo_move_to(cr, 3, 73);
    cairo_line_to(cr, 97, 69);
    cairo_curve_to(cr, 94, 86, 88, 98, 80, 104);
    cairo_line_to(cr, 18, 104);
    cairo_curve_to(cr, 9, 96, 5, 86, 3, 73);
    cairo_close_path(cr);
}

// The sail fills towards the bow from the mast down to the boom.
void sail_path(cairo_t* cr)
{
    cairo_move_to(cr, 48, 7);
    cairo_curve_to(cr, 68, 18, 86, 40, 87, 64);
    cairo_line_to(cr, 48, 64);
    cairo_close_path(cr);
}

// A Grawn's sail hangs in tatters: notches bitten out of its trailing edge.
void torn_sail_path(cairo_t* cr)
{
    cairo_move_to(cr, 48, 7);
    cairo_curve_to(cr, 60, 14, 70, 22, 76, 31);
    cairo_line_to(cr, 70, 34);
    cairo_line_to(cr, 80, 38);
    cairo_curve_to(cr, 84, 46, 86, 54, 87, 64);
    cairo_line_to(cr, 48, 64);
    cairo_close_path(cr);
}

// The surface of the water: low waves across the picture, filled down to its bottom edge, whose
// corners are rounded off so that the picture stays a boat on the water, not a box.
void water_path(cairo_t* cr)
{
    constexpr double corner = 6;
    cairo_move_to(cr, 0, 99);
    for (double x = 0; x < sailboat_width; x += 20) {
        cairo_curve_to(cr, x + 5, 95.5, x + 10, 95.5, x + 10, 98);
        cairo_curve_to(cr, x + 15, 101.5, x + 20, 101.5, x + 20, 99);
    }
    cairo_line_to(cr, sailboat_width, sailboat_height - corner);
    cairo_arc(cr, sailboat_width - corner, sailboat_height - corner, corner, 0, M_PI / 2);
    cairo_arc(cr, corner, sailboat_height - corner, corner, M_PI / 2, M_PI);
    cairo_close_path(cr);
}

void paint_rigging(cairo_t* cr, Crew crew, Rig const& rig)
{
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 43.5, 3, 4, 74, 1.5); }, wood, no_shade);
    // The pennant droops: there is no wind.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{43.5, 4}, {43.5, 11}, {35, 14}}); }, pennant_yellow, no_shade, 1.0);
    PathMaker const sail = crew == Crew::grawn ? PathMaker(torn_sail_path) : PathMaker(sail_path);
    draw_shape(cr, sail, rig.sail, 3.0);
    draw_inside(cr, sail, [&] {
        if (crew == Crew::cow) {
            set_colour(cr, rgb(40, 34, 38));
            ellipse_path(cr, 58, 30, 5.5, 4.5);
            ellipse_path(cr, 72, 48, 6.5, 5);
            ellipse_path(cr, 55, 54, 4, 3.5);
            cairo_fill(cr);
        } else {
            // Three claw slashes across the black sail.
            for (double x : {56.0, 63.0, 70.0})
                stroke_line(cr, [=](cairo_t* c) {
                    cairo_move_to(c, x, 26);
                    cairo_curve_to(c, x + 2, 34, x + 3, 44, x + 2, 54);
                }, 2.2, rgb(214, 40, 40));
        }
    });
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 44, 63, 46, 4.5, 2); }, wood, 1.2);
}

void paint_crew(cairo_t* cr, Crew crew)
{
    platform::Drawing const sailor = crew == Crew::grawn ? grawn(Facing::right) : cow(Facing::right);
    cairo_save(cr);
    cairo_translate(cr, crew_left, crew_top);
    sailor.paint(cr);
    cairo_restore(cr);
}

void paint_hull(cairo_t* cr, Rig const& rig)
{
    draw_shape(cr, hull_path, rig.hull, 4.0);
    draw_inside(cr, hull_path, [&] {
        set_colour(cr, rig.stripe);
        cairo_move_to(cr, 0, 79);
        cairo_line_to(cr, 100, 75);
        cairo_line_to(cr, 100, 79.5);
        cairo_line_to(cr, 0, 83.5);
        cairo_close_path(cr);
        cairo_fill(cr);
    });
    for (double x : {30.0, 50.0, 70.0})
        draw_detail(cr, [=](cairo_t* c) { ellipse_path(c, x, 89.5 - x * 0.04, 2.6, 2.6); }, mix(rig.hull, white, 0.55));
}

void paint_water(cairo_t* cr)
{
    cairo_save(cr);
    water_path(cr);
    set_colour(cr, water);
    cairo_fill(cr);
    cairo_restore(cr);
    // Light crests on the waves, the bow wave curling off the stem and the wake behind the stern.
    for (double x = 0; x < sailboat_width; x += 20)
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + 2, 97.4);
            cairo_curve_to(c, x + 5, 96, x + 8, 96, x + 10, 97.6);
        }, 1.3, foam);
    draw_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 80, 97);
        cairo_curve_to(c, 86, 90, 92, 89, 96, 92);
        cairo_curve_to(c, 93, 92, 91, 95, 92, 98);
        cairo_close_path(c);
    }, foam, no_shade, 1.0);
    for (double y : {104.0, 109.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, 2, y);
            cairo_line_to(c, 14, y - 1.5);
        }, 1.3, foam);
}

void paint_sailboat(cairo_t* cr, Crew crew)
{
    Rig const rig = rig_of(crew);
    paint_rigging(cr, crew, rig);
    paint_crew(cr, crew);
    paint_hull(cr, rig);
    paint_water(cr);
}

void paint_click_button(cairo_t* cr)
{
    constexpr Colour plate = rgb(176, 176, 186);
    constexpr Colour collar = rgb(84, 84, 96);
    constexpr Colour red = rgb(228, 50, 44);
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, 4, 14, 92, 82, 14); }, plate, 4.0, heavy_outline);
    // Screws in the plate's corners.
    for (Point const p : {Point{13, 23}, Point{87, 23}, Point{13, 87}, Point{87, 87}})
        draw_detail(cr, [=](cairo_t* c) { ellipse_path(c, p.x, p.y, 2.4, 2.4); }, shade_of(plate));
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 50, 62, 36, 25); }, collar, 3.0, 2.0);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 50, 55, 32, 24); }, red, 6.0, 2.0);
    cairo_save(cr);
    set_colour(cr, white, 0.55);
    ellipse_path(cr, 37, 41, 11, 5);
    cairo_fill(cr);
    cairo_restore(cr);
    draw_shape(cr, [](cairo_t* c) { text_path(c, "Click", 21, click_button_size / 2.0, 62, click_button_size); }, white, no_shade, 2.0);
    // Puffs of air blowing off the top of the button, the way the sail needs them.
    for (double x : {30.0, 50.0, 70.0})
        stroke_line(cr, [=](cairo_t* c) {
            cairo_move_to(c, x - 4, 11);
            cairo_curve_to(c, x - 1, 7, x + 1, 8, x + 4, 3);
        }, 2.0);
}

}

platform::Drawing sailboat(Crew crew)
{
    return {sailboat_width, sailboat_height, [crew](cairo_t* cr) { paint_sailboat(cr, crew); }};
}

platform::Drawing click_button()
{
    return {click_button_size, click_button_size, paint_click_button};
}

}
