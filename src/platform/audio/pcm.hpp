// Sound ready for the mixer: interleaved stereo float frames at the mixer's rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Every sound and tune is mixed at this rate, in stereo.
inline constexpr int mix_rate = 48000;
inline constexpr int mix_channels = 2;

// The length of `frames` frames at the mixer's rate, in microseconds, rounded to the nearest.
inline std::int64_t mix_microseconds(std::size_t frames)
{
    return (static_cast<std::int64_t>(frames) * 1'000'000 + mix_rate / 2) / mix_rate;
}

struct Pcm {
    // left, right, left, right ... in -1..1
    std::vector<float> samples;

    std::size_t frames() const { return samples.size() / mix_channels; }
    // Length in microseconds, rounded to the nearest.
    std::int64_t microseconds() const { return mix_microseconds(frames()); }
};

}
