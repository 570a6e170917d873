// The mixer: commands handed over from the game's thread, a tune and a sound effect rendered.
#include "platform/audio/mixer.hpp"

#include "platform/audio/background_priority.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

// A replaced sound fades out over 10 ms on a half cosine instead of stopping with a click: a
// straight 5 ms ramp still ticked audibly on low, loud sounds such as the explosion's rumble.
constexpr std::size_t fade_frames = mix_rate / 100;
constexpr float sound_gain = 0.8f;
// Above this level the mix is bent smoothly towards full scale instead of clipping.
constexpr float knee = 0.75f;

float limit(float sample)
{
    auto const size = std::abs(sample);
    if (size <= knee)
        return sample;
    auto const bent = knee + (1.0f - knee) * std::tanh((size - knee) / (1.0f - knee));
    return std::copysign(bent, sample);
}
constexpr std::size_t int16_block_frames = 1024;
constexpr std::size_t retired_capacity = 64;
constexpr std::size_t command_capacity = 64;

}

Mixer::Mixer()
{
    m_posted.reserve(command_capacity);
    m_applying.reserve(command_capacity);
    m_retired.reserve(retired_capacity);
    m_rendered_retired.reserve(retired_capacity);
    m_scratch.resize(int16_block_frames * mix_channels);
}

Mixer::~Mixer() = default;

void Mixer::load_soundfont(std::filesystem::path const& soundfont, SoundfontLoading loading,
                           std::function<void()> on_failure)
{
    {
        std::lock_guard lock(m_load_mutex);
        if (m_load != Load::none)
            return;
        m_load = Load::loading;
    }
    auto work = [this, soundfont, on_failure = std::move(on_failure)] {
        auto synth = FluidSynth::load(soundfont);
        bool const loaded = synth != nullptr;
        if (loaded) {
            std::lock_guard lock(m_mutex);
            m_loaded_synth = std::move(synth);
        } else if (on_failure) {
            on_failure();
        }
        {
            std::lock_guard lock(m_load_mutex);
            m_load = loaded ? Load::ready : Load::failed;
        }
        m_load_done.notify_all();
    };
    if (loading == SoundfontLoading::blocking)
        work();
    else
        m_loader = std::jthread([work = std::move(work)] {
            lower_this_threads_priority();
            work();
        });
}

bool Mixer::wait_for_soundfont()
{
    std::unique_lock lock(m_load_mutex);
    m_load_done.wait(lock, [this] { return m_load != Load::loading; });
    return m_load == Load::ready;
}

void Mixer::post(Command command)
{
    std::vector<std::shared_ptr<void const>> freed;
    {
        std::lock_guard lock(m_mutex);
        m_posted.push_back(std::move(command));
        std::ranges::move(m_retired, std::back_inserter(freed));
        m_retired.clear();
    }
}

std::uint64_t Mixer::play_sound(std::shared_ptr<Pcm const> sound)
{
    return post_sound({Command::Kind::sound, MediaVerb::play, {}, {}, std::move(sound), {}, 0});
}

std::uint64_t Mixer::play_sound(std::shared_ptr<PendingSound const> sound)
{
    return post_sound({Command::Kind::sound, MediaVerb::play, {}, {}, {}, std::move(sound), 0});
}

std::uint64_t Mixer::post_sound(Command command)
{
    {
        std::lock_guard lock(m_mutex);
        command.number = ++m_last_number;
    }
    auto const number = command.number;
    post(std::move(command));
    return number;
}

void Mixer::tune_command(MediaVerb verb, std::string key, std::shared_ptr<Song const> song)
{
    post({Command::Kind::tune, verb, std::move(key), std::move(song), {}, {}, 0});
}

void Mixer::stop_all()
{
    Command command;
    command.kind = Command::Kind::stop_all;
    post(std::move(command));
}

bool Mixer::wait_for_sound(std::uint64_t sound, std::chrono::steady_clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    return m_sound_ended.wait_until(lock, deadline, [&] { return m_ended_number >= sound; });
}

void Mixer::render(float* out, std::size_t frames)
{
    bool synth_arrived = false;
    {
        std::lock_guard lock(m_mutex);
        m_applying.swap(m_posted);
        if (m_loaded_synth && !m_synth) {
            m_synth = std::move(m_loaded_synth);
            synth_arrived = true;
        }
    }
    if (synth_arrived)
        m_tunes.attach(m_synth.get());
    for (auto& command : m_applying)
        apply(command);
    m_applying.clear();

    if (frames > 0) {
        m_tunes.render(out, frames);
        mix_voices(out, frames);
        std::for_each(out, out + frames * mix_channels, [](float& sample) { sample = limit(sample); });
    }
    publish();
}

