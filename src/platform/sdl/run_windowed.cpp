// Wiring the real clock, the SDL back end and the runtime together for one run of the game.
#include "platform/sdl/run_windowed.hpp"

#include "platform/audio/audio.hpp"
#include "platform/media.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/recorder.hpp"
#include "platform/sdl/sdl_backend.hpp"
#include "platform/sdl/sdl_video.hpp"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace platform {

int default_window_scale()
{
    SDL_Rect usable { 0, 0, 0, 0 };
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0 && SDL_GetDisplayBounds(0, &usable) != 0)
        return 1;
    // Room for a title bar and the window's frame, which are not known before a window exists.
    constexpr int frame_width = 8;
    constexpr int frame_height = 40;
    for (int scale = 4; scale > 1; --scale) {
        if (largest_screen_width * scale + frame_width <= usable.w && largest_screen_height * scale + frame_height <= usable.h)
            return scale;
    }
    return 1;
}

int run_windowed(WindowOptions const& options, std::function<void(Runtime&)> const& install,
    std::function<void(Runtime&)> const& start, std::function<void(Runtime&)> const& attach_media, std::ostream& err)
{
    sdl::SdlVideo video;
    if (!video.ready()) {
        err << "grawn2: cannot open a window: " << video.error() << "; use --headless for scripts" << std::endl;
        return 1;
    }
    int const fits = default_window_scale();
    int scale = options.scale ? std::clamp(*options.scale, 1, 4) : fits;
    if (scale > fits) {
        err << "grawn2: --scale " << scale << " does not fit this desktop; using --scale " << fits << std::endl;
        scale = fits;
    }
    RealClock clock;
    sdl::SdlBackend backend(clock, scale, options.fullscreen == WindowOptions::Fullscreen::yes ? sdl::ScreenMode::fullscreen : sdl::ScreenMode::windowed);
    backend.set_window_icon(options.icon);
    // A recorded game runs on a clock of its own that starts with the real one, at the time of
    // day in whole milliseconds, as the recording's header gives it to a replay.
    std::optional<VirtualClock> game_clock;
    std::optional<sdl::Recorder> recorder;
    if (options.recording) {
        double const time_of_day = std::floor(clock.time_of_day() * 1000) / 1000;
        game_clock.emplace(time_of_day);
        recorder.emplace(*options.recording, time_of_day);
        backend.record(*game_clock, *recorder);
    }
    Runtime runtime(game_clock ? static_cast<Clock&>(*game_clock) : clock, backend);
    if (install)
        install(runtime);
    if (attach_media)
        attach_media(runtime);
    if (game_clock && runtime.media()) {
        // The sound has held the game for its real length; the game's clock moves on by its
        // exact length, as in a headless run.
        runtime.media()->set_after_sync_sound([&](std::string const& path) { game_clock->advance_by(sync_sound_microseconds(path)); });
    }
    std::string player_name;
    if (options.player) {
        auto commands = options.player();
        player_name = commands->name();
        backend.set_player(std::make_unique<sdl::RealPlayer>(clock, std::move(commands), options.screenshot));
        runtime.set_transcript(options.transcript);
    }
    try {
        int const status = runtime.run([&] {
            if (start)
                start(runtime);
        });
        if (options.transcript)
            options.transcript->flush();
        return status;
    } catch (ScriptError const& error) {
        if (options.transcript)
            options.transcript->flush();
        err << player_name << ":" << error.line() << ": " << error.what() << std::endl;
        return 2;
    }
}

}
