// UTF-8 letter lengths; a broken sequence counts as one byte, so that scanning always moves on.
#include "platform/utf8.hpp"

namespace platform {

std::size_t utf8_char_length(std::string_view text, std::size_t pos)
{
    auto const lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    if (pos + length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

}
