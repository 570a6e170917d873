// The game's sound calls: WAV effects and MIDI tunes addressed by the game's own file names.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {

enum class SoundMode { async, sync };

// Where sound calls end up: the real mixer, or a silent stand-in for headless runs.
class MediaBackend {
public:
    virtual ~MediaBackend() = default;
    // `path` is the program folder followed by the game's file name ("\gundead.wav"), unchanged.
    // Synchronous play returns when the sound has ended and handles no events meanwhile.
    virtual void play_wav(std::string const& path, SoundMode mode) = 0;
    // A media-control command: a verb ("play", "stop", "pause"), one space, then the whole path.
    virtual void send_command(std::string const& command) = 0;
    // Silences every voice and tune at once: the program is ending.
    virtual void stop_all() = 0;
};

// Records each call for the transcript, then hands it to the back end.
class Media {
public:
    using Trace = std::function<void(std::string const&)>;

    Media(std::string program_folder, MediaBackend& backend, Trace trace = {});

    void play_sound(std::string_view file, SoundMode mode);
    void play_music(std::string_view file);
    void stop_music(std::string_view file);
    void pause_music(std::string_view file);
    void stop_all();

    std::string const& program_folder() const { return m_program_folder; }

    // Told the whole path of each synchronous sound once it has played: a recorded run moves its
    // game clock on by the sound's exact length there, as a headless run does.
    void set_after_sync_sound(std::function<void(std::string const& path)> after) { m_after_sync_sound = std::move(after); }

private:
    void send(std::string_view verb, std::string_view file);

    std::string m_program_folder;
    MediaBackend& m_backend;
    Trace m_trace;
    std::function<void(std::string const&)> m_after_sync_sound;
};

}
