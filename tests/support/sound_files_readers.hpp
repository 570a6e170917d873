// Readers that check sound files the way a player would need them: a RIFF/WAVE reader and a
// Standard MIDI File reader that sums up what is inside.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace testing_support {

struct WavSummary {
    int channels = 0;
    int sample_rate = 0;
    int bits = 0;
    double seconds = 0.0;
    double rms = 0.0;  // over all channels, full scale = 1
    std::vector<double> channel_rms;
    std::vector<float> mono;  // the channels averaged, -1..1
};

// Only uncompressed 16-bit PCM is accepted; anything else, or a damaged file, gives nothing.
std::optional<WavSummary> read_wav(std::span<std::uint8_t const> bytes);

struct MidiSummary {
    int format = 0;
    int track_count = 0;
    int ticks_per_quarter = 0;
    double seconds = 0.0;  // to the last event of any track, through the tempo map
    std::vector<double> tempi;  // beats per minute, in order of appearance
    std::map<int, int> note_ons;  // sounding note-ons per channel (0-based; 9 is percussion)
    std::map<int, int> programs;  // the first program change of each channel
    std::vector<int> first_channel_keys;  // keys of channel 0's note-ons, in time order
    double first_channel_seconds = -1.0;  // when channel 0's first note sounds, -1 for never
    // Faults that make a synthesiser cut or hang notes, counted within each track.
    int overlapping_note_ons = 0;  // a key struck again on its channel while it still sounds
    int unmatched_note_offs = 0;
    int stuck_notes = 0;  // still sounding when their track ends
};

// Files with SMPTE timing, broken chunks or running off their end give nothing.
std::optional<MidiSummary> read_midi(std::span<std::uint8_t const> bytes);

std::vector<std::uint8_t> read_file_bytes(std::filesystem::path const& path);

}
