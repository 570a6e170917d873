// Encodes generated sounds as 16-bit PCM RIFF/WAVE files.
#include "wav_writer.hpp"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace soundgen {

Sound mono_sound(Signal signal) { return Sound{1, std::move(signal)}; }

Sound stereo_sound(const Stereo& signal)
{
    const std::size_t length = std::max(signal.left.size(), signal.right.size());
    Sound sound{2, Signal(length * 2, 0.0f)};
    for (std::size_t i = 0; i < length; ++i) {
        sound.samples[2 * i] = i < signal.left.size() ? signal.left[i] : 0.0f;
        sound.samples[2 * i + 1] = i < signal.right.size() ? signal.right[i] : 0.0f;
    }
    return sound;
}

namespace {

void put_text(std::vector<std::uint8_t>& out, std::string_view text) { out.insert(out.end(), text.begin(), text.end()); }

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> encode_wav(const Sound& sound)
{
    constexpr std::uint32_t bytes_per_sample = 2;
    const auto channels = static_cast<std::uint32_t>(sound.channels);
    const auto data_bytes = static_cast<std::uint32_t>(sound.samples.size() * bytes_per_sample);
    std::vector<std::uint8_t> out;
    out.reserve(44 + data_bytes);
    put_text(out, "RIFF");
    put_u32(out, 36 + data_bytes);
    put_text(out, "WAVE");
    put_text(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1);  // integer PCM
    put_u16(out, channels);
    put_u32(out, k_sample_rate);
    put_u32(out, k_sample_rate * channels * bytes_per_sample);
    put_u16(out, channels * bytes_per_sample);
    put_u16(out, 16);
    put_text(out, "data");
    put_u32(out, data_bytes);
    for (const float sample : sound.samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        put_u16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(value))));
    }
    return out;
}

}  // namespace soundgen
