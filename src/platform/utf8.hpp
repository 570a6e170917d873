// Stepping through UTF-8 text a letter at a time, so that text is never cut inside a letter.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// Byte length of the UTF-8 character that starts at text[pos] (1 for a stray byte).
std::size_t utf8_char_length(std::string_view text, std::size_t pos);

}
