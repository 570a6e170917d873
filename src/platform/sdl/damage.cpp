// Comparing surveys control by control: a change marks where the control was and where it is,
// gathered into areas that do not overlap, so no pixel is drawn or sent twice.
#include "platform/sdl/damage.hpp"

#include "platform/form.hpp"
#include "platform/sdl/form_pixels.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::sdl {

namespace {

// Above this many separate areas, a few larger ones are cheaper to draw and send.
constexpr std::size_t most_areas = 48;
// Two overlapping areas are joined into the rectangle around them when that draws at most this
// many pixels neither needed, and no more than an eighth of those they do need: a moving
// sprite's old and new places, mostly. Apart, each area costs a pass over the controls and a
// transfer of its own, about as much as this many pixels.
constexpr long spare_pixels = 2048;
constexpr long spare_share = 8;

ControlLook look_of(Control const& control, Control const* pressed)
{
    switch (control.kind()) {
    case ControlKind::timer:
        break;
    case ControlKind::sprite:
        return SpriteLook { static_cast<Sprite const&>(control).picture().get() };
    case ControlKind::label: {
        auto const& label = static_cast<Label const&>(control);
        auto const& style = label.style();
        return LabelLook { style.font, style.fore, style.back, style.back_style, style.alignment, label.caption() };
    }
    case ControlKind::button: {
        auto const& button = static_cast<Button const&>(control);
        return ButtonState { button.enabled(), pressed == &control, button.caption() };
    }
    case ControlKind::shape: {
        auto const& style = static_cast<Shape const&>(control).style();
        return ShapeLook { style.kind, style.fill_style, style.fill, style.border, style.border_width };
    }
    case ControlKind::line: {
        auto const& line = static_cast<Line const&>(control);
        auto const& p = line.points();
        return LineLook { p.x1, p.y1, p.x2, p.y2, line.color(), line.line_width() };
    }
    }
    return {};
}

bool same_rect(SDL_Rect const& a, SDL_Rect const& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

long pixels(SDL_Rect const& r) { return static_cast<long>(r.w) * r.h; }

// The pixels both need, and those the rectangle around them would draw besides.
struct Joining {
    long needed = 0;
    long waste = 0;
};

Joining joining(SDL_Rect const& a, SDL_Rect const& b)
{
    SDL_Rect around {};
    SDL_UnionRect(&a, &b, &around);
    SDL_Rect both {};
    long const shared = SDL_IntersectRect(&a, &b, &both) ? pixels(both) : 0;
    long const needed = pixels(a) + pixels(b) - shared;
    return { needed, pixels(around) - needed };
}

bool worth_joining(SDL_Rect const& a, SDL_Rect const& b)
{
    auto const [needed, waste] = joining(a, b);
    return waste <= spare_pixels && waste * spare_share <= needed;
}

// Too many areas: the pairs that waste least are joined until few enough are left; joined
// rectangles that then overlap others are joined with them too.
void join_down(Rects& areas)
{
    while (areas.size() > most_areas) {
        std::size_t best_i = 0;
        std::size_t best_j = 1;
        long best = -1;
        for (std::size_t i = 0; i < areas.size(); ++i) {
            for (std::size_t j = i + 1; j < areas.size(); ++j) {
                long const waste = joining(areas[i], areas[j]).waste;
                if (best < 0 || waste < best) {
                    best = waste;
                    best_i = i;
                    best_j = j;
                }
            }
        }
        SDL_UnionRect(&areas[best_i], &areas[best_j], &areas[best_i]);
        areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(best_j));
    }
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < areas.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < areas.size(); ++j) {
                if (SDL_HasIntersection(&areas[i], &areas[j])) {
                    SDL_UnionRect(&areas[i], &areas[j], &areas[i]);
                    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                    break;
                }
            }
        }
    }
}

