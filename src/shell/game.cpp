// Starting the game in the mode the command line asks for.
#include "shell/game.hpp"

#include "art/art_sheet.hpp"
#include "art/icon.hpp"
#include "demo/demo.hpp"
#include "platform/audio/audio.hpp"
#include "platform/headless/headless_run.hpp"
#include "platform/media.hpp"
#include "platform/sdl/run_windowed.hpp"
#include "platform/sdl/screenshot.hpp"
#include "platform/runtime.hpp"
#include "shell/command_line.hpp"
#include "shell/screens.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace shell {

#ifndef GRAWN2_DATA_FROM_BIN
#define GRAWN2_DATA_FROM_BIN "../share/grawn2"
#endif

std::string program_folder(char const* argv0)
{
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error && argv0)
        exe = std::filesystem::absolute(argv0, error);
    auto const folder = exe.parent_path();
    // Installed, the sounds lie in the data folder, found from the executable's own place so
    // that a moved installation still finds them; in the build tree they lie beside it.
    auto const installed = (folder / GRAWN2_DATA_FROM_BIN).lexically_normal();
    if (std::filesystem::is_directory(installed, error))
        return installed.string();
    return folder.string();
}

namespace {

// The size of the icon the windows hand to the desktop, which scales it for title bars.
constexpr int window_icon_pixels = 64;

platform::HeadlessGame headless_game(Options const& options, std::string folder)
{
    platform::HeadlessGame game;
    game.install = install_screens;
    game.start = [](platform::Runtime& runtime) { runtime.show_form("intro"); };
    game.program_folder = std::move(folder);
    game.start_time_of_day = options.start_time_of_day;
    game.screenshot = platform::make_screenshot_renderer(options.scale.value_or(1));
    return game;
}

demo::DemoOptions demo_options(Options const& options)
{
    demo::DemoOptions wishes;
    wishes.seed = options.demo_seed;
    wishes.lose = options.demo_lose;
    return wishes;
}

// A person's play, written into the file the command line names; a file that cannot be made is
// an error of the command line, before any window opens.
int record_play(Options const& options, std::string const& folder)
{
    std::ofstream recording(options.record, std::ios::binary | std::ios::trunc);
    if (!recording) {
        std::cerr << "grawn2: --record cannot write " << options.record << ": " << std::strerror(errno) << "\n";
        return 64;
    }
    int const status = play_in_windows(options, folder, {}, &recording, std::cout);
    recording.close();
    if (recording.fail()) {
        std::cerr << "grawn2: the recording could not be written to " << options.record << "\n";
        return status != 0 ? status : 1;
    }
    return status;
}

}

int play_in_windows(Options const& options, std::string const& folder, std::unique_ptr<platform::CommandSource> player, std::ostream* recording, std::ostream& transcript)
{
    platform::AudioOptions audio;
    if (!options.soundfont.empty())
        audio.soundfont = options.soundfont;
    audio.output = options.sound == Sound::mute ? platform::AudioOutput::mute : platform::AudioOutput::device;

    // The sound outlives the runtime that calls it.
    std::unique_ptr<platform::MediaBackend> backend;
    std::unique_ptr<platform::Media> media;
    platform::WindowOptions windows;
    windows.scale = options.scale;
    windows.fullscreen = options.display == Display::fullscreen ? platform::WindowOptions::Fullscreen::yes : platform::WindowOptions::Fullscreen::no;
    windows.icon = platform::rasterize(art::game_icon(window_icon_pixels), 1);
    if (player) {
        // A played run (a script, or the demo): its commands become real input, and its
        // transcript is written as in a headless run.
        windows.player = [&player] { return std::move(player); };
        windows.screenshot = platform::make_screenshot_renderer(options.scale.value_or(1));
        windows.transcript = &transcript;
    }
    windows.recording = recording;
    return platform::run_windowed(
        windows, install_screens, [](platform::Runtime& runtime) { runtime.show_form("intro"); },
        [&](platform::Runtime& runtime) {
            // The instruments load once the first picture is up: the tunes begin later on.
            audio.defer_loading = [&runtime](std::function<void()> work) { runtime.backend().after_first_frame(std::move(work)); };
            backend = platform::open_audio(audio);
            media = std::make_unique<platform::Media>(folder, *backend, [&runtime](std::string const& line) { runtime.trace(line); });
            runtime.set_media(media.get());
        },
        std::cerr);
}

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    auto const parsed = parse_command_line(args);
    if (!parsed.options) {
        std::cerr << "grawn2: " << parsed.error << "\n" << usage();
        return 64;
    }
    Options const& options = *parsed.options;
    switch (options.mode) {
    case RunMode::help:
        std::cout << usage();
        return 0;
    case RunMode::version:
        std::cout << "grawn2 " << GRAWN2_VERSION << "\n";
        return 0;
    case RunMode::headless:
        if (options.player == Player::demo)
            return platform::run_commands(demo::make_demo_player(demo_options(options)), headless_game(options, program_folder(argv[0])), std::cout, std::cerr);
        return platform::run_script_file(options.script, headless_game(options, program_folder(argv[0])), std::cout, std::cerr);
    case RunMode::art_sheet:
        if (!art::write_art_sheet(options.art_sheet)) {
            std::cerr << "grawn2: cannot write the art sheet to " << options.art_sheet << "\n";
            return 1;
        }
        return 0;
    case RunMode::play_script: {
        auto script = platform::load_script(options.script, std::cerr);
        if (!script)
            return 2;
        return play_in_windows(options, program_folder(argv[0]), std::make_unique<platform::ScriptSource>(std::move(*script)), nullptr, std::cout);
    }
    case RunMode::play:
        break;
    }
    if (options.player == Player::demo)
        return play_in_windows(options, program_folder(argv[0]), demo::make_demo_player(demo_options(options)), nullptr, std::cout);
    if (!options.record.empty())
        return record_play(options, program_folder(argv[0]));
    return play_in_windows(options, program_folder(argv[0]), {}, nullptr, std::cout);
}

}