void Mixer::render(std::int16_t* out, std::size_t frames)
{
    do {
        auto const block = std::min(frames, int16_block_frames);
        render(m_scratch.data(), block);
        std::transform(m_scratch.begin(), m_scratch.begin() + block * mix_channels, out,
                       [](float sample) { return static_cast<std::int16_t>(sample * 32767.0f); });
        out += block * mix_channels;
        frames -= block;
    } while (frames > 0);
}

void Mixer::apply(Command& command)
{
    switch (command.kind) {
    case Command::Kind::sound:
        start_sound(command);
        break;
    case Command::Kind::tune:
        if (command.verb == MediaVerb::play)
            m_tunes.play(std::move(command.key), std::move(command.song));
        else if (command.verb == MediaVerb::pause)
            m_tunes.pause(command.key);
        else
            m_tunes.stop(command.key);
        break;
    case Command::Kind::stop_all:
        m_tunes.stop_all();
        end_voice();
        break;
    }
}

// The sound still playing fades out under the new one; it counts as ended from now.
void Mixer::start_sound(Command& command)
{
    end_voice();
    m_voice = {std::move(command.sound), 0, command.number, 0, std::move(command.pending)};
}

// Whether the voice's sound is decoded (taking it over when it has just become so).
bool Mixer::pending_ready()
{
    if (!m_voice.pending)
        return true;
    if (m_voice.pending->pcm.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return false;
    m_voice.sound = m_voice.pending->pcm.get();
    m_rendered_retired.push_back(std::move(m_voice.pending));
    m_voice.pending = {};
    return true;
}

void Mixer::end_voice()
{
    if (!m_voice.sound && !m_voice.pending)
        return;
    m_rendered_ended = std::max(m_rendered_ended, m_voice.number);
    // A sound replaced before it was heard (two posted in one block) has nothing to fade, and
    // must not cut short the fade of the one before it.
    if (m_voice.position == 0) {
        if (m_voice.sound)
            m_rendered_retired.push_back(std::move(m_voice.sound));
        if (m_voice.pending)
            m_rendered_retired.push_back(std::move(m_voice.pending));
        m_voice = {};
        return;
    }
    if (m_fading.sound)
        m_rendered_retired.push_back(std::move(m_fading.sound));
    m_fading = std::move(m_voice);
    m_fading.fade_left = fade_frames;
    m_voice = {};
}

void Mixer::mix_voices(float* out, std::size_t frames)
{
    mix_fading(out, frames);
    if (!pending_ready() || !m_voice.sound)
        return;
    auto const& samples = m_voice.sound->samples;
    auto const count = std::min(frames, m_voice.sound->frames() - m_voice.position);
    auto const* from = samples.data() + m_voice.position * mix_channels;
    for (std::size_t i = 0; i < count * mix_channels; ++i)
        out[i] += sound_gain * from[i];
    m_voice.position += count;
    if (m_voice.position >= m_voice.sound->frames()) {
        m_rendered_ended = std::max(m_rendered_ended, m_voice.number);
        m_rendered_retired.push_back(std::move(m_voice.sound));
        m_voice = {};
    }
}

void Mixer::mix_fading(float* out, std::size_t frames)
{
    if (!m_fading.sound)
        return;
    auto const available = m_fading.sound->frames() - std::min(m_fading.position,
                                                                m_fading.sound->frames());
    auto const count = std::min({frames, available, m_fading.fade_left});
    auto const* from = m_fading.sound->samples.data() + m_fading.position * mix_channels;
    for (std::size_t frame = 0; frame < count; ++frame) {
        auto const left = static_cast<float>(m_fading.fade_left - frame) / fade_frames;
        auto const gain = sound_gain * (0.5f - 0.5f * std::cos(std::numbers::pi_v<float> * left));
        out[frame * 2] += gain * from[frame * 2];
        out[frame * 2 + 1] += gain * from[frame * 2 + 1];
    }
    m_fading.position += count;
    m_fading.fade_left -= count;
    if (m_fading.fade_left == 0 || m_fading.position >= m_fading.sound->frames()) {
        m_rendered_retired.push_back(std::move(m_fading.sound));
        m_fading = {};
    }
}

// Tells the game's thread which sounds have ended and hands back those it may free.
void Mixer::publish()
{
    if (m_rendered_retired.empty() && m_published_ended == m_rendered_ended)
        return;
    m_published_ended = m_rendered_ended;
    {
        std::lock_guard lock(m_mutex);
        m_ended_number = std::max(m_ended_number, m_rendered_ended);
        for (auto& sound : m_rendered_retired)
            if (m_retired.size() < m_retired.capacity())
                m_retired.push_back(std::move(sound));
    }
    m_rendered_retired.clear();
    m_sound_ended.notify_all();
}

}
