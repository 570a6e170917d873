// Small WAV and MIDI files written by the audio tests themselves, in a folder they remove.
#include "support/audio_files.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <random>

#include <unistd.h>

namespace testing_support {

namespace {

void put_u16(std::vector<std::uint8_t>& out, unsigned value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

void put_tag(std::vector<std::uint8_t>& out, char const (&tag)[5])
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void put_be(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

void put_variable_length(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t groups[4] = {};
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count-- > 0)
        out.push_back(static_cast<std::uint8_t>(groups[count] | (count > 0 ? 0x80 : 0)));
}

}

TempFolder::TempFolder()
{
    static std::atomic<int> counter = 0;
    m_path = std::filesystem::temp_directory_path()
        / ("grawn2 audio t\u00e9st " + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempFolder::write(std::string const& name, std::span<std::uint8_t const> bytes) const
{
    std::ofstream out(m_path / name, std::ios::binary);
    out.write(reinterpret_cast<char const*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> wav_file(int rate, int channels, int bits,
                                   std::vector<float> const& samples)
{
    auto const data_bytes = static_cast<std::uint32_t>(samples.size() * (bits / 8));
    std::vector<std::uint8_t> out;
    put_tag(out, "RIFF");
    put_u32(out, 36 + data_bytes);
    put_tag(out, "WAVE");
    put_tag(out, "fmt ");
    put_u32(out, 16);
    put_u16(out, 1);
    put_u16(out, static_cast<unsigned>(channels));
    put_u32(out, static_cast<std::uint32_t>(rate));
    put_u32(out, static_cast<std::uint32_t>(rate * channels * bits / 8));
    put_u16(out, static_cast<unsigned>(channels * bits / 8));
    put_u16(out, static_cast<unsigned>(bits));
    put_tag(out, "data");
    put_u32(out, data_bytes);
    for (auto const sample : samples) {
        auto const clamped = std::clamp(sample, -1.0f, 1.0f);
        if (bits == 8)
            out.push_back(static_cast<std::uint8_t>(std::lround(clamped * 127.0f) + 128));
        else
            put_u16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(
                             std::lround(clamped * 32767.0f))));
    }
    return out;
}

std::vector<float> noise_burst(int rate, double seconds)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = noise(random) * static_cast<float>(std::exp(-8.0 * static_cast<double>(i) / rate));
    return samples;
}

std::vector<float> sine_tone(int rate, double frequency, double seconds)
{
    std::vector<float> samples(static_cast<std::size_t>(rate * seconds));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = 0.5f * static_cast<float>(
            std::sin(2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate));
    return samples;
}

std::vector<std::uint8_t> midi_file(std::vector<TestNote> const& notes, int end_ms)
{
    // Note-offs sort before note-ons at the same moment, so repeated keys are struck again.
    std::multimap<std::pair<int, int>, std::pair<int, int>> events; // (ms, 0 off/1 on) -> key
    for (auto const& note : notes) {
        events.insert({{note.start_ms, 1}, {note.key, 100}});
        events.insert({{note.start_ms + note.length_ms, 0}, {note.key, 0}});
    }
    std::vector<std::uint8_t> track;
    // Tempo: a quarter note lasts one second, at 1000 ticks per quarter: a tick per millisecond.
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    put_be(track, 1'000'000, 3);
    track.insert(track.end(), {0x00, 0xC0, 0x00}); // acoustic grand piano
    int now = 0;
    for (auto const& [when, note] : events) {
        put_variable_length(track, static_cast<std::uint32_t>(when.first - now));
        now = when.first;
        track.push_back(when.second == 1 ? 0x90 : 0x80);
        track.push_back(static_cast<std::uint8_t>(note.first));
        track.push_back(static_cast<std::uint8_t>(note.second));
    }
    put_variable_length(track, static_cast<std::uint32_t>(std::max(0, end_ms - now)));
    track.insert(track.end(), {0xFF, 0x2F, 0x00});

    std::vector<std::uint8_t> out;
    put_tag(out, "MThd");
    put_be(out, 6, 4);
    put_be(out, 0, 2);
    put_be(out, 1, 2);
    put_be(out, 1000, 2);
    put_tag(out, "MTrk");
    put_be(out, static_cast<std::uint32_t>(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
    return out;
}

std::vector<TestNote> note_run(int from_ms, int until_ms, int every_ms, int length_ms)
{
    std::vector<TestNote> notes;
    for (int at = from_ms, step = 0; at < until_ms; at += every_ms, ++step)
        notes.push_back({at, length_ms, 60 + (step % 8)});
    return notes;
}

float peak(std::span<float const> samples)
{
    float largest = 0.0f;
    for (auto const sample : samples)
        largest = std::max(largest, std::abs(sample));
    return largest;
}

}
