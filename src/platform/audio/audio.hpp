// Choosing the game's media back end: the sound device, or silence.
#pragma once

#include "platform/media.hpp"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace platform {

enum class AudioOutput { device, mute };

struct AudioOptions {
    // From --soundfont; when empty the standard data folders are searched.
    std::optional<std::filesystem::path> soundfont;
    // --mute: play nothing, exactly as on a machine without sound.
    AudioOutput output = AudioOutput::device;
    // Puts off the search for the soundfont and the start of its loading, which cost the most
    // while the first picture is being made (the real-window game waits for that picture); when
    // empty, they begin at once.
    std::function<void(std::function<void()>)> defer_loading;
};

// The mixer on the default SDL audio device, or, when muted or no device opens, a back end that
// plays nothing (synchronous sounds still take their length). The soundfont loads in the
// background; without one, effects play, tunes are silent and one line on stderr says why.
// Initialises SDL's audio subsystem itself and quits it when destroyed.
std::unique_ptr<MediaBackend> open_audio(AudioOptions const& options);

// Plays nothing; a synchronous sound advances the game's virtual clock by the sound's length
// (the alert chime's when the file cannot be played).
std::unique_ptr<MediaBackend> make_headless_media(
    std::function<void(std::int64_t microseconds)> advance_clock);

// How long a synchronous sound holds the game on a virtual clock: the length of the file at
// `path` (the program folder followed by the game's name for it), or the alert chime's.
std::int64_t sync_sound_microseconds(std::string const& path);

}
