// A media back end that plays nothing: for headless runs, muted play and machines with no sound.
#pragma once

#include "platform/media.hpp"

#include <cstdint>
#include <functional>

namespace platform {

// Synchronous sounds still take their length: `on_sync_sound` receives it, and either advances
// a virtual clock (headless runs) or really waits (a silent game keeps its pace).
class MutedMedia final : public MediaBackend {
public:
    using SyncSound = std::function<void(std::int64_t microseconds)>;

    explicit MutedMedia(SyncSound on_sync_sound) : m_on_sync_sound(std::move(on_sync_sound)) {}

    void play_wav(std::string const& path, SoundMode mode) override;
    void send_command(std::string const&) override {}
    void stop_all() override {}

private:
    SyncSound m_on_sync_sound;
};

}
