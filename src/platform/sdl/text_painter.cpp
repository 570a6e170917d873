// Rendering captions with SDL_ttf, wrapped to their box, one texture per line.
#include "platform/sdl/text_painter.hpp"

#include "platform/sdl/text_layout.hpp"

#include <algorithm>

namespace platform::sdl {

void copy_clipped(SDL_Renderer* renderer, SDL_Texture* texture, int width, int height, int x, int y, SDL_Rect clip)
{
    SDL_Rect const dst { x, y, width, height };
    SDL_Rect visible {};
    if (!SDL_IntersectRect(&dst, &clip, &visible))
        return;
    SDL_Rect const src { visible.x - x, visible.y - y, visible.w, visible.h };
    SDL_RenderCopy(renderer, texture, &src, &visible);
}

TextPainter::TextPainter(SDL_Renderer* renderer, FontLibrary& fonts)
    : m_renderer(renderer)
    , m_fonts(fonts)
{
}

int text_width(FontLibrary& fonts, std::string const& text, TextStyle const& style)
{
    TTF_Font* font = fonts.open(style.font, style.scale);
    int width = 0;
    if (font && !text.empty())
        TTF_SizeUTF8(font, text.c_str(), &width, nullptr);
    return width;
}

int text_line_skip(FontLibrary& fonts, TextStyle const& style)
{
    TTF_Font* font = fonts.open(style.font, style.scale);
    return font ? TTF_FontLineSkip(font) : 0;
}

WrappedText wrap_for(FontLibrary& fonts, std::string const& text, TextStyle const& style)
{
    WrappedText wrapped;
    auto const measure = [&](std::string_view line) { return text_width(fonts, std::string(line), style); };
    wrapped.lines = wrap_text(text, style.wrap_width, measure);
    for (auto const& line : wrapped.lines)
        wrapped.width = std::max(wrapped.width, measure(line));
    return wrapped;
}

TextBlock TextPainter::render(std::string const& text, TextStyle const& style)
{
    TextBlock block;
    TTF_Font* font = m_fonts.open(style.font, style.scale);
    if (!font)
        return block;
    block.line_skip = TTF_FontLineSkip(font);
    for (auto const& line : wrap_for(m_fonts, text, style).lines) {
        TextLine out;
        if (!line.empty()) {
            SurfacePtr surface(TTF_RenderUTF8_Blended(font, line.c_str(), SDL_Color { 255, 255, 255, 255 }));
            if (surface) {
                out.texture.reset(SDL_CreateTextureFromSurface(m_renderer, surface.get()));
                out.width = surface->w;
                out.height = surface->h;
                if (out.texture)
                    SDL_SetTextureBlendMode(out.texture.get(), SDL_BLENDMODE_BLEND);
            }
        }
        block.width = std::max(block.width, out.width);
        block.lines.push_back(std::move(out));
    }
    return block;
}

TextBlock const& TextPainter::block(void const* owner, std::string const& text, TextStyle const& style)
{
    auto it = m_entries.find(owner);
    if (it != m_entries.end() && it->second.text == text && it->second.style == style)
        return it->second.block;
    Entry entry { text, style, render(text, style) };
    if (it == m_entries.end())
        it = m_entries.emplace(owner, std::move(entry)).first;
    else
        it->second = std::move(entry);
    return it->second.block;
}

void TextPainter::draw(TextBlock const& block, SDL_Rect box, Alignment alignment, Color color)
{
    int y = box.y;
    for (auto const& line : block.lines) {
        if (line.texture) {
            int x = box.x;
            if (alignment == Alignment::center)
                x = box.x + (box.w - line.width) / 2;
            else if (alignment == Alignment::right)
                x = box.x + box.w - line.width;
            SDL_SetTextureColorMod(line.texture.get(), color.r, color.g, color.b);
            copy_clipped(m_renderer, line.texture.get(), line.width, line.height, x, y, box);
        }
        y += block.line_skip;
        if (y >= box.y + box.h)
            break;
    }
}

}
