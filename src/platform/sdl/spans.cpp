// Scan-line rasterising of ellipses and Bresenham lines, sampled at pixel centres.
#include "platform/sdl/spans.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::sdl {

namespace {

struct Span {
    int left = 0;
    int right = 0; // exclusive
};

// The span of row `y` inside the ellipse inscribed in `box`; empty when the row misses it.
Span ellipse_span(SDL_Rect box, int y)
{
    double const rx = box.w / 2.0;
    double const ry = box.h / 2.0;
    double const cx = box.x + rx;
    double const dy = (y + 0.5 - (box.y + ry)) / ry;
    double const t = 1.0 - dy * dy;
    if (t <= 0)
        return {};
    double const half = rx * std::sqrt(t);
    int const left = static_cast<int>(std::lround(cx - half));
    int const right = static_cast<int>(std::lround(cx + half));
    return { left, std::max(left, right) };
}

// Adds one row of spans, growing the previous rectangle when the row repeats it.
void add_row(Rects& rects, int left, int right, int y)
{
    if (right <= left)
        return;
    for (auto it = rects.rbegin(); it != rects.rend() && it->y + it->h >= y; ++it) {
        if (it->x == left && it->w == right - left && it->y + it->h == y) {
            ++it->h;
            return;
        }
    }
    rects.push_back({ left, y, right - left, 1 });
}

}

void cut_around(SDL_Rect const& r, SDL_Rect const& cut, Rects& out)
{
    SDL_Rect i {};
    if (!SDL_IntersectRect(&r, &cut, &i)) {
        out.push_back(r);
        return;
    }
    if (i.y > r.y)
        out.push_back({ r.x, r.y, r.w, i.y - r.y });
    if (i.y + i.h < r.y + r.h)
        out.push_back({ r.x, i.y + i.h, r.w, r.y + r.h - i.y - i.h });
    if (i.x > r.x)
        out.push_back({ r.x, i.y, i.x - r.x, i.h });
    if (i.x + i.w < r.x + r.w)
        out.push_back({ i.x + i.w, i.y, r.x + r.w - i.x - i.w, i.h });
}

Rects frame_rects(SDL_Rect box, int thickness)
{
    if (box.w <= 0 || box.h <= 0 || thickness <= 0)
        return {};
    if (thickness * 2 >= box.w || thickness * 2 >= box.h)
        return { box };
    return {
        { box.x, box.y, box.w, thickness },
        { box.x, box.y + box.h - thickness, box.w, thickness },
        { box.x, box.y + thickness, thickness, box.h - 2 * thickness },
        { box.x + box.w - thickness, box.y + thickness, thickness, box.h - 2 * thickness },
    };
}

Rects ellipse_fill(SDL_Rect box)
{
    Rects rects;
    if (box.w <= 0 || box.h <= 0)
        return rects;
    for (int y = box.y; y < box.y + box.h; ++y) {
        auto const span = ellipse_span(box, y);
        add_row(rects, span.left, span.right, y);
    }
    return rects;
}

Rects ellipse_ring(SDL_Rect box, int thickness)
{
    if (box.w <= 0 || box.h <= 0 || thickness <= 0)
        return {};
    SDL_Rect const inner { box.x + thickness, box.y + thickness, box.w - 2 * thickness, box.h - 2 * thickness };
    if (inner.w <= 0 || inner.h <= 0)
        return ellipse_fill(box);
    Rects rects;
    for (int y = box.y; y < box.y + box.h; ++y) {
        auto const outer = ellipse_span(box, y);
        auto const hole = y >= inner.y && y < inner.y + inner.h ? ellipse_span(inner, y) : Span {};
        if (hole.right <= hole.left) {
            add_row(rects, outer.left, outer.right, y);
            continue;
        }
        add_row(rects, outer.left, std::max(outer.left, hole.left), y);
        add_row(rects, std::min(outer.right, hole.right), outer.right, y);
    }
    return rects;
}

Rects line_rects(SDL_Point from, SDL_Point to, int pen)
{
    pen = std::max(1, pen);
    if (from.x == to.x || from.y == to.y) {
        int const left = std::min(from.x, to.x);
        int const top = std::min(from.y, to.y);
        return { { left, top, std::abs(to.x - from.x) + pen, std::abs(to.y - from.y) + pen } };
    }
    Rects rects;
    int const dx = std::abs(to.x - from.x);
    int const dy = -std::abs(to.y - from.y);
    int const sx = from.x < to.x ? 1 : -1;
    int const sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x;
    int y = from.y;
    for (;;) {
        rects.push_back({ x, y, pen, pen });
        if (x == to.x && y == to.y)
            break;
        int const doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
    return rects;
}

}
