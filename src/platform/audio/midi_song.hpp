// Standard MIDI Files read into one timeline of channel messages at the mixer's frame rate.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// A channel message (note, controller, program, pressure or pitch bend) and when it sounds.
struct MidiEvent {
    std::int64_t frame = 0;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
};

struct Song {
    // In time order; events at the same moment keep their order in the file.
    std::vector<MidiEvent> events;
    // Where the song ends: the last track's end, trailing rests included.
    std::int64_t length_frames = 0;
};

// Formats 0 and 1 (format 2 is played as if its tracks were simultaneous). Nothing for a file
// that is damaged anywhere, truncated ones included: a tune either plays whole or not at all.
std::optional<Song> parse_midi(std::span<std::uint8_t const> bytes);

// Nothing when the file is missing or damaged.
std::shared_ptr<Song const> load_song(std::filesystem::path const& path);

}
