// SDL's video subsystem for the length of a run: started with the game's hints, stopped after.
#pragma once

#include <string>

namespace platform::sdl {

class SdlVideo {
public:
    SdlVideo();
    ~SdlVideo();
    SdlVideo(SdlVideo const&) = delete;
    SdlVideo& operator=(SdlVideo const&) = delete;

    bool ready() const { return m_ready; }
    // Why the video could not start, when it could not.
    std::string const& error() const { return m_error; }

private:
    bool m_ready = false;
    std::string m_error;
};

}
