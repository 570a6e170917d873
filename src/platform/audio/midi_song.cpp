// Reading Standard MIDI Files: every track merged into one timeline, tempo changes applied.
#include "platform/audio/midi_song.hpp"

#include "platform/audio/file_bytes.hpp"
#include "platform/audio/pcm.hpp"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr std::size_t max_midi_bytes = std::size_t{16} << 20;
constexpr std::int64_t default_tempo = 500'000; // microseconds per quarter note: 120 bpm
constexpr std::int64_t max_ticks = std::int64_t{1} << 31;
// A day: far beyond any real tune, and it keeps the frame arithmetic from overflowing.
constexpr std::int64_t max_song_microseconds = std::int64_t{86'400} * 1'000'000;

struct TimedEvent {
    std::int64_t tick = 0;
    MidiEvent event;
};

struct TempoChange {
    std::int64_t tick = 0;
    std::int64_t microseconds_per_quarter = default_tempo;
};

struct Timeline {
    std::vector<TimedEvent> events;
    std::vector<TempoChange> tempos;
    std::int64_t end_tick = 0;
};

// Reads big-endian fields and variable-length quantities, refusing to run past the end.
class Reader {
public:
    explicit Reader(std::span<std::uint8_t const> bytes) : m_bytes(bytes) {}

    bool at_end() const { return m_at >= m_bytes.size(); }
    std::size_t remaining() const { return m_bytes.size() - m_at; }

    std::optional<std::uint32_t> number(int size)
    {
        if (remaining() < static_cast<std::size_t>(size))
            return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | m_bytes[m_at++];
        return value;
    }

    std::optional<std::uint32_t> variable_length()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at_end())
                return std::nullopt;
            auto const byte = m_bytes[m_at++];
            value = (value << 7) | (byte & 0x7Fu);
            if ((byte & 0x80u) == 0)
                return value;
        }
        return std::nullopt;
    }

    std::optional<std::span<std::uint8_t const>> take(std::size_t size)
    {
        if (remaining() < size)
            return std::nullopt;
        auto const taken = m_bytes.subspan(m_at, size);
        m_at += size;
        return taken;
    }

    std::optional<std::uint8_t> peek() const
    {
        if (at_end())
            return std::nullopt;
        return m_bytes[m_at];
    }

    void skip(std::size_t size) { m_at += size; }

private:
    std::span<std::uint8_t const> m_bytes;
    std::size_t m_at = 0;
};

int data_bytes_of(std::uint8_t status)
{
    auto const kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

bool read_meta(Reader& track, std::int64_t tick, Timeline& timeline, bool& ended)
{
    auto const type = track.number(1);
    auto const size = track.variable_length();
    if (!type || !size)
        return false;
    auto const body = track.take(*size);
    if (!body)
        return false;
    if (*type == 0x51 && body->size() == 3) {
        auto const tempo = ((*body)[0] << 16) | ((*body)[1] << 8) | (*body)[2];
        if (tempo > 0)
            timeline.tempos.push_back({tick, tempo});
    } else if (*type == 0x2F) {
        ended = true;
    }
    return true;
}

bool read_track(std::span<std::uint8_t const> bytes, Timeline& timeline)
{
    Reader track(bytes);
    std::int64_t tick = 0;
    std::uint8_t running_status = 0;
    bool ended = false;
    while (!track.at_end() && !ended) {
        auto const delta = track.variable_length();
        auto const first = track.peek();
        if (!delta || !first)
            return false;
        tick += *delta;
        std::uint8_t status = running_status;
        if (*first & 0x80) {
            status = *first;
            track.skip(1);
        }
        if (status == 0xFF) {
            running_status = 0;
            if (!read_meta(track, tick, timeline, ended))
                return false;
        } else if (status == 0xF0 || status == 0xF7) {
            running_status = 0;
            auto const size = track.variable_length();
            if (!size || !track.take(*size))
                return false;
        } else if (status >= 0x80 && status < 0xF0) {
            running_status = status;
            auto const data = track.take(static_cast<std::size_t>(data_bytes_of(status)));
            if (!data || std::ranges::any_of(*data, [](std::uint8_t byte) { return byte & 0x80; }))
                return false;
            auto const data2 = data->size() == 2 ? (*data)[1] : std::uint8_t{0};
            timeline.events.push_back({tick, {0, status, (*data)[0], data2}});
        } else {
            return false;
        }
    }
    timeline.end_tick = std::max(timeline.end_tick, tick);
    // Far beyond any real tune, and it keeps the tick arithmetic from overflowing.
    return timeline.end_tick <= max_ticks;
}

// Converts ticks to microseconds through the tempo map, for ticks asked in ascending order.
class TickClock {
public:
    TickClock(std::vector<TempoChange> tempos, std::int64_t ticks_per_quarter)
        : m_tempos(std::move(tempos)), m_ticks_per_quarter(ticks_per_quarter)
    {
        std::ranges::stable_sort(m_tempos, {}, &TempoChange::tick);
    }

    std::int64_t microseconds_at(std::int64_t tick)
    {
        while (m_next < m_tempos.size() && m_tempos[m_next].tick <= tick) {
            m_segment_microseconds += (m_tempos[m_next].tick - m_segment_tick) * m_tempo
                / m_ticks_per_quarter;
            m_segment_tick = m_tempos[m_next].tick;
            m_tempo = m_tempos[m_next].microseconds_per_quarter;
            ++m_next;
        }
        return m_segment_microseconds + (tick - m_segment_tick) * m_tempo / m_ticks_per_quarter;
    }

private:
    std::vector<TempoChange> m_tempos;
    std::int64_t m_ticks_per_quarter = 1;
    std::size_t m_next = 0;
    std::int64_t m_segment_tick = 0;
    std::int64_t m_segment_microseconds = 0;
    std::int64_t m_tempo = default_tempo;
};

std::int64_t frame_of(std::int64_t microseconds)
{
    return microseconds * mix_rate / 1'000'000;
}

}

