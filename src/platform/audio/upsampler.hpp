// Doubles the sample rate of a stereo stream, so that the synthesiser can run at half the
// mixer's rate: a half-band interpolation filter that keeps its history across calls.
#pragma once

#include <array>

namespace platform {

class Upsampler {
public:
    // Takes one frame at the low rate and writes two at the high rate (left, right, left, right),
    // `delay_frames` low-rate frames late.
    void push(float left, float right, float* out);
    void clear();

    static constexpr int taps_per_side = 8;
    static constexpr int delay_frames = taps_per_side;

private:
    // Per channel, oldest first: 2 * taps_per_side frames of the input.
    std::array<std::array<float, 2 * taps_per_side>, 2> m_history {};
};

}
