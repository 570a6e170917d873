// The claw: a steel hub on a cable with two jointed fingers, mirrored about the held animal.
#include "art/claw.hpp"

#include <cmath>
#include <vector>

namespace art {
namespace {

constexpr Colour steel = rgb(170, 178, 192);
constexpr Colour cable = rgb(90, 92, 100);
// The hub hangs over the picture's middle, a pixel left of the animal's centre, so the fingers
// fit inside the picture on both sides.
constexpr double centre_x = 25.5;

// A finger as a thick steel bar with an ink outline, through `joints`, ending in a hooked tip.
void finger(cairo_t* cr, std::vector<Point> const& joints, Point tip)
{
    auto bar = [&](cairo_t* c) {
        cairo_move_to(c, joints[0].x, joints[0].y);
        for (std::size_t i = 1; i < joints.size(); ++i)
            cairo_line_to(c, joints[i].x, joints[i].y);
    };
    stroke_line(cr, bar, 5.2);
    // The tip: a pointed hook from the last joint.
    Point const last = joints.back();
    double const dx = tip.x - last.x;
    double const dy = tip.y - last.y;
    double const length = std::hypot(dx, dy);
    double const nx = -dy / length * 1.6;
    double const ny = dx / length * 1.6;
    draw_shape(cr, [=](cairo_t* c) {
        polygon_path(c, {{last.x + nx, last.y + ny}, {tip.x, tip.y}, {last.x - nx, last.y - ny}});
    }, steel, no_shade, 1.2);
    stroke_line(cr, bar, 2.4, steel);
    for (std::size_t i = 1; i < joints.size(); ++i)
        draw_detail(cr, [&, i](cairo_t* c) { cairo_arc(c, joints[i].x, joints[i].y, 1.7, 0, 2 * M_PI); }, shade_of(steel), 0.8);
}

Point mirrored(Point point)
{
    return {2 * centre_x - point.x, point.y};
}

void paint_claw(cairo_t* cr, ClawState state)
{
    std::vector<Point> joints;
    Point tip;
    if (state == ClawState::closed) {
        // Down the animal's sides and under its feet, gripping.
        joints = {{centre_x - 5, 5}, {6.5, 11}, {5, 30}, {10, 42.5}};
        tip = {18.5, 44};
    } else {
        // Swung apart and lifted, the hooks pointing out; nothing below them.
        joints = {{centre_x - 5, 5}, {8, 7.5}, {4, 17.5}};
        tip = {3, 26};
    }
    std::vector<Point> other;
    for (Point const& joint : joints)
        other.push_back(mirrored(joint));

    stroke_line(cr, [](cairo_t* c) {
        cairo_move_to(c, centre_x, 0);
        cairo_line_to(c, centre_x, 4);
    }, 2.6, cable);
    finger(cr, joints, tip);
    finger(cr, other, mirrored(tip));
    draw_shape(cr, [](cairo_t* c) { rounded_rect_path(c, centre_x - 7, 1.2, 14, 6.4, 2); }, steel, 1.6);
    dot(cr, centre_x - 3.6, 4.4, 0.9, ink);
    dot(cr, centre_x + 3.6, 4.4, 0.9, ink);
}

}

platform::Drawing claw(ClawState state)
{
    return {claw_size, claw_size, [state](cairo_t* cr) { paint_claw(cr, state); }};
}

}
