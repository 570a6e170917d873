// Encodes composed tunes as Standard MIDI Files.
#include "smf_writer.hpp"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace soundgen {

namespace {

struct Event {
    std::uint32_t tick = 0;
    int order = 0;  // at one tick: set-up first, then note-offs, then note-ons
    std::vector<std::uint8_t> bytes;
};

constexpr int k_order_setup = 0;
constexpr int k_order_off = 1;
constexpr int k_order_on = 2;

std::uint8_t clamp7(int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 127)); }

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

void put_variable_length(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80));
    }
    out.push_back(groups[0]);
}

Event meta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& data)
{
    Event event{tick, k_order_setup, {0xFF, type}};
    put_variable_length(event.bytes, static_cast<std::uint32_t>(data.size()));
    event.bytes.insert(event.bytes.end(), data.begin(), data.end());
    return event;
}

Event text_meta(std::uint8_t type, const std::string& text)
{
    return meta(0, type, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> track_chunk(std::vector<Event> events, std::uint32_t end_tick)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const Event& event : events) {
        put_variable_length(body, event.tick - now);
        now = event.tick;
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
    }
    put_variable_length(body, std::max(end_tick, now) - now);
    body.insert(body.end(), {0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
    put_u32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<Event> conductor_events(const MidiSong& song)
{
    std::vector<Event> events;
    events.push_back(text_meta(0x03, song.title));
    events.push_back(meta(0, 0x58, {clamp7(song.beats_per_bar), 2, 24, 8}));
    events.push_back(meta(0, 0x59, {static_cast<std::uint8_t>(static_cast<std::int8_t>(song.key_fifths)),
                                    static_cast<std::uint8_t>(song.minor ? 1 : 0)}));
    for (const TempoChange& change : song.tempi) {
        const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / change.beats_per_minute));
        events.push_back(meta(change.tick, 0x51, {static_cast<std::uint8_t>((micros >> 16) & 0xFF),
                                                  static_cast<std::uint8_t>((micros >> 8) & 0xFF),
                                                  static_cast<std::uint8_t>(micros & 0xFF)}));
    }
    return events;
}

std::vector<Event> part_events(const MidiPart& part)
{
    const auto status = [&part](int kind) { return static_cast<std::uint8_t>(kind | (part.channel & 0x0F)); };
    std::vector<Event> events;
    events.push_back(text_meta(0x03, part.name));
    events.push_back(Event{0, k_order_setup, {status(0xC0), clamp7(part.program)}});
    events.push_back(Event{0, k_order_setup, {status(0xB0), 7, clamp7(part.volume)}});
    events.push_back(Event{0, k_order_setup, {status(0xB0), 10, clamp7(part.pan)}});
    events.push_back(Event{0, k_order_setup, {status(0xB0), 91, clamp7(part.reverb)}});
    events.push_back(Event{0, k_order_setup, {status(0xB0), 93, clamp7(part.chorus)}});

    // A note that would still sound when the same key strikes again is cut short there, so its
    // note-off cannot silence the new note.
    std::map<int, std::vector<MidiNote>> by_key;
    for (const MidiNote& note : part.notes) {
        by_key[note.key].push_back(note);
    }
    for (auto& [key, notes] : by_key) {
        std::stable_sort(notes.begin(), notes.end(), [](const MidiNote& a, const MidiNote& b) { return a.start < b.start; });
        for (std::size_t i = 0; i < notes.size(); ++i) {
            std::uint32_t end = notes[i].start + std::max<std::uint32_t>(notes[i].length, 1);
            if (i + 1 < notes.size()) {
                if (notes[i + 1].start == notes[i].start) {
                    continue;  // the same strike twice: keep one
                }
                end = std::min(end, notes[i + 1].start);
            }
            events.push_back(Event{notes[i].start, k_order_on, {status(0x90), clamp7(key), clamp7(std::max(notes[i].velocity, 1))}});
            events.push_back(Event{end, k_order_off, {status(0x80), clamp7(key), 64}});
        }
    }
    return events;
}

}  // namespace

std::vector<std::uint8_t> encode_smf(const MidiSong& song)
{
    std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd'};
    put_u32(out, 6);
    const auto tracks = static_cast<std::uint32_t>(song.parts.size() + 1);
    out.insert(out.end(), {0, 1, static_cast<std::uint8_t>(tracks >> 8), static_cast<std::uint8_t>(tracks & 0xFF),
                           static_cast<std::uint8_t>(song.ticks_per_quarter >> 8),
                           static_cast<std::uint8_t>(song.ticks_per_quarter & 0xFF)});
    const auto conductor = track_chunk(conductor_events(song), song.end_tick);
    out.insert(out.end(), conductor.begin(), conductor.end());
    for (const MidiPart& part : song.parts) {
        const auto track = track_chunk(part_events(part), song.end_tick);
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

}  // namespace soundgen
