// Controls in declared order (buttons last), at whole pixels of the form times the scale.
#include "platform/sdl/form_painter.hpp"

#include "platform/form.hpp"
#include "platform/sdl/damage.hpp"
#include "platform/sdl/form_pixels.hpp"
#include "platform/sdl/spans.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace platform::sdl {

namespace {

constexpr Color button_light { 223, 223, 223 };
constexpr Color button_shadow { 128, 128, 128 };

std::uint32_t unpremultiply(std::uint32_t argb)
{
    std::uint32_t const a = argb >> 24;
    if (a == 0)
        return 0;
    if (a == 255)
        return argb;
    auto const channel = [a](std::uint32_t c) { return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a); };
    return (a << 24) | (channel((argb >> 16) & 0xFF) << 16) | (channel((argb >> 8) & 0xFF) << 8) | channel(argb & 0xFF);
}

// The largest all-opaque rectangle, row by row over the heights of opaque columns ending there.
SDL_Rect opaque_core(Raster const& raster)
{
    SDL_Rect best {};
    std::vector<int> heights(static_cast<std::size_t>(std::max(0, raster.width)) + 1, 0);
    std::vector<int> rising;
    for (int y = 0; y < raster.height; ++y) {
        for (int x = 0; x < raster.width; ++x) {
            bool const solid = (raster.pixels[static_cast<std::size_t>(y) * raster.width + x] >> 24) == 0xFF;
            heights[static_cast<std::size_t>(x)] = solid ? heights[static_cast<std::size_t>(x)] + 1 : 0;
        }
        rising.clear();
        for (int x = 0; x <= raster.width; ++x) {
            int const h = heights[static_cast<std::size_t>(x)];
            while (!rising.empty() && heights[static_cast<std::size_t>(rising.back())] >= h) {
                int const top = heights[static_cast<std::size_t>(rising.back())];
                rising.pop_back();
                int const left = rising.empty() ? 0 : rising.back() + 1;
                if (top * (x - left) > best.w * best.h)
                    best = { left, y - top + 1, x - left, top };
            }
            rising.push_back(x);
        }
    }
    return best;
}

std::vector<std::uint32_t> unpremultiplied(Raster const& raster)
{
    std::vector<std::uint32_t> pixels(raster.pixels.size());
    std::transform(raster.pixels.begin(), raster.pixels.end(), pixels.begin(), unpremultiply);
    return pixels;
}

}

TexturePtr texture_from_raster(SDL_Renderer* renderer, Raster const& raster)
{
    if (raster.width <= 0 || raster.height <= 0)
        return nullptr;
    TexturePtr texture(SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, raster.width, raster.height));
    if (!texture)
        return nullptr;
    SDL_UpdateTexture(texture.get(), nullptr, unpremultiplied(raster).data(), raster.width * 4);
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    return texture;
}

SurfacePtr surface_from_raster(Raster const& raster)
{
    if (raster.width <= 0 || raster.height <= 0)
        return nullptr;
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, raster.width, raster.height, 32, SDL_PIXELFORMAT_ARGB8888));
    if (!surface)
        return nullptr;
    auto const pixels = unpremultiplied(raster);
    for (int y = 0; y < raster.height; ++y)
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * raster.width, raster.width,
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + static_cast<std::ptrdiff_t>(y) * surface->pitch));
    SDL_SetSurfaceBlendMode(surface.get(), SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceRLE(surface.get(), 1);
    return surface;
}

PictureTextures::Entry& PictureTextures::entry(PicturePtr const& picture, int scale)
{
    auto const key = std::make_pair(picture.get(), scale);
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        auto const& raster = picture->raster(scale);
        bool const opaque = !raster.pixels.empty()
            && std::all_of(raster.pixels.begin(), raster.pixels.end(), [](std::uint32_t pixel) { return (pixel >> 24) == 0xFF; });
        it = m_entries.emplace(key, Entry { picture, texture_from_raster(m_renderer, raster), opaque, nullptr, opaque_core(raster) }).first;
    }
    return it->second;
}

SDL_Texture* PictureTextures::get(PicturePtr const& picture, int scale) { return entry(picture, scale).texture.get(); }

SDL_Rect PictureTextures::core(PicturePtr const& picture, int scale) { return entry(picture, scale).core; }

SDL_Surface* PictureTextures::surface(PicturePtr const& picture, int scale)
{
    auto& found = entry(picture, scale);
    if (!found.surface)
        found.surface = surface_from_raster(picture->raster(scale));
    return found.surface.get();
}

