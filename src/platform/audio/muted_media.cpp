// A media back end that plays nothing but gives synchronous sounds their length.
#include "platform/audio/muted_media.hpp"

#include "platform/audio/audio.hpp"

namespace platform {

void MutedMedia::play_wav(std::string const& path, SoundMode mode)
{
    if (mode == SoundMode::sync && m_on_sync_sound)
        m_on_sync_sound(sync_sound_microseconds(path));
}

}
