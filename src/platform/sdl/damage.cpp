// Comparing surveys control by control: a change marks where the control was and where it is.
#include "platform/sdl/damage.hpp"

#include "platform/form.hpp"
#include "platform/sdl/form_pixels.hpp"

#include <sstream>

namespace platform::sdl {

namespace {

// Above this many separate areas, one rectangle around them all is cheaper to draw and send.
constexpr std::size_t most_areas = 32;

void put(std::ostringstream& out, Color c) { out << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ';'; }

void put(std::ostringstream& out, Font const& font)
{
    out << font.face << ';' << font.size << ';' << int(font.weight) << int(font.slant) << ';';
}

DrawnControl survey_control(Control const& control, FormPixels const& px, Control const* pressed)
{
    DrawnControl drawn { &control, drawn_bounds(control, px), {} };
    std::ostringstream look;
    switch (control.kind()) {
    case ControlKind::timer:
        break;
    case ControlKind::sprite:
        look << static_cast<Sprite const&>(control).picture().get();
        break;
    case ControlKind::label: {
        auto const& label = static_cast<Label const&>(control);
        auto const& style = label.style();
        put(look, style.font);
        put(look, style.fore);
        put(look, style.back);
        look << int(style.back_style) << int(style.alignment) << label.caption();
        break;
    }
    case ControlKind::button: {
        auto const& button = static_cast<Button const&>(control);
        look << button.enabled() << (pressed == &control) << button.caption();
        break;
    }
    case ControlKind::shape: {
        auto const& style = static_cast<Shape const&>(control).style();
        look << int(style.kind) << int(style.fill_style) << style.border_width << ';';
        put(look, style.fill);
        put(look, style.border);
        break;
    }
    case ControlKind::line: {
        auto const& line = static_cast<Line const&>(control);
        auto const& p = line.points();
        look << p.x1 << ',' << p.y1 << ',' << p.x2 << ',' << p.y2 << ';';
        put(look, line.color());
        look << line.line_width();
        break;
    }
    }
    drawn.look = look.str();
    return drawn;
}

// Merges areas that overlap, so that no pixel is drawn or sent twice.
void merge_overlapping(Rects& areas)
{
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < areas.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < areas.size(); ++j) {
                if (SDL_HasIntersection(&areas[i], &areas[j])) {
                    SDL_UnionRect(&areas[i], &areas[j], &areas[i]);
                    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                    break;
                }
            }
        }
    }
}

bool same_rect(SDL_Rect const& a, SDL_Rect const& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

// Only what lies inside the target is kept: a shaken picture puts controls partly outside the
// window, and SDL mis-clips such areas when it sends them (a label at the top edge would keep its
// old text).
void add_area(Rects& areas, SDL_Rect const& area, SDL_Rect const& bounds)
{
    SDL_Rect inside {};
    if (SDL_IntersectRect(&area, &bounds, &inside))
        areas.push_back(inside);
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
    std::ostringstream look;
    look << form.client_width() << 'x' << form.client_height() << '@' << placement.scale << '+' << placement.x << '+' << placement.y << ';';
    put(look, form.back_color());
    drawn.look = look.str();
    for (auto const* control : form.controls()) {
        if (control->visible() && control->kind() != ControlKind::timer)
            drawn.controls.push_back(survey_control(*control, px, pressed));
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
                add_area(areas, old->bounds, bounds);
                add_area(areas, now->bounds, bounds);
            }
            ++i;
            ++j;
            continue;
        }
        // A control shown since: it is in `after` but not at this place in `before`.
        bool const shown = now && std::none_of(before.controls.begin() + static_cast<std::ptrdiff_t>(i), before.controls.end(),
                                      [&](DrawnControl const& d) { return d.control == now->control; });
        if (shown) {
            add_area(areas, now->bounds, bounds);
            ++j;
        } else {
            add_area(areas, old->bounds, bounds);
            ++i;
        }
    }
    merge_overlapping(areas);
    if (areas.size() > most_areas) {
        SDL_Rect all = areas.front();
        for (auto const& area : areas)
            SDL_UnionRect(&all, &area, &all);
        areas = { all };
    }
    return areas;
}

}
