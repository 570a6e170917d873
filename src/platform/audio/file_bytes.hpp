// Reading a whole small file into memory, for the sound and tune decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace platform {

// Nothing when the file cannot be opened or read, or is larger than `max_bytes`.
std::optional<std::vector<std::uint8_t>> read_file_bytes(std::filesystem::path const& path,
                                                         std::size_t max_bytes);

}