bool PictureTextures::opaque(PicturePtr const& picture, int scale) { return entry(picture, scale).opaque; }

void fill_rects(SDL_Renderer* renderer, Rects const& rects, Color color)
{
    if (rects.empty())
        return;
    SDL_SetRenderDrawColor(renderer, color.r, color.g, color.b, 255);
    SDL_RenderFillRects(renderer, rects.data(), static_cast<int>(rects.size()));
}

void draw_button(SDL_Renderer* renderer, TextPainter& text, void const* owner, SDL_Rect box, std::string const& caption,
    int scale, ButtonLook look, Switch enabled)
{
    int const s = scale;
    int const x = box.x;
    int const y = box.y;
    int const w = box.w;
    int const h = box.h;
    fill_rects(renderer, { box }, colors::button_face);
    if (look == ButtonLook::pressed) {
        fill_rects(renderer, frame_rects(box, s), colors::black);
        fill_rects(renderer, frame_rects({ x + s, y + s, w - 2 * s, h - 2 * s }, s), button_shadow);
    } else {
        fill_rects(renderer, { { x, y, w - s, s }, { x, y, s, h - s } }, colors::white);
        fill_rects(renderer, { { x + s, y + s, w - 3 * s, s }, { x + s, y + s, s, h - 3 * s } }, button_light);
        fill_rects(renderer, { { x + s, y + h - 2 * s, w - 2 * s, s }, { x + w - 2 * s, y + s, s, h - 2 * s } }, button_shadow);
        fill_rects(renderer, { { x, y + h - s, w, s }, { x + w - s, y, s, h } }, colors::black);
    }
    if (caption.empty())
        return;
    // A caption a little too wide for the face is set smaller rather than broken over two lines,
    // since the free fonts run wider than the original's.
    int const face = std::max(1, w - 4 * s);
    TextStyle style { Font {}, scale, face };
    while (style.font.size > 6.0 && text_width(text.fonts(), caption, style) > face)
        style.font.size -= 0.75;
    TextBlock const& block = text.block(owner, caption, style);
    int const shift = look == ButtonLook::pressed ? s : 0;
    SDL_Rect const inner { x + 2 * s + shift, y + (h - block.height()) / 2 + shift, w - 4 * s, block.height() };
    if (enabled == Switch::off) {
        text.draw(block, { inner.x + s, inner.y + s, inner.w, inner.h }, Alignment::center, colors::white);
        text.draw(block, inner, Alignment::center, button_shadow);
    } else {
        text.draw(block, inner, Alignment::center, colors::black);
    }
}

TextStyle const& FormPainter::label_text_style(Label const& label, SDL_Rect const& box, int scale)
{
    auto& fit = m_fitted_labels[&label];
    auto const& font = label.style().font;
    if (fit.scale == scale && fit.width == box.w && fit.height == box.h && fit.font == font && fit.caption == label.caption())
        return fit.fitted;
    fit = { label.caption(), font, box.w, box.h, scale, { font, scale, box.w } };
    auto const needed_height = [&](TextStyle const& style) {
        return static_cast<int>(wrap_for(m_text.fonts(), label.caption(), style).lines.size()) * text_line_skip(m_text.fonts(), style);
    };
    double const smallest = std::max(6.0, font.size * 0.75);
    while (fit.fitted.font.size - 0.75 >= smallest && needed_height(fit.fitted) > box.h)
        fit.fitted.font.size -= 0.75;
    if (needed_height(fit.fitted) > box.h)
        fit.fitted.font.size = font.size; // smaller would not fit either: keep the label's own size
    return fit.fitted;
}

FormPainter::FormPainter(SDL_Renderer* renderer, FontLibrary& fonts, SDL_Surface* target)
    : m_renderer(renderer)
    , m_target(target && target->format->BytesPerPixel == 4 && !SDL_MUSTLOCK(target) ? target : nullptr)
    , m_text(renderer, fonts)
    , m_pictures(renderer)
{
}

