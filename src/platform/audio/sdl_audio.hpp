// The media back end that plays: the mixer feeding an SDL audio device.
#pragma once

#include "platform/audio/media_control.hpp"
#include "platform/audio/mixer.hpp"
#include "platform/media.hpp"

#include <SDL.h>

#include <chrono>
#include <memory>

namespace platform {

class SdlAudio final : public MediaBackend {
public:
    // Nothing when SDL has no audio device to open.
    static std::unique_ptr<SdlAudio> open();
    ~SdlAudio() override;
    SdlAudio(SdlAudio const&) = delete;
    SdlAudio& operator=(SdlAudio const&) = delete;

    Mixer& mixer() { return m_mixer; }

    void play_wav(std::string const& path, SoundMode mode) override;
    void send_command(std::string const& command) override;
    void stop_all() override;

private:
    SdlAudio() = default;
    bool open_device();
    // A device that went away (unplugged, its server gone) is closed, and from time to time
    // the default one is tried again; meanwhile the game goes on in silence.
    void check_device();
    void drain_without_device();
    static void SDLCALL on_audio(void* self, Uint8* stream, int bytes);

    Mixer m_mixer;
    MediaControl m_control{m_mixer, SoundDecoding::long_ones_in_background};
    SDL_AudioDeviceID m_device = 0;
    std::chrono::steady_clock::time_point m_last_attempt{};
};

}
