// Runs espeak-ng with its sound on standard output, so nothing touches the disk.
#include "speech.hpp"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace soundgen {

namespace {

std::uint32_t read_u32(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

std::uint16_t read_u16(const std::vector<unsigned char>& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// espeak-ng writes a streaming header whose sizes are placeholders, so the data chunk is taken
// to run to the end of what was read.
std::optional<Signal> decode_stream(const std::vector<unsigned char>& bytes)
{
    if (bytes.size() < 44 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    std::size_t at = 12;
    int rate = 0;
    int channels = 0;
    int bits = 0;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = read_u32(bytes, at + 4);
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0 && at + 24 <= bytes.size()) {
            channels = read_u16(bytes, at + 10);
            rate = static_cast<int>(read_u32(bytes, at + 12));
            bits = read_u16(bytes, at + 22);
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            if (rate <= 0 || channels != 1 || bits != 16) {
                return std::nullopt;
            }
            Signal samples;
            for (std::size_t i = at + 8; i + 1 < bytes.size(); i += 2) {
                samples.push_back(static_cast<float>(static_cast<std::int16_t>(read_u16(bytes, i))) / 32768.0f);
            }
            Signal upsampled = resample(samples, static_cast<double>(rate) / k_sample_rate);
            // Linear interpolation leaves mirror images above the original band: filter them out.
            const double band_edge = 0.42 * rate;
            Svf first;
            Svf second;
            for (float& sample : upsampled) {
                sample = second.lowpass(first.lowpass(sample, band_edge), band_edge);
            }
            return upsampled;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Signal> speak(const std::string& text, const SpeechStyle& style)
{
    // The texts are fixed literals of this program; single quotes keep the shell from reading them.
    const std::string command = "espeak-ng --stdout -v " + style.voice + " -p " + std::to_string(style.pitch) +
                                " -s " + std::to_string(style.words_per_minute) + " '" + text + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return std::nullopt;
    }
    std::vector<unsigned char> bytes;
    unsigned char chunk[4096];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    if (pclose(pipe) != 0) {
        return std::nullopt;
    }
    auto samples = decode_stream(bytes);
    if (!samples) {
        return std::nullopt;
    }
    Signal trimmed = trim_silence(*samples, 0.01);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    return trimmed;
}

}  // namespace soundgen
