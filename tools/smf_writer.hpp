// Encodes composed tunes as Standard MIDI Files (format 1: a conductor track, then one track
// per instrument).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

constexpr int k_drum_channel = 9;  // General MIDI percussion, "channel 10"

struct MidiNote {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    int key = 60;
    int velocity = 90;
};

struct MidiPart {
    std::string name;
    int channel = 0;
    int program = 0;  // General MIDI, 0-based
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
    std::vector<MidiNote> notes;
};

struct TempoChange {
    std::uint32_t tick = 0;
    double beats_per_minute = 120.0;
};

struct MidiSong {
    std::string title;
    int ticks_per_quarter = 480;
    int beats_per_bar = 4;
    int key_fifths = 0;
    bool minor = false;
    std::vector<TempoChange> tempi;
    std::vector<MidiPart> parts;
    std::uint32_t end_tick = 0;  // every track ends here, after the last note's release
};

std::vector<std::uint8_t> encode_smf(const MidiSong& song);

}  // namespace soundgen
