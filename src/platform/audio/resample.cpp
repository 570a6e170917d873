// Changing the sample rate of interleaved stereo sound by cubic interpolation.
#include "platform/audio/resample.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace platform {

namespace {

float catmull_rom(float before, float from, float to, float after, float t)
{
    auto const a = -0.5f * before + 1.5f * from - 1.5f * to + 0.5f * after;
    auto const b = before - 2.5f * from + 2.0f * to - 0.5f * after;
    auto const c = -0.5f * before + 0.5f * to;
    return ((a * t + b) * t + c) * t + from;
}

}

std::int64_t resampled_frames(std::int64_t frames, int from_rate, int to_rate)
{
    if (from_rate == to_rate || frames == 0 || from_rate <= 0 || to_rate <= 0)
        return frames;
    return (frames * to_rate + from_rate / 2) / from_rate;
}

std::vector<float> resample_stereo(std::vector<float> stereo, int from_rate, int to_rate)
{
    auto const frames = static_cast<std::int64_t>(stereo.size() / 2);
    if (from_rate == to_rate || frames == 0 || from_rate <= 0 || to_rate <= 0)
        return stereo;
    auto const out_frames = resampled_frames(frames, from_rate, to_rate);
    std::vector<float> out(static_cast<std::size_t>(out_frames) * 2);
    auto const at = [&](std::int64_t frame, int channel) {
        return stereo[static_cast<std::size_t>(std::clamp<std::int64_t>(frame, 0, frames - 1) * 2
                                               + channel)];
    };
    double const step = static_cast<double>(from_rate) / to_rate;
    float const* const in = stereo.data();
    float* const to = out.data();
    for (std::int64_t i = 0; i < out_frames; ++i) {
        auto const position = static_cast<double>(i) * step;
        auto const frame = static_cast<std::int64_t>(position);
        auto const t = static_cast<float>(position - static_cast<double>(frame));
        // Away from the ends the four neighbours are read straight; a long sound (the title's
        // music) is resampled while the player waits for the first picture.
        if (frame >= 1 && frame + 2 < frames) {
            float const* const p = in + (frame - 1) * 2;
            to[i * 2] = catmull_rom(p[0], p[2], p[4], p[6], t);
            to[i * 2 + 1] = catmull_rom(p[1], p[3], p[5], p[7], t);
            continue;
        }
        for (int channel = 0; channel < 2; ++channel)
            to[i * 2 + channel] = catmull_rom(
                at(frame - 1, channel), at(frame, channel), at(frame + 1, channel),
                at(frame + 2, channel), t);
    }
    return out;
}

}