void FormPainter::paint(Form const& form, Placement placement, Control const* pressed, SDL_Rect const* area)
{
    FormPixels const px(placement, form.units_per_pixel());
    SDL_Rect const client { placement.x, placement.y, form.client_width() * placement.scale, form.client_height() * placement.scale };
    SDL_Rect clip = client;
    if (area && !SDL_IntersectRect(&client, area, &clip))
        return;
    // A picture shaken inside its window reaches past the surface, which fills and sprites
    // written straight onto it must not.
    if (m_target) {
        SDL_Rect const surface { 0, 0, m_target->w, m_target->h };
        SDL_Rect const wanted = clip;
        if (!SDL_IntersectRect(&wanted, &surface, &clip))
            return;
    }
    SDL_RenderSetClipRect(m_renderer, &clip);
    m_clip = clip;
    auto const& controls = form.controls();
    // Each control is measured once a pass; the rest of the pass asks whether it is wanted.
    m_wanted.assign(controls.size(), false);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Control const& control = *controls[i];
        if (!control.visible() || control.kind() == ControlKind::timer)
            continue;
        SDL_Rect const bounds = drawn_bounds(control, px);
        m_wanted[i] = !area || SDL_HasIntersection(&bounds, &clip);
    }
    auto const wanted = [&](std::size_t i) { return bool(m_wanted[i]); };
    // Nothing below the last control that hides the whole area needs drawing: in a scene with a
    // picture or a filled shape as its backdrop, that saves filling most pixels twice.
    std::optional<std::size_t> cover;
    for (std::size_t i = controls.size(); i-- > 0 && !cover;) {
        Control const& control = *controls[i];
        if (control.kind() != ControlKind::button && wanted(i) && covers(control, px, clip))
            cover = i;
    }
    std::size_t const first = cover.value_or(0);
    m_occluders.clear();
    for (std::size_t i = first; m_target && i < controls.size(); ++i) {
        if (controls[i]->kind() != ControlKind::sprite || !wanted(i))
            continue;
        auto const& sprite = static_cast<Sprite const&>(*controls[i]);
        if (!sprite.picture() || sprite.stretch() != Stretch::no)
            continue;
        SDL_Rect const box = drawn_bounds(sprite, px);
        SDL_Rect core = m_pictures.core(sprite.picture(), px.scale);
        core.x += box.x;
        core.y += box.y;
        if (SDL_IntersectRect(&core, &clip, &core))
            m_occluders.push_back({ static_cast<std::ptrdiff_t>(i), core });
    }
    m_order = -1;
    if (!cover)
        fill({ clip }, form.back_color());
    // Buttons sit above everything else, as on the original platform.
    for (std::size_t i = first; i < controls.size(); ++i) {
        m_order = static_cast<std::ptrdiff_t>(i);
        if (controls[i]->kind() != ControlKind::button && wanted(i))
            paint_control(*controls[i], px, pressed);
    }
    m_occluders.clear();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i]->kind() == ControlKind::button && wanted(i))
            paint_control(*controls[i], px, pressed);
    }
    SDL_RenderSetClipRect(m_renderer, nullptr);
    if (m_target)
        SDL_SetClipRect(m_target, nullptr);
}

// Straight onto the target, the renderer's own work done first so that everything lands in the
// order it was asked for.
void FormPainter::fill(Rects const& rects, Color color)
{
    if (!m_target) {
        fill_rects(m_renderer, rects, color);
        return;
    }
    SDL_RenderFlush(m_renderer);
    std::uint32_t const pixel = SDL_MapRGB(m_target->format, color.r, color.g, color.b);
    Rects pieces;
    for (auto const& rect : rects) {
        SDL_Rect inside {};
        if (SDL_IntersectRect(&rect, &m_clip, &inside))
            pieces.push_back(inside);
    }
    // What an opaque sprite above will cover anyway is not filled first.
    for (auto const& occluder : m_occluders) {
        if (occluder.order <= m_order)
            continue;
        Rects left;
        for (auto const& piece : pieces)
            cut_around(piece, occluder.rect, left);
        pieces = std::move(left);
    }
    for (auto const& inside : pieces) {
        auto* row = static_cast<std::uint8_t*>(m_target->pixels) + static_cast<std::ptrdiff_t>(inside.y) * m_target->pitch
            + static_cast<std::ptrdiff_t>(inside.x) * 4;
        for (int y = 0; y < inside.h; ++y, row += m_target->pitch)
            std::fill_n(reinterpret_cast<std::uint32_t*>(row), inside.w, pixel);
    }
}

