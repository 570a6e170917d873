// Encodes generated sounds as 16-bit PCM RIFF/WAVE files.
#pragma once

#include "dsp.hpp"

#include <cstdint>
#include <vector>

namespace soundgen {

// A finished sound: interleaved samples in [-1, 1] and one or two channels.
struct Sound {
    int channels = 1;
    Signal samples;
};

Sound mono_sound(Signal signal);
Sound stereo_sound(const Stereo& signal);

std::vector<std::uint8_t> encode_wav(const Sound& sound);

}  // namespace soundgen
