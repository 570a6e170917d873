// The game's side of the mixer: parsing commands, reading files, posting to the audio thread.
#include "platform/audio/media_control.hpp"

#include "platform/audio/sound_file.hpp"

namespace platform {

StartedSound MediaControl::play_wav(std::string const& game_path)
{
    auto const path = map_game_path(game_path);
    if (m_decoding == SoundDecoding::at_once) {
        auto sound = load_sound(path);
        auto const microseconds = sound->microseconds();
        return {m_mixer.play_sound(std::move(sound)), microseconds};
    }
    auto sound = load_sound_soon(path);
    auto const number = sound.pending ? m_mixer.play_sound(std::move(sound.pending)) : m_mixer.play_sound(std::move(sound.ready));
    return {number, sound.microseconds};
}

void MediaControl::send_command(std::string const& command)
{
    auto parsed = parse_media_command(command);
    if (!parsed)
        return;
    auto song = parsed->verb == MediaVerb::play ? song_for(parsed->path) : nullptr;
    m_mixer.tune_command(parsed->verb, std::move(parsed->path), std::move(song));
}

// A file that cannot be read is tried again on its next play: it may have appeared since.
std::shared_ptr<Song const> MediaControl::song_for(std::string const& game_path)
{
    if (auto const known = m_songs.find(game_path); known != m_songs.end())
        return known->second;
    auto song = load_song(map_game_path(game_path));
    if (song)
        m_songs.emplace(game_path, song);
    return song;
}

}
