// Pig, cow and sheep, drawn facing right in a 35 × 35 box (mirrored for facing left).
#include "art/farm_animals.hpp"

#include <cmath>

namespace art {
namespace {

constexpr Colour pig_pink = rgb(246, 158, 178);
constexpr Colour snout_pink = rgb(250, 190, 200);
constexpr Colour hoof = rgb(70, 50, 50);
constexpr Colour cow_white = rgb(248, 246, 238);
constexpr Colour cow_patch = rgb(40, 34, 38);
constexpr Colour muzzle_pink = rgb(240, 160, 170);
constexpr Colour horn = rgb(236, 220, 170);
constexpr Colour wool = rgb(246, 244, 236);
constexpr Colour sheep_face = rgb(62, 56, 64);

// A short leg with a dark hoof: `far` legs stand behind the body, in the shade tone.
void leg(cairo_t* cr, double x, double top, double bottom, double width, Colour colour)
{
    draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, x, top, width, bottom - top, width / 2.5); }, colour, no_shade);
    draw_shape(cr, [=](cairo_t* c) { rounded_rect_path(c, x, bottom - 2.2, width, 2.2, 0.8); }, hoof, no_shade, 0);
}

// A round black eye with a white glint, so it reads on any body colour.
void eye(cairo_t* cr, double x, double y, double radius)
{
    dot(cr, x, y, radius, ink);
    dot(cr, x + radius * 0.35, y - radius * 0.4, radius * 0.4, white);
}

void paint_pig(cairo_t* cr)
{
    // Tail: a curl at the back.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 4.4, 17.5);
        cairo_curve_to(c, 1.2, 18, 0.6, 13.4, 3, 13);
        cairo_curve_to(c, 5.2, 12.7, 4.8, 15.8, 2.5, 15.5);
    }, 1.3);
    // Far legs, then the body over their tops, then the near legs: short and stubby.
    leg(cr, 9.5, 24, 32.5, 3.8, shade_of(pig_pink));
    leg(cr, 22, 24, 32.5, 3.8, shade_of(pig_pink));
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 15.5, 19.5, 12.6, 9.6); }, pig_pink, 2.6);
    leg(cr, 6, 25, 33.5, 4, pig_pink);
    leg(cr, 18.5, 25, 33.5, 4, pig_pink);
    // Head with a big snout in front: the snout is what says "pig" and which way it looks.
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 26, 16.5, 7, 6.6); }, pig_pink, 1.8);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 31.4, 18.2, 2.5, 3.4); }, snout_pink, no_shade);
    dot(cr, 32, 17, 0.75, ink);
    dot(cr, 32, 19.5, 0.75, ink);
    // Ear: a triangle flopping forward over the brow.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{20.6, 12}, {28.6, 5.6}, {26.6, 11.4}}); }, pig_pink, 1.0);
    eye(cr, 27.2, 14.6, 1.35);
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 26, 21);
        cairo_curve_to(c, 27.2, 22.1, 28.6, 22, 29.4, 21.2);
    }, 0.8);
}

