// Starting SDL's video: closing the last window must reach the game as a close, not a quit.
#include "platform/sdl/sdl_video.hpp"

#include "platform/sdl/x11_desktop.hpp"

#include <SDL.h>

#include <cstdlib>
#include <string_view>

namespace platform::sdl {

SdlVideo::SdlVideo()
{
    // Closing a window unloads its form, which runs the game's own ending; only a signal from
    // the terminal arrives as a quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    // A click on a window that is not yet active still reaches the game.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // Windows are drawn in software and handed to the display as they are (shared memory on X11);
    // SDL would otherwise pass every frame through an OpenGL texture, which without a graphics
    // card means a software OpenGL costing ten times the drawing itself.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    bool const driver_chosen = std::getenv("SDL_VIDEODRIVER") != nullptr;
    if (!driver_chosen && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        m_error = "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
        return;
    }
    // An X error must never end the game: it is reported and play goes on. Installed first, so
    // that SDL keeps it behind its own handler and puts it back when the video stops.
    x11::install_error_handler();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        m_error = SDL_GetError();
        if (m_error.empty())
            m_error = "no video driver is available";
        return;
    }
    // With no display SDL falls back to drivers that show nothing; a player would wait for a
    // window that never comes.
    std::string_view const driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    if (!driver_chosen && (driver == "offscreen" || driver == "dummy")) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        m_error = "no display found";
        return;
    }
    m_ready = true;
}

SdlVideo::~SdlVideo()
{
    if (m_ready)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}
