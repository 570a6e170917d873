// The tune rules on the audio thread: a small sequencer feeding one synthesiser.
#include "platform/audio/tune_player.hpp"

#include "platform/audio/pcm.hpp"

#include <algorithm>

namespace platform {

namespace {

// Long enough for the reverb of the last notes to die away before rendering stops.
constexpr std::int64_t tail_frames = 3 * mix_rate;
// Room for the paused tunes of one screen, so pausing does not allocate on the audio thread.
constexpr std::size_t paused_capacity = 8;

bool is_note(MidiEvent const& event)
{
    auto const kind = event.status & 0xF0;
    return kind == 0x80 || kind == 0x90 || kind == 0xA0;
}

}

TunePlayer::TunePlayer()
{
    m_paused.reserve(paused_capacity);
    // Nothing has sounded yet: no tail to render.
    m_quiet_frames = tail_frames;
}

void TunePlayer::play(std::string key, std::shared_ptr<Song const> song)
{
    if (!song || (m_playing && m_playing->key == key))
        return;
    auto const resume_at = take_paused(key).value_or(0);
    halt();
    m_playing = Playing{std::move(key), std::move(song), resume_at, 0};
    begin();
}

void TunePlayer::pause(std::string const& key)
{
    if (!m_playing || m_playing->key != key)
        return;
    auto const position = m_playing->position;
    halt();
    m_paused.push_back({key, position});
}

void TunePlayer::stop(std::string const& key)
{
    take_paused(key);
    if (m_playing && m_playing->key == key)
        halt();
}

void TunePlayer::stop_all()
{
    halt();
    m_paused.clear();
}

void TunePlayer::attach(FluidSynth* synth)
{
    m_synth = synth;
    begin();
}

std::optional<std::int64_t> TunePlayer::take_paused(std::string const& key)
{
    auto const found = std::ranges::find(m_paused, key, &Paused::key);
    if (found == m_paused.end())
        return std::nullopt;
    auto const position = found->position;
    m_paused.erase(found);
    return position;
}

// Starts the playing tune at its position: a clean synthesiser that has heard every program
// and controller change before that point, so a resumed tune sounds as it did when paused.
void TunePlayer::begin()
{
    if (!m_synth || !m_playing)
        return;
    m_synth->reset();
    auto const& events = m_playing->song->events;
    auto const first_due = std::ranges::lower_bound(events, m_playing->position, {},
                                                    &MidiEvent::frame);
    for (auto event = events.begin(); event != first_due; ++event)
        if (!is_note(*event))
            m_synth->send(event->status, event->data1, event->data2);
    m_playing->next_event = static_cast<std::size_t>(first_due - events.begin());
    m_quiet_frames = 0;
}

void TunePlayer::halt()
{
    if (m_synth && m_playing)
        m_synth->release_all();
    m_playing.reset();
    m_quiet_frames = 0;
}

void TunePlayer::render(float* out, std::size_t frames)
{
    if (m_synth && m_playing) {
        render_playing(out, frames);
        return;
    }
    if (m_synth && m_synth->is_sounding())
        m_quiet_frames = 0;
    if (!m_synth || m_quiet_frames >= tail_frames) {
        std::fill_n(out, frames * mix_channels, 0.0f);
        return;
    }
    m_synth->render(out, static_cast<int>(frames));
    m_quiet_frames += static_cast<std::int64_t>(frames);
}

// Renders up to each event's frame, then sends it, so notes start on their exact frame.
// The tune ends once its last event is sent and its length has played; the rest of the block
// carries the last notes ringing out.
void TunePlayer::render_playing(float* out, std::size_t frames)
{
    auto& playing = *m_playing;
    auto const& events = playing.song->events;
    auto const send_due = [&] {
        while (playing.next_event < events.size()
               && events[playing.next_event].frame <= playing.position) {
            auto const& event = events[playing.next_event++];
            m_synth->send(event.status, event.data1, event.data2);
        }
    };
    auto const finished = [&] {
        return playing.next_event == events.size()
            && playing.position >= playing.song->length_frames;
    };
    std::size_t done = 0;
    send_due();
    while (done < frames && !finished()) {
        auto const until = playing.next_event < events.size() ? events[playing.next_event].frame
                                                               : playing.song->length_frames;
        auto const chunk = static_cast<std::size_t>(std::min<std::int64_t>(
            static_cast<std::int64_t>(frames - done), until - playing.position));
        m_synth->render(out + done * mix_channels, static_cast<int>(chunk));
        done += chunk;
        playing.position += static_cast<std::int64_t>(chunk);
        send_due();
    }
    if (!finished())
        return;
    m_playing.reset();
    m_quiet_frames = 0;
    if (done < frames)
        m_synth->render(out + done * mix_channels, static_cast<int>(frames - done));
}

std::string const& TunePlayer::current_tune() const
{
    static std::string const none;
    return m_playing ? m_playing->key : none;
}

std::int64_t TunePlayer::position() const
{
    return m_playing ? m_playing->position : 0;
}

}
