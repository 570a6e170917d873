// Captions turned into textures once and drawn in any colour, aligned and clipped to a box.
#pragma once

#include "platform/control.hpp"
#include "platform/sdl/font_library.hpp"
#include "platform/sdl/sdl_handles.hpp"

#include <map>
#include <string>
#include <vector>

namespace platform::sdl {

struct TextStyle {
    Font font {};
    int scale = 1;
    int wrap_width = 0; // pixels; 0 keeps each paragraph on one line
    friend bool operator==(TextStyle const&, TextStyle const&) = default;
};

struct TextLine {
    TexturePtr texture; // white glyphs; colour comes from the texture's colour modulation
    int width = 0;
    int height = 0;
};

struct TextBlock {
    std::vector<TextLine> lines;
    int line_skip = 0;
    int width = 0; // of the widest line
    int height() const { return static_cast<int>(lines.size()) * line_skip; }
};

class TextPainter {
public:
    TextPainter(SDL_Renderer* renderer, FontLibrary& fonts);

    // The text of `owner` (a control, or a part of a box), rendered again only when its text or
    // style differ from the last call for the same owner.
    TextBlock const& block(void const* owner, std::string const& text, TextStyle const& style);

    // Draws the block's lines from the top of `box`, each aligned on its own, clipped to `box`.
    void draw(TextBlock const& block, SDL_Rect box, Alignment alignment, Color color);

    FontLibrary& fonts() const { return m_fonts; }

private:
    struct Entry {
        std::string text;
        TextStyle style;
        TextBlock block;
    };
    TextBlock render(std::string const& text, TextStyle const& style);

    SDL_Renderer* m_renderer = nullptr;
    FontLibrary& m_fonts;
    std::map<void const*, Entry> m_entries;
};

// The width of one line of text in pixels, without rendering it; 0 when there is no font.
int text_width(FontLibrary& fonts, std::string const& text, TextStyle const& style);
int text_line_skip(FontLibrary& fonts, TextStyle const& style);
// The lines `text` wraps into, and the width of the widest.
struct WrappedText {
    std::vector<std::string> lines;
    int width = 0;
};
WrappedText wrap_for(FontLibrary& fonts, std::string const& text, TextStyle const& style);

// Copies the whole of a `width` × `height` texture to (x, y), cut to `clip`.
void copy_clipped(SDL_Renderer* renderer, SDL_Texture* texture, int width, int height, int x, int y, SDL_Rect clip);

}