void FormPainter::draw_sprite(Sprite const& sprite, SDL_Rect const& box, int scale)
{
    auto const& raster = sprite.picture()->raster(scale);
    bool const own_size = box.w == raster.width && box.h == raster.height;
    if (m_target && own_size) {
        if (SDL_Surface* picture = m_pictures.surface(sprite.picture(), scale)) {
            SDL_RenderFlush(m_renderer);
            SDL_SetClipRect(m_target, &m_clip);
            SDL_Rect at = box;
            SDL_BlitSurface(picture, nullptr, m_target, &at);
            return;
        }
    }
    if (SDL_Texture* texture = m_pictures.get(sprite.picture(), scale))
        SDL_RenderCopy(m_renderer, texture, nullptr, &box);
}

bool FormPainter::covers(Control const& control, FormPixels const& px, SDL_Rect const& area)
{
    auto const contains = [&](SDL_Rect const& box) {
        return box.x <= area.x && box.y <= area.y && box.x + box.w >= area.x + area.w && box.y + box.h >= area.y + area.h;
    };
    switch (control.kind()) {
    case ControlKind::sprite: {
        auto const& sprite = static_cast<Sprite const&>(control);
        return sprite.picture() && contains(drawn_bounds(control, px)) && m_pictures.opaque(sprite.picture(), px.scale);
    }
    case ControlKind::label: {
        auto const& label = static_cast<Label const&>(control);
        return label.style().back_style == BackStyle::opaque && contains(px.rect(label.rect()));
    }
    case ControlKind::shape: {
        auto const& style = static_cast<Shape const&>(control).style();
        return style.kind == ShapeKind::rectangle && style.fill_style == FillStyle::solid && contains(px.rect(control.rect()));
    }
    default:
        return false;
    }
}

void FormPainter::paint_control(Control const& control, FormPixels const& px, Control const* pressed)
{
    int const s = px.scale;
    switch (control.kind()) {
    case ControlKind::timer:
        return;
    case ControlKind::sprite: {
        auto const& sprite = static_cast<Sprite const&>(control);
        if (!sprite.picture())
            return;
        SDL_Rect box = px.rect(sprite.rect());
        // An unstretched sprite shows its picture at the picture's own size, as it sized itself.
        if (sprite.stretch() == Stretch::no) {
            box.w = sprite.picture()->width() * s;
            box.h = sprite.picture()->height() * s;
        }
        draw_sprite(sprite, box, s);
        return;
    }
    case ControlKind::label: {
        auto const& label = static_cast<Label const&>(control);
        auto const& style = label.style();
        SDL_Rect const box = px.rect(label.rect());
        if (style.back_style == BackStyle::opaque)
            fill({ box }, style.back);
        if (label.caption().empty())
            return;
        TextBlock const& block = m_text.block(&label, label.caption(), label_text_style(label, box, s));
        m_text.draw(block, box, style.alignment, style.fore);
        return;
    }
    case ControlKind::button: {
        auto const& button = static_cast<Button const&>(control);
        bool const held = pressed == &control && button.enabled();
        draw_button(m_renderer, m_text, &button, px.rect(button.rect()), button.caption(), s,
            held ? ButtonLook::pressed : ButtonLook::raised, button.enabled() ? Switch::on : Switch::off);
        return;
    }
    case ControlKind::shape: {
        auto const& shape = static_cast<Shape const&>(control);
        auto const& style = shape.style();
        SDL_Rect box = px.rect(shape.rect());
        if (style.kind == ShapeKind::square || style.kind == ShapeKind::circle) {
            int const side = std::min(box.w, box.h);
            box = { box.x + (box.w - side) / 2, box.y + (box.h - side) / 2, side, side };
        }
        bool const round = style.kind == ShapeKind::oval || style.kind == ShapeKind::circle;
        if (style.fill_style == FillStyle::solid)
            fill(round ? ellipse_fill(box) : Rects { box }, style.fill);
        if (style.border_width > 0) {
            int const thickness = std::max(1, static_cast<int>(std::lround(style.border_width))) * s;
            fill(round ? ellipse_ring(box, thickness) : frame_rects(box, thickness), style.border);
        }
        return;
    }
    case ControlKind::line: {
        auto const& line = static_cast<Line const&>(control);
        if (line.line_width() <= 0)
            return;
        auto const& p = line.points();
        int const width = std::max(1, static_cast<int>(std::lround(line.line_width())));
        int const back = (width - 1) / 2 * s;
        fill(line_rects({ px.x(p.x1) - back, px.y(p.y1) - back }, { px.x(p.x2) - back, px.y(p.y2) - back }, width * s),
            line.color());
        return;
    }
    }
}

}
