// Escaping and capping the words that error messages repeat.
#include "platform/echoed.hpp"

#include <cstdio>

namespace platform {

namespace {

// The length of the well-formed UTF-8 letter at text[pos] (no overlong forms, no surrogates),
// or 0 when the bytes there are not one.
std::size_t letter_length(std::string_view text, std::size_t pos)
{
    auto const at = [&](std::size_t i) { return pos + i < text.size() ? static_cast<unsigned char>(text[pos + i]) : 0u; };
    unsigned const lead = at(0);
    std::size_t const length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((at(i) & 0xC0) != 0x80)
            return 0;
    }
    unsigned const second = at(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}

std::string echoed(std::string_view word)
{
    std::string out = "'";
    std::size_t pos = 0;
    for (; pos < word.size() && pos < echoed_max_bytes; ++pos) {
        char const c = word[pos];
        auto const byte = static_cast<unsigned char>(c);
        if (auto const letter = byte >= 0x80 ? letter_length(word, pos) : 0; letter > 0) {
            out.append(word.substr(pos, letter));
            pos += letter - 1;
        } else if (c == '\\' || c == '\'') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            out += hex;
        } else {
            out += c;
        }
    }
    if (pos < word.size())
        out += "...' (" + std::to_string(word.size()) + " bytes)";
    else
        out += "'";
    return out;
}

}