void paint_cow(cairo_t* cr)
{
    PathMaker const body = [](cairo_t* c) { rounded_rect_path(c, 3.5, 11, 22, 14.5, 6); };
    // Tail hanging from the rump with a dark tuft.
    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, 4.5, 13);
        cairo_curve_to(c, 1.5, 15, 1.6, 20, 1.8, 23);
    }, 1.2);
    dot(cr, 1.9, 23.6, 1.5, ink);
    leg(cr, 8, 22, 33, 3.4, shade_of(cow_white));
    leg(cr, 20.5, 22, 33, 3.4, shade_of(cow_white));
    draw_shape(cr, body, cow_white, 2.2);
    // Black patches, clipped to the body.
    draw_inside(cr, body, [cr] {
        set_colour(cr, cow_patch);
        ellipse_path(cr, 9, 12, 4.5, 3.6);
        ellipse_path(cr, 18, 20, 4, 3.4);
        ellipse_path(cr, 4, 22, 2.6, 3.5);
        cairo_fill(cr);
    });
    // Udder between the legs.
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 14, 26.2, 3, 1.9); }, muzzle_pink, no_shade, 1.0);
    leg(cr, 5, 23, 33.5, 3.6, cow_white);
    leg(cr, 17.5, 23, 33.5, 3.6, cow_white);
    // Head, a long face with a pink muzzle, horns and an ear sticking out sideways.
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{22.5, 7.6}, {23.4, 5}, {25.2, 7.2}}); }, horn, no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { polygon_path(c, {{28.2, 7.4}, {30.6, 4.4}, {30.6, 7.8}}); }, horn, no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 20.6, 10.6, 3.2, 1.7); }, cow_white, no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { smooth_path(c, {{22.5, 8.5}, {27.5, 6.8}, {31.5, 10}, {33.2, 16}, {30, 21}, {24.5, 18}}); },
        cow_white, 1.2);
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 30.4, 18.4, 3.9, 3.2); }, muzzle_pink, 1.0, 1.1);
    dot(cr, 31.6, 17.6, 0.7, ink);
    dot(cr, 29.3, 18.1, 0.7, ink);
    eye(cr, 27.6, 11.6, 1.3);
}

void paint_sheep(cairo_t* cr)
{
    leg(cr, 9.5, 22, 33, 3, sheep_face);
    leg(cr, 21, 22, 33, 3, sheep_face);
    // The fleece: a cloud of overlapping puffs, outlined as one shape.
    draw_shape(cr, [](cairo_t* c) {
        ellipse_path(c, 15, 18.5, 11, 7);
        double const puffs[][3] = {{6, 15, 4.2}, {10.5, 11.5, 4.4}, {16, 10.5, 4.6}, {21.5, 12, 4.4}, {25, 16.5, 4},
            {23.5, 22.5, 4}, {17.5, 24.2, 4}, {11.5, 24, 4}, {6, 21.5, 4}, {4, 17.8, 3.6}};
        for (auto const& puff : puffs) {
            cairo_new_sub_path(c);
            cairo_arc(c, puff[0], puff[1], puff[2], 0, 2 * M_PI);
        }
    }, wool, 2.0);
    leg(cr, 6.5, 24, 33.5, 3.2, sheep_face);
    leg(cr, 18, 24, 33.5, 3.2, sheep_face);
    // A dark face in front of the fleece, with a woolly tuft on top and a drooping ear.
    draw_shape(cr, [](cairo_t* c) { ellipse_path(c, 24.5, 13.6, 3.2, 1.6); }, sheep_face, no_shade, 1.0);
    draw_shape(cr, [](cairo_t* c) { smooth_path(c, {{25, 10}, {29.5, 9.4}, {33.5, 14.5}, {32.5, 19}, {28.5, 19.2}, {25.2, 15.5}}); },
        sheep_face, 1.2);
    draw_shape(cr, [](cairo_t* c) {
        cairo_arc(c, 27, 9.6, 2.8, 0, 2 * M_PI);
        cairo_new_sub_path(c);
        cairo_arc(c, 29.8, 9.4, 2.2, 0, 2 * M_PI);
    }, wool, no_shade, 1.0);
    dot(cr, 29.5, 13.6, 1.5, white);
    dot(cr, 30, 13.7, 0.9, ink);
    dot(cr, 32.4, 17.2, 0.55, white);
}

}

platform::Drawing pig(Facing facing)
{
    return facing_drawing(animal_size, animal_size, facing, paint_pig);
}

platform::Drawing cow(Facing facing)
{
    return facing_drawing(animal_size, animal_size, facing, paint_cow);
}

platform::Drawing sheep(Facing facing)
{
    return facing_drawing(animal_size, animal_size, facing, paint_sheep);
}

}
