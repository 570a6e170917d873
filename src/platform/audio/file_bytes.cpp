// Reading a whole small file into memory, for the sound and tune decoders.
#include "platform/audio/file_bytes.hpp"

#include <fstream>

namespace platform {

std::optional<std::vector<std::uint8_t>> read_file_bytes(std::filesystem::path const& path,
                                                         std::size_t max_bytes)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    auto const size = std::filesystem::file_size(path, error);
    if (error || size > max_bytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
        return std::nullopt;
    return bytes;
}

}
