// Words from the player or a script, as error messages repeat them: short and printable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The most bytes of a word an error message repeats; a longer word is cut and its size told.
inline constexpr std::size_t echoed_max_bytes = 60;

// `word` in single quotes with `\` and `'` escaped by a backslash, tabs, line breaks, other
// control characters and bytes that are no UTF-8 letter written \t, \n, \r or \xNN, and
// anything past echoed_max_bytes cut, never inside a letter: "'12345...' (50000000 bytes)".
std::string echoed(std::string_view word);

}
