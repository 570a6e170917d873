// The game's sound effects as files: what plays, and for how long, when a file names one.
#pragma once

#include "platform/audio/pcm.hpp"

#include <cstdint>
#include <filesystem>
#include <memory>

namespace platform {

// The decoded sound, or the alert chime when the file is missing or cannot be decoded.
std::shared_ptr<Pcm const> load_sound(std::filesystem::path const& path);

// How long that sound plays, in microseconds, without decoding the samples.
std::int64_t sound_microseconds(std::filesystem::path const& path);

}
