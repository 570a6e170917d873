// A media back end that plays nothing but gives synchronous sounds their length.
#include "platform/audio/muted_media.hpp"

#include "platform/audio/media_command.hpp"
#include "platform/audio/sound_file.hpp"

namespace platform {

void MutedMedia::play_wav(std::string const& path, SoundMode mode)
{
    if (mode == SoundMode::sync && m_on_sync_sound)
        m_on_sync_sound(sound_microseconds(map_game_path(path)));
}

}
