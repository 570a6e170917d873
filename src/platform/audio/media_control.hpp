// The game's side of the mixer: command strings and file names in, decoded sounds and tunes out.
#pragma once

#include "platform/audio/mixer.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace platform {

struct StartedSound {
    std::uint64_t number = 0;
    std::int64_t microseconds = 0;
};

// How sounds are decoded: all at once when played (what offline rendering needs), or, for a mixer
// on a device, long ones on a thread of their own, so that the game does not wait for them.
enum class SoundDecoding { at_once, long_ones_in_background };

// Reads the files on the game's thread, so the audio thread never touches the disk.
class MediaControl {
public:
    explicit MediaControl(Mixer& mixer, SoundDecoding decoding = SoundDecoding::at_once)
        : m_mixer(mixer), m_decoding(decoding) {}

    // `game_path` is the program folder followed by "\name.wav". Plays the alert chime instead
    // when the file is missing or cannot be decoded.
    StartedSound play_wav(std::string const& game_path);
    // "play ", "pause " or "stop " followed by the program folder and "\name.mid".
    void send_command(std::string const& command);
    void stop_all() { m_mixer.stop_all(); }

private:
    std::shared_ptr<Song const> song_for(std::string const& game_path);

    Mixer& m_mixer;
    SoundDecoding m_decoding;
    // A tune is read on its first play and kept: replaying it costs nothing.
    std::map<std::string, std::shared_ptr<Song const>> m_songs;
};

}
