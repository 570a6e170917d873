// Finding font files with fontconfig: the game's Windows font names map to free look-alikes.
#include "platform/sdl/font_library.hpp"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

namespace platform::sdl {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Families to try, best first, for a face the game names.
std::vector<std::string> families_for(std::string const& face)
{
    auto const name = lower(face);
    if (name.empty() || name == "ms sans serif" || name == "microsoft sans serif" || name == "arial" || name == "helvetica")
        return { "Liberation Sans", "DejaVu Sans", "sans-serif" };
    if (name == "times new roman" || name == "times")
        return { "Liberation Serif", "DejaVu Serif", "serif" };
    if (name == "comic sans ms")
        return { "Comic Neue", "Liberation Sans", "sans-serif" };
    if (name == "courier new" || name == "courier")
        return { "Liberation Mono", "DejaVu Sans Mono", "monospace" };
    return { face, "Liberation Sans", "sans-serif" };
}

struct Match {
    std::string family;
    std::string path;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

std::optional<Match> fontconfig_match(std::string const& family, FontWeight weight, FontSlant slant)
{
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<FcChar8 const*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, weight == FontWeight::bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, slant == FontSlant::italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found)
        return std::nullopt;
    Match match;
    FcChar8* text = nullptr;
    if (FcPatternGetString(found, FC_FILE, 0, &text) == FcResultMatch)
        match.path = reinterpret_cast<char const*>(text);
    if (FcPatternGetString(found, FC_FAMILY, 0, &text) == FcResultMatch)
        match.family = reinterpret_cast<char const*>(text);
    FcPatternGetInteger(found, FC_INDEX, 0, &match.index);
    FcPatternGetInteger(found, FC_WEIGHT, 0, &match.weight);
    FcPatternGetInteger(found, FC_SLANT, 0, &match.slant);
    FcPatternDestroy(found);
    if (match.path.empty())
        return std::nullopt;
    return match;
}

}

FontLibrary::FontLibrary()
    : m_ttf_ready(TTF_Init() == 0)
{
}

FontLibrary::~FontLibrary()
{
    for (auto& [key, font] : m_fonts) {
        if (font)
            TTF_CloseFont(font);
    }
    if (m_ttf_ready)
        TTF_Quit();
}

FontLibrary::FontFile const& FontLibrary::file_for(Font const& font)
{
    FileKey const key { lower(font.face), font.weight, font.slant };
    if (auto it = m_files.find(key); it != m_files.end())
        return it->second;

    FontFile file;
    auto const families = families_for(font.face);
    std::optional<Match> chosen;
    for (auto const& family : families) {
        auto match = fontconfig_match(family, font.weight, font.slant);
        if (!match)
            continue;
        // fontconfig always answers with something; take it only when it is the family asked
        // for, or when nothing better is left to try.
        bool const exact = lower(match->family) == lower(family);
        if (exact || &family == &families.back() || !chosen) {
            chosen = match;
            if (exact)
                break;
        }
    }
    if (chosen) {
        file.path = chosen->path;
        file.index = chosen->index;
        if (font.weight == FontWeight::bold && chosen->weight < FC_WEIGHT_DEMIBOLD)
            file.synthetic_style |= TTF_STYLE_BOLD;
        if (font.slant == FontSlant::italic && chosen->slant == FC_SLANT_ROMAN)
            file.synthetic_style |= TTF_STYLE_ITALIC;
    }
    return m_files.emplace(key, std::move(file)).first->second;
}

TTF_Font* FontLibrary::open(Font const& font, int scale)
{
    if (!m_ttf_ready)
        return nullptr;
    // Sizes are kept in quarter points so that 8.25 and 9.75 points open exactly: a quarter
    // point at 24 dots per inch is a point at 96.
    int const quarter_points = std::max(1, static_cast<int>(std::lround(font.size * 4)));
    FontKey const key { lower(font.face), quarter_points, font.weight, font.slant, scale };
    if (auto it = m_fonts.find(key); it != m_fonts.end())
        return it->second;

    FontFile const& file = file_for(font);
    TTF_Font* opened = nullptr;
    if (!file.path.empty()) {
        auto const dpi = static_cast<unsigned>(24 * scale);
        opened = TTF_OpenFontIndexDPI(file.path.c_str(), quarter_points, file.index, dpi, dpi);
        if (opened && file.synthetic_style != TTF_STYLE_NORMAL)
            TTF_SetFontStyle(opened, file.synthetic_style);
    }
    m_fonts.emplace(key, opened);
    return opened;
}

}
