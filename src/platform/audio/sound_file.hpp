// The game's sound effects as files: what plays, and for how long, when a file names one.
#pragma once

#include "platform/audio/mixer.hpp"
#include "platform/audio/pcm.hpp"

#include <cstdint>
#include <filesystem>
#include <memory>

namespace platform {

// The decoded sound, or the alert chime when the file is missing or cannot be decoded.
std::shared_ptr<Pcm const> load_sound(std::filesystem::path const& path);

// The same, except that a long sound (the title's music), which would hold the game up while
// it is decoded, comes back as a pending sound decoding on a thread of its own.
struct LoadedSound {
    std::shared_ptr<Pcm const> ready;
    std::shared_ptr<PendingSound const> pending;
    std::int64_t microseconds = 0;
};
LoadedSound load_sound_soon(std::filesystem::path const& path);

// How long that sound plays, in microseconds, without decoding the samples.
std::int64_t sound_microseconds(std::filesystem::path const& path);

}