std::optional<Song> parse_midi(std::span<std::uint8_t const> bytes)
{
    Reader file(bytes);
    auto const header_tag = file.take(4);
    auto const header_size = file.number(4);
    if (!header_tag || std::memcmp(header_tag->data(), "MThd", 4) != 0 || !header_size
        || *header_size < 6)
        return std::nullopt;
    auto const header = file.take(*header_size);
    if (!header)
        return std::nullopt;
    Reader fields(*header);
    fields.number(2); // format: every track is merged into one timeline whatever it says
    auto const track_count = *fields.number(2);
    auto const division = *fields.number(2);
    if (track_count == 0 || division == 0)
        return std::nullopt;

    Timeline timeline;
    for (std::uint32_t found = 0; found < track_count;) {
        auto const tag = file.take(4);
        auto const size = file.number(4);
        if (!tag || !size)
            return std::nullopt;
        auto const body = file.take(*size);
        if (!body)
            return std::nullopt;
        if (std::memcmp(tag->data(), "MTrk", 4) != 0)
            continue;
        if (!read_track(*body, timeline))
            return std::nullopt;
        ++found;
    }

    // Time-code division: a fixed number of ticks per second, as if a quarter note lasted one
    // second at that many ticks per quarter, whatever the tempo events say.
    std::int64_t ticks_per_quarter = division;
    if (division & 0x8000) {
        auto const frames_per_second = -static_cast<std::int8_t>(division >> 8);
        ticks_per_quarter = frames_per_second * static_cast<std::int64_t>(division & 0xFF);
        timeline.tempos = {};
        timeline.tempos.push_back({0, 1'000'000});
        if (ticks_per_quarter <= 0)
            return std::nullopt;
    }

    std::ranges::stable_sort(timeline.events, {}, &TimedEvent::tick);
    TickClock clock(std::move(timeline.tempos), ticks_per_quarter);
    Song song;
    song.events.reserve(timeline.events.size());
    for (auto const& timed : timeline.events) {
        auto const microseconds = clock.microseconds_at(timed.tick);
        if (microseconds > max_song_microseconds)
            return std::nullopt;
        auto event = timed.event;
        event.frame = frame_of(microseconds);
        song.events.push_back(event);
    }
    auto const length_microseconds = clock.microseconds_at(timeline.end_tick);
    if (length_microseconds > max_song_microseconds)
        return std::nullopt;
    song.length_frames = frame_of(length_microseconds);
    return song;
}

std::shared_ptr<Song const> load_song(std::filesystem::path const& path)
{
    if (auto const bytes = read_file_bytes(path, max_midi_bytes))
        if (auto song = parse_midi(*bytes))
            return std::make_shared<Song const>(std::move(*song));
    return nullptr;
}

}
