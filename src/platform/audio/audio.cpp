// Choosing the game's media back end, and telling the player once when the tunes cannot play.
#include "platform/audio/audio.hpp"

#include "platform/audio/clock_wait.hpp"
#include "platform/audio/media_command.hpp"
#include "platform/audio/sdl_audio.hpp"
#include "platform/audio/muted_media.hpp"
#include "platform/audio/sound_file.hpp"
#include "platform/audio/soundfont_finder.hpp"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {

void say_no_music(char const* reason)
{
    std::fprintf(stderr,
                 "grawn2: %s, so the tunes are silent; install timgm6mb-soundfont or pass "
                 "--soundfont FILE.sf2\n",
                 reason);
}

std::unique_ptr<MediaBackend> make_silent_media()
{
    return std::make_unique<MutedMedia>(&wait_microseconds);
}

}

std::unique_ptr<MediaBackend> open_audio(AudioOptions const& options)
{
    if (options.output == AudioOutput::mute)
        return make_silent_media();
    auto audio = SdlAudio::open();
    if (!audio) {
        std::fprintf(stderr, "grawn2: no audio device: playing without sound\n");
        return make_silent_media();
    }
    auto load = [mixer = &audio->mixer(), chosen = options.soundfont] {
        auto const soundfont = chosen ? chosen : find_soundfont([](char const* name) {
            return static_cast<char const*>(std::getenv(name));
        });
        if (!soundfont)
            say_no_music("no General MIDI soundfont was found");
        else
            mixer->load_soundfont(*soundfont, SoundfontLoading::background,
                                  [] { say_no_music("the soundfont could not be loaded"); });
    };
    if (options.defer_loading)
        options.defer_loading(std::move(load));
    else
        load();
    return audio;
}

std::unique_ptr<MediaBackend> make_headless_media(
    std::function<void(std::int64_t microseconds)> advance_clock)
{
    return std::make_unique<MutedMedia>(std::move(advance_clock));
}

std::int64_t sync_sound_microseconds(std::string const& path) { return sound_microseconds(map_game_path(path)); }

}
