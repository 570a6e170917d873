// Changing the sample rate of interleaved stereo sound.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Cubic (Catmull-Rom) interpolation: smooth enough for effects recorded at 8 to 48 kHz.
// The result holds round(frames * to_rate / from_rate) frames.
std::vector<float> resample_stereo(std::vector<float> stereo, int from_rate, int to_rate);

// How many frames resample_stereo makes of `frames`.
std::int64_t resampled_frames(std::int64_t frames, int from_rate, int to_rate);

}
