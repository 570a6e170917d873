// Media for headless runs until the audio layer's own headless back end is wired in.
#pragma once

#include "platform/clock.hpp"
#include "platform/media.hpp"

#include <functional>
#include <memory>

namespace platform {

class SilentMedia final : public MediaBackend {
public:
    void play_wav(std::string const&, SoundMode) override { }
    void send_command(std::string const&) override { }
    void stop_all() override { }
};

inline std::unique_ptr<MediaBackend> make_silent_media(std::function<void(Micros)> const&)
{
    return std::make_unique<SilentMedia>();
}

}
