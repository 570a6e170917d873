// Reading RIFF WAVE files: 8- or 16-bit PCM, mono or stereo, at any rate.
#pragma once

#include "platform/audio/pcm.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

struct WavInfo {
    int channels = 0;
    int rate = 0;
    int bits = 0;
    // Whole frames of sample data, at most `max_wav_seconds` of them.
    std::size_t frames = 0;
    std::span<std::uint8_t const> data;

    std::int64_t microseconds() const;
};

// Longer sounds are cut to this length, so a stray huge file cannot exhaust memory.
inline constexpr int max_wav_seconds = 300;

// Nothing when the bytes are not a WAVE file this decoder plays. A data chunk that runs past the
// end of the file (a truncated file) is read as far as it goes.
std::optional<WavInfo> parse_wav(std::span<std::uint8_t const> bytes);

// The sound converted to the mixer's stereo at its rate.
std::optional<Pcm> decode_wav(std::span<std::uint8_t const> bytes);

}
