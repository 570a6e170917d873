// The game's font names mapped to installed fonts (through fontconfig), opened once per size.
#pragma once

#include "platform/control.hpp"

#include <SDL_ttf.h>

#include <map>
#include <string>
#include <tuple>

namespace platform::sdl {

class FontLibrary {
public:
    FontLibrary();
    ~FontLibrary();
    FontLibrary(FontLibrary const&) = delete;
    FontLibrary& operator=(FontLibrary const&) = delete;

    // `font` at `scale` times its size in points at 96 dots per inch; null when no font file
    // could be found or opened, in which case the text is simply not drawn.
    TTF_Font* open(Font const& font, int scale);

private:
    struct FontFile {
        std::string path;
        int index = 0;
        int synthetic_style = TTF_STYLE_NORMAL; // bold or italic the file itself lacks
    };
    FontFile const& file_for(Font const& font);

    using FileKey = std::tuple<std::string, FontWeight, FontSlant>;
    using FontKey = std::tuple<std::string, int, FontWeight, FontSlant, int>;
    std::map<FileKey, FontFile> m_files;
    std::map<FontKey, TTF_Font*> m_fonts;
    bool m_ttf_ready = false;
};

}
