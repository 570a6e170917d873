// The game's sound calls, traced and passed on as the original platform's command strings.
#include "platform/media.hpp"

namespace platform {

Media::Media(std::string program_folder, MediaBackend& backend, Trace trace)
    : m_program_folder(std::move(program_folder))
    , m_backend(backend)
    , m_trace(std::move(trace))
{
}

void Media::play_sound(std::string_view file, SoundMode mode)
{
    if (m_trace)
        m_trace("sound " + std::string(file) + (mode == SoundMode::sync ? " sync" : " async"));
    std::string const path = m_program_folder + std::string(file);
    m_backend.play_wav(path, mode);
    if (mode == SoundMode::sync && m_after_sync_sound)
        m_after_sync_sound(path);
}

void Media::send(std::string_view verb, std::string_view file)
{
    if (m_trace)
        m_trace("music " + std::string(verb) + " " + std::string(file));
    m_backend.send_command(std::string(verb) + " " + m_program_folder + std::string(file));
}

void Media::play_music(std::string_view file) { send("play", file); }
void Media::stop_music(std::string_view file) { send("stop", file); }
void Media::pause_music(std::string_view file) { send("pause", file); }
void Media::stop_all() { m_backend.stop_all(); }

}
