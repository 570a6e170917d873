// The tune rules: one tune at a time, played once, paused and resumed where it stood.
#pragma once

#include "platform/audio/fluid_synth.hpp"
#include "platform/audio/midi_song.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Lives on the audio thread: the mixer applies the game's commands to it in order, then renders.
// A tune is known by its full path. Until a synthesiser is attached, a tune that was asked for
// waits at its start and begins when the synthesiser comes.
class TunePlayer {
public:
    TunePlayer();

    // Does nothing for a tune that cannot be played (no song) or is playing already; stops any
    // other tune; continues a paused tune from where it was paused, else starts from the top.
    void play(std::string key, std::shared_ptr<Song const> song);
    // Holds the tune at its position, if it is the one playing.
    void pause(std::string const& key);
    // Halts the tune and forgets any paused position: its next play starts from the top.
    void stop(std::string const& key);
    void stop_all();

    void attach(FluidSynth* synth);
    // Writes `frames` stereo frames: the tune with its fading notes, or silence.
    void render(float* out, std::size_t frames);

    // Empty when no tune plays (or waits for the synthesiser).
    std::string const& current_tune() const;
    // Frames played of the current tune.
    std::int64_t position() const;

private:
    struct Playing {
        std::string key;
        std::shared_ptr<Song const> song;
        std::int64_t position = 0;
        std::size_t next_event = 0;
    };
    struct Paused {
        std::string key;
        std::int64_t position = 0;
    };

    void begin();
    void halt();
    void render_playing(float* out, std::size_t frames);
    std::optional<std::int64_t> take_paused(std::string const& key);

    FluidSynth* m_synth = nullptr;
    std::optional<Playing> m_playing;
    std::vector<Paused> m_paused;
    // Frames since the synthesiser last had a voice sounding, to stop rendering silence.
    std::int64_t m_quiet_frames = 0;
};

}
