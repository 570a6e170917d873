// Writing a file the player asked for, so that a failure is told and nothing else is touched.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Writes `bytes` as the whole of the file at `path`: a new file, or a regular one replaced.
// Anything else (a folder, a device, a pipe that might block) is refused before a byte is
// written. Returns why it failed, empty on success; every write error counts, the last one at
// closing included.
std::string write_whole_file(std::string const& path, std::span<std::uint8_t const> bytes);

}