// Only what lies inside the target is kept: a shaken picture puts controls partly outside the
// window, and SDL mis-clips such areas when it sends them (a label at the top edge would keep its
// old text).
void add_inside(Rects& areas, SDL_Rect const& area, SDL_Rect const& bounds)
{
    SDL_Rect inside {};
    if (SDL_IntersectRect(&area, &bounds, &inside))
        add_area(areas, inside);
}

}

void add_area(Rects& areas, SDL_Rect const& area)
{
    Rects pending { area };
    while (!pending.empty()) {
        SDL_Rect const r = pending.back();
        pending.pop_back();
        if (r.w <= 0 || r.h <= 0)
            continue;
        auto const overlap = std::find_if(areas.begin(), areas.end(), [&](SDL_Rect const& a) { return SDL_HasIntersection(&a, &r); });
        if (overlap == areas.end()) {
            areas.push_back(r);
            continue;
        }
        if (worth_joining(r, *overlap)) {
            // The joined rectangle goes round again: it may reach further areas now.
            SDL_Rect around {};
            SDL_UnionRect(&r, &*overlap, &around);
            areas.erase(overlap);
            pending.push_back(around);
        } else {
            cut_around(r, *overlap, pending);
        }
    }
}

SDL_Rect drawn_bounds(Control const& control, FormPixels const& px)
{
    SDL_Rect bounds = px.rect(control.rect());
    if (control.kind() == ControlKind::sprite) {
        auto const& sprite = static_cast<Sprite const&>(control);
        if (sprite.picture() && sprite.stretch() == Stretch::no) {
            bounds.w = sprite.picture()->width() * px.scale;
            bounds.h = sprite.picture()->height() * px.scale;
        }
    } else if (control.kind() == ControlKind::line) {
        auto const& line = static_cast<Line const&>(control);
        auto const& p = line.points();
        int const width = std::max(1, static_cast<int>(std::lround(line.line_width()))) * px.scale;
        int const left = std::min(px.x(p.x1), px.x(p.x2)) - width;
        int const top = std::min(px.y(p.y1), px.y(p.y2)) - width;
        bounds = { left, top, std::abs(px.x(p.x2) - px.x(p.x1)) + 2 * width, std::abs(px.y(p.y2) - px.y(p.y1)) + 2 * width };
    }
    return bounds;
}

DrawnForm survey(Form const& form, Placement placement, Control const* pressed)
{
    FormPixels const px(placement, form.units_per_pixel());
    DrawnForm drawn;
    drawn.look = { form.client_width(), form.client_height(), placement.scale, placement.x, placement.y, form.back_color() };
    drawn.controls.reserve(form.controls().size());
    for (auto const* control : form.controls()) {
        if (control->visible() && control->kind() != ControlKind::timer)
            drawn.controls.push_back({ control, drawn_bounds(*control, px), look_of(*control, pressed) });
    }
    return drawn;
}

std::optional<Rects> damage(DrawnForm const& before, DrawnForm const& after, SDL_Rect const& bounds)
{
    if (before.look != after.look)
        return std::nullopt;
    // Controls that appear or vanish are found by identity; the rest are compared in place.
    Rects areas;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < before.controls.size() || j < after.controls.size()) {
        auto const* old = i < before.controls.size() ? &before.controls[i] : nullptr;
        auto const* now = j < after.controls.size() ? &after.controls[j] : nullptr;
        if (old && now && old->control == now->control) {
            if (!same_rect(old->bounds, now->bounds) || old->look != now->look) {
                add_inside(areas, old->bounds, bounds);
                add_inside(areas, now->bounds, bounds);
            }
            ++i;
            ++j;
            continue;
        }
        // A control shown since: it is in `after` but not at this place in `before`.
        bool const shown = now && std::none_of(before.controls.begin() + static_cast<std::ptrdiff_t>(i), before.controls.end(),
                                      [&](DrawnControl const& d) { return d.control == now->control; });
        if (shown) {
            add_inside(areas, now->bounds, bounds);
            ++j;
        } else {
            add_inside(areas, old->bounds, bounds);
            ++i;
        }
    }
    if (areas.size() > most_areas)
        join_down(areas);
    return areas;
}

}
