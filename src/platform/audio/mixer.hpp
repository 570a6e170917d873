// The mixer: one sound-effect voice over one tune, as 48 kHz stereo, rendered on demand.
#pragma once

#include "platform/audio/fluid_synth.hpp"
#include "platform/audio/media_command.hpp"
#include "platform/audio/midi_song.hpp"
#include "platform/audio/pcm.hpp"
#include "platform/audio/tune_player.hpp"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace platform {

enum class SoundfontLoading { background, blocking };

// A sound still being decoded on a thread of its own: it starts playing once it is ready.
struct PendingSound {
    std::shared_future<std::shared_ptr<Pcm const>> pcm;
};

// The game's thread posts commands; whoever renders (the audio device's thread, or a test or
// benchmark with no device at all) applies them at the start of its next block. Rendering never
// waits on the game: the lock it takes only guards the hand-over of posted commands.
class Mixer {
public:
    Mixer();
    ~Mixer();
    Mixer(Mixer const&) = delete;
    Mixer& operator=(Mixer const&) = delete;

    // Tunes stay silent until a soundfont is loaded; only the first call loads one.
    // `on_failure` runs (on the loading thread, when loading in the background) if it cannot be.
    void load_soundfont(std::filesystem::path const& soundfont, SoundfontLoading loading,
                        std::function<void()> on_failure = {});
    // Blocks until a load that was begun has ended; true when the soundfont is ready.
    bool wait_for_soundfont();

    // Game thread. Returns the sound's number, for wait_for_sound.
    std::uint64_t play_sound(std::shared_ptr<Pcm const> sound);
    // The same for a sound still being decoded: until it is ready it plays silence, and it is
    // replaced, stopped and waited for like any other.
    std::uint64_t play_sound(std::shared_ptr<PendingSound const> sound);
    // `song` is needed for play only; a play without one (a tune that cannot be read) is ignored.
    void tune_command(MediaVerb verb, std::string key, std::shared_ptr<Song const> song = {});
    void stop_all();
    // Returns true once the sound has ended or been replaced, false at the deadline.
    bool wait_for_sound(std::uint64_t sound, std::chrono::steady_clock::time_point deadline);

    // Audio thread. `out` gets `frames` interleaved stereo frames, in -1..1 or full-scale int16.
    // Zero frames only applies the posted commands.
    void render(float* out, std::size_t frames);
    void render(std::int16_t* out, std::size_t frames);

    // For offline rendering only (no device thread rendering at the same time).
    std::string const& current_tune() const { return m_tunes.current_tune(); }
    std::int64_t tune_position() const { return m_tunes.position(); }
    bool sound_playing() const { return m_voice.sound != nullptr || m_voice.pending != nullptr; }

private:
    struct Command {
        enum class Kind { sound, tune, stop_all };
        Kind kind = Kind::sound;
        MediaVerb verb = MediaVerb::play;
        std::string key;
        std::shared_ptr<Song const> song;
        std::shared_ptr<Pcm const> sound;
        std::shared_ptr<PendingSound const> pending;
        std::uint64_t number = 0;
    };
    struct Voice {
        std::shared_ptr<Pcm const> sound;
        std::size_t position = 0;
        std::uint64_t number = 0;
        // While a replaced sound fades out: frames left of its fade, 0 when not fading.
        std::size_t fade_left = 0;
        // Until the sound is decoded (then `sound` holds it).
        std::shared_ptr<PendingSound const> pending;
    };

    void post(Command command);
    void apply(Command& command);
    std::uint64_t post_sound(Command command);
    void start_sound(Command& command);
    bool pending_ready();
    void end_voice();
    void mix_voices(float* out, std::size_t frames);
    void mix_fading(float* out, std::size_t frames);
    void publish();

    // Shared between the threads, under m_mutex.
    std::mutex m_mutex;
    std::condition_variable m_sound_ended;
    std::vector<Command> m_posted;
    std::unique_ptr<FluidSynth> m_loaded_synth;
    std::uint64_t m_last_number = 0;
    std::uint64_t m_ended_number = 0;
    // Sounds the audio thread is done with, freed by the game thread rather than in a callback.
    std::vector<std::shared_ptr<void const>> m_retired;

    // The rendering side's own state.
    std::vector<Command> m_applying;
    std::unique_ptr<FluidSynth> m_synth;
    TunePlayer m_tunes;
    Voice m_voice;
    Voice m_fading;
    std::uint64_t m_rendered_ended = 0;
    std::uint64_t m_published_ended = 0;
    std::vector<std::shared_ptr<void const>> m_rendered_retired;
    std::vector<float> m_scratch;

    // The soundfont loading, last so that it ends before anything it hands over to is gone.
    std::mutex m_load_mutex;
    std::condition_variable m_load_done;
    enum class Load { none, loading, ready, failed };
    Load m_load = Load::none;
    std::jthread m_loader;
};

}
