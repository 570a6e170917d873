// Word wrapping of captions into lines that fit a width, whatever measures the text.
#pragma once

#include "platform/utf8.hpp"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sdl {

// Width of a run of UTF-8 text in pixels.
using MeasureText = std::function<int(std::string_view)>;

// Splits `text` at line breaks, then wraps each paragraph at spaces so that no line is wider
// than `max_width` (0 or less: no wrapping). A word too long for a line of its own is broken
// between characters. Spaces inside a line are kept; spaces at a wrap are dropped.
std::vector<std::string> wrap_text(std::string_view text, int max_width, MeasureText const& measure);

}
