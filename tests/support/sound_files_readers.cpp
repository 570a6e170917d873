// Readers for RIFF/WAVE and Standard MIDI Files, for the sound-file tests.
#include "support/sound_files_readers.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>

namespace testing_support {

namespace {

std::uint32_t little_u32(std::span<std::uint8_t const> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8)
        | (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

int little_u16(std::span<std::uint8_t const> bytes, std::size_t at) { return bytes[at] | (bytes[at + 1] << 8); }

std::uint32_t big_u32(std::span<std::uint8_t const> bytes, std::size_t at)
{
    return (static_cast<std::uint32_t>(bytes[at]) << 24) | (static_cast<std::uint32_t>(bytes[at + 1]) << 16)
        | (static_cast<std::uint32_t>(bytes[at + 2]) << 8) | static_cast<std::uint32_t>(bytes[at + 3]);
}

int big_u16(std::span<std::uint8_t const> bytes, std::size_t at) { return (bytes[at] << 8) | bytes[at + 1]; }

bool tag_is(std::span<std::uint8_t const> bytes, std::size_t at, char const* tag)
{
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

}

std::optional<WavSummary> read_wav(std::span<std::uint8_t const> bytes)
{
    if (bytes.size() < 12 || !tag_is(bytes, 0, "RIFF") || !tag_is(bytes, 8, "WAVE"))
        return std::nullopt;
    WavSummary summary;
    bool have_format = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        std::uint32_t const size = little_u32(bytes, at + 4);
        std::size_t const body = at + 8;
        if (size > bytes.size() - body)
            return std::nullopt;
        if (tag_is(bytes, at, "fmt ")) {
            if (size < 16 || little_u16(bytes, body) != 1)
                return std::nullopt;
            summary.channels = little_u16(bytes, body + 2);
            summary.sample_rate = static_cast<int>(little_u32(bytes, body + 4));
            summary.bits = little_u16(bytes, body + 14);
            have_format = summary.channels > 0 && summary.sample_rate > 0 && summary.bits == 16;
            if (!have_format)
                return std::nullopt;
        } else if (tag_is(bytes, at, "data")) {
            if (!have_format)
                return std::nullopt;
            auto const channels = static_cast<std::size_t>(summary.channels);
            std::size_t const frames = size / (2 * channels);
            std::vector<double> sums(channels, 0.0);
            summary.mono.resize(frames);
            for (std::size_t frame = 0; frame < frames; ++frame) {
                float mixed = 0.0f;
                for (std::size_t channel = 0; channel < channels; ++channel) {
                    auto const raw = static_cast<std::int16_t>(little_u16(bytes, body + 2 * (frame * channels + channel)));
                    float const sample = static_cast<float>(raw) / 32768.0f;
                    sums[channel] += static_cast<double>(sample) * sample;
                    mixed += sample;
                }
                summary.mono[frame] = mixed / static_cast<float>(channels);
            }
            double total = 0.0;
            for (double const sum : sums) {
                summary.channel_rms.push_back(frames ? std::sqrt(sum / static_cast<double>(frames)) : 0.0);
                total += sum;
            }
            summary.rms = frames ? std::sqrt(total / static_cast<double>(frames * channels)) : 0.0;
            summary.seconds = static_cast<double>(frames) / summary.sample_rate;
            return summary;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

namespace {

class TrackReader {
public:
    TrackReader(std::span<std::uint8_t const> bytes) : m_bytes(bytes) {}

    bool at_end() const { return m_at >= m_bytes.size(); }
    bool ok() const { return m_ok; }

    int byte()
    {
        if (m_at >= m_bytes.size()) {
            m_ok = false;
            return 0;
        }
        return m_bytes[m_at++];
    }
    int peek() const { return m_at < m_bytes.size() ? m_bytes[m_at] : 0; }

    std::uint32_t variable_length()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            int const next = byte();
            value = (value << 7) | static_cast<std::uint32_t>(next & 0x7F);
            if ((next & 0x80) == 0)
                return value;
        }
        m_ok = false;
        return value;
    }

    std::span<std::uint8_t const> take(std::uint32_t count)
    {
        if (count > m_bytes.size() - m_at) {
            m_ok = false;
            m_at = m_bytes.size();
            return {};
        }
        auto const taken = m_bytes.subspan(m_at, count);
        m_at += count;
        return taken;
    }

private:
    std::span<std::uint8_t const> m_bytes;
    std::size_t m_at = 0;
    bool m_ok = true;
};

struct TimedKey {
    std::uint64_t tick;
    int key;
};

}

std::optional<MidiSummary> read_midi(std::span<std::uint8_t const> bytes)
{
    if (bytes.size() < 14 || !tag_is(bytes, 0, "MThd") || big_u32(bytes, 4) < 6)
        return std::nullopt;
    MidiSummary summary;
    summary.format = big_u16(bytes, 8);
    int const declared_tracks = big_u16(bytes, 10);
    summary.ticks_per_quarter = big_u16(bytes, 12);
    if (summary.ticks_per_quarter <= 0 || (summary.ticks_per_quarter & 0x8000) != 0)
        return std::nullopt;

    std::vector<std::pair<std::uint64_t, std::uint32_t>> tempo_changes;  // tick, microseconds per quarter
    std::vector<TimedKey> first_channel;
    std::uint64_t last_tick = 0;
    std::size_t at = 8 + big_u32(bytes, 4);
    for (int track = 0; track < declared_tracks; ++track) {
        if (at + 8 > bytes.size() || !tag_is(bytes, at, "MTrk"))
            return std::nullopt;
        std::uint32_t const size = big_u32(bytes, at + 4);
        if (size > bytes.size() - at - 8)
            return std::nullopt;
        TrackReader reader(bytes.subspan(at + 8, size));
        at += 8 + size;
        std::uint64_t tick = 0;
        int status = 0;
        bool ended = false;
        std::map<std::pair<int, int>, int> sounding;  // channel and key

        while (!reader.at_end() && reader.ok() && !ended) {
            tick += reader.variable_length();
            if (reader.peek() & 0x80)
                status = reader.byte();
            else if (status == 0)
                return std::nullopt;  // running status with nothing to run on
            if (status == 0xFF) {
                int const type = reader.byte();
                auto const data = reader.take(reader.variable_length());
                if (type == 0x51 && data.size() == 3) {
                    auto const micros = static_cast<std::uint32_t>((data[0] << 16) | (data[1] << 8) | data[2]);
                    if (micros == 0)
                        return std::nullopt;
                    tempo_changes.emplace_back(tick, micros);
                }
                ended = type == 0x2F;
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                reader.take(reader.variable_length());
                status = 0;
            } else {
                int const kind = status & 0xF0;
                int const channel = status & 0x0F;
                int const first = reader.byte();
                int const second = (kind == 0xC0 || kind == 0xD0) ? 0 : reader.byte();
                if (kind == 0x90 && second > 0) {
                    ++summary.note_ons[channel];
                    if (channel == 0)
                        first_channel.push_back({tick, first});
                    if (sounding[{channel, first}]++ > 0)
                        ++summary.overlapping_note_ons;
                } else if (kind == 0x80 || kind == 0x90) {
                    int& count = sounding[{channel, first}];
                    if (count == 0)
                        ++summary.unmatched_note_offs;
                    else
                        --count;
                }
                if (kind == 0xC0 && !summary.programs.contains(channel))
                    summary.programs[channel] = first;
            }
        }
        if (!reader.ok() || !ended)
            return std::nullopt;
        for (auto const& [note, count] : sounding)
            summary.stuck_notes += count;
        last_tick = std::max(last_tick, tick);
        ++summary.track_count;
    }

    std::stable_sort(tempo_changes.begin(), tempo_changes.end(),
        [](auto const& a, auto const& b) { return a.first < b.first; });
    for (auto const& change : tempo_changes)
        summary.tempi.push_back(60e6 / change.second);
    // Seconds from the start to a tick, through the tempo map (120 beats a minute until told otherwise).
    auto const seconds_at = [&](std::uint64_t until) {
        double seconds = 0.0;
        std::uint64_t from = 0;
        std::uint32_t micros = 500000;
        for (auto const& [tick, value] : tempo_changes) {
            if (tick >= until)
                break;
            seconds += static_cast<double>(tick - from) * micros / summary.ticks_per_quarter / 1e6;
            from = tick;
            micros = value;
        }
        return seconds + static_cast<double>(until - from) * micros / summary.ticks_per_quarter / 1e6;
    };
    summary.seconds = seconds_at(last_tick);

    std::stable_sort(first_channel.begin(), first_channel.end(),
        [](TimedKey const& a, TimedKey const& b) { return a.tick < b.tick; });
    if (!first_channel.empty())
        summary.first_channel_seconds = seconds_at(first_channel.front().tick);
    for (TimedKey const& note : first_channel)
        summary.first_channel_keys.push_back(note.key);
    return summary;
}

std::vector<std::uint8_t> read_file_bytes(std::filesystem::path const& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}
