// Real play in windows: starts SDL's video, runs the game's forms on the real clock, and ends it.
#pragma once

#include "platform/picture.hpp"
#include "platform/headless/command_source.hpp"
#include "platform/headless/headless_backend.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <ostream>

namespace platform {

class Runtime;

struct WindowOptions {
    enum class Fullscreen { no, yes };
    std::optional<int> scale; // 1 to 4; unset picks the largest that fits the desktop
    Fullscreen fullscreen = Fullscreen::no;
    Raster icon; // every window's icon, as pictures are rasterised; empty: the desktop's default
    // A player whose commands become real input through the display server (a script, or the
    // demo), made once the windows can be reached; none when a person plays.
    std::function<std::unique_ptr<CommandSource>()> player;
    ScreenshotFn screenshot; // for the player's `screenshot` commands
    std::ostream* transcript = nullptr; // where a played run's transcript goes
    // Where the player's input is written as a script, for a headless run to play back; the
    // game then runs on a virtual clock that keeps pace with the real one (see SdlBackend::record).
    std::ostream* recording = nullptr;
};

// Runs the game: `install` sets up the forms, `attach_media` the sound (it keeps the media alive
// for the whole call), `start` shows the first form. Returns 0 when the program ends, or 1 after
// one line on `err` when no window can be opened, or 2 after "FILE:LINE: message" for an error in
// a player's script.
int run_windowed(WindowOptions const& options, std::function<void(Runtime&)> const& install,
    std::function<void(Runtime&)> const& start, std::function<void(Runtime&)> const& attach_media, std::ostream& err);

// The largest scale (1 to 4) at which the game's largest screen and its title bar fit the
// usable desktop; SDL's video must be running.
int default_window_scale();

// The client area of the game's largest screen, in pixels.
inline constexpr int largest_screen_width = 510;
inline constexpr int largest_screen_height = 458;

}
