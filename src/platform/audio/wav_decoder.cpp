// Reading RIFF WAVE files and converting them to the mixer's format.
#include "platform/audio/wav_decoder.hpp"

#include "platform/audio/resample.hpp"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr std::uint16_t format_pcm = 1;
constexpr std::uint16_t format_extensible = 0xFFFE;

std::uint16_t read_u16(std::span<std::uint8_t const> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t read_u32(std::span<std::uint8_t const> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(read_u16(bytes, at))
        | (static_cast<std::uint32_t>(read_u16(bytes, at + 2)) << 16);
}

bool has_tag(std::span<std::uint8_t const> bytes, std::size_t at, char const (&tag)[5])
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<Format> read_format(std::span<std::uint8_t const> chunk)
{
    if (chunk.size() < 16)
        return std::nullopt;
    auto tag = read_u16(chunk, 0);
    // The extensible header names its real format in the first two bytes of a sub-format GUID.
    if (tag == format_extensible && chunk.size() >= 26)
        tag = read_u16(chunk, 24);
    Format format{read_u16(chunk, 2), static_cast<int>(read_u32(chunk, 4)), read_u16(chunk, 14)};
    auto const block_align = read_u16(chunk, 12);
    bool const playable = tag == format_pcm && (format.channels == 1 || format.channels == 2)
        && (format.bits == 8 || format.bits == 16) && format.rate > 0 && format.rate <= 768000
        && block_align == format.channels * format.bits / 8;
    if (!playable)
        return std::nullopt;
    return format;
}

// The sample at `index`, of 8 or 16 bits, in -1..1.
template <int bits>
float sample_at(std::uint8_t const* data, std::size_t index)
{
    if constexpr (bits == 8)
        return (static_cast<float>(data[index]) - 128.0f) / 128.0f;
    auto const value = static_cast<std::int16_t>(data[index * 2] | (data[index * 2 + 1] << 8));
    return static_cast<float>(value) / 32768.0f;
}

// Each frame as a stereo pair: a mono sample goes to both sides.
template <int bits>
std::vector<float> to_stereo(WavInfo const& wav)
{
    std::vector<float> stereo(wav.frames * mix_channels);
    auto const* data = wav.data.data();
    for (std::size_t frame = 0; frame < wav.frames; ++frame) {
        auto const first = frame * static_cast<std::size_t>(wav.channels);
        auto const left = sample_at<bits>(data, first);
        stereo[frame * 2] = left;
        stereo[frame * 2 + 1] = wav.channels == 2 ? sample_at<bits>(data, first + 1) : left;
    }
    return stereo;
}

}

std::int64_t WavInfo::microseconds() const
{
    if (rate <= 0)
        return 0;
    return (static_cast<std::int64_t>(frames) * 1'000'000 + rate / 2) / rate;
}

std::optional<WavInfo> parse_wav(std::span<std::uint8_t const> bytes)
{
    if (bytes.size() < 12 || !has_tag(bytes, 0, "RIFF") || !has_tag(bytes, 8, "WAVE"))
        return std::nullopt;
    std::optional<Format> format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        auto const declared = read_u32(bytes, at + 4);
        auto const body = at + 8;
        auto const size = std::min<std::size_t>(declared, bytes.size() - body);
        auto const chunk = bytes.subspan(body, size);
        if (has_tag(bytes, at, "fmt ")) {
            format = read_format(chunk);
            if (!format)
                return std::nullopt;
        } else if (has_tag(bytes, at, "data")) {
            if (!format)
                return std::nullopt;
            WavInfo wav{format->channels, format->rate, format->bits, 0, chunk};
            auto const frame_bytes = static_cast<std::size_t>(format->channels * format->bits / 8);
            auto const longest = static_cast<std::size_t>(format->rate) * max_wav_seconds;
            wav.frames = std::min(chunk.size() / frame_bytes, longest);
            wav.data = chunk.first(wav.frames * frame_bytes);
            return wav;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<Pcm> decode_wav(std::span<std::uint8_t const> bytes)
{
    auto const wav = parse_wav(bytes);
    if (!wav)
        return std::nullopt;
    auto stereo = wav->bits == 8 ? to_stereo<8>(*wav) : to_stereo<16>(*wav);
    return Pcm{resample_stereo(std::move(stereo), wav->rate, mix_rate)};
}

}
