// Parsing the game's command line.
#include "shell/command_line.hpp"

#include "platform/echoed.hpp"
#include "demo/demo.hpp"

#include <charconv>

namespace shell {

namespace {

bool whole(std::string const& text, std::uint32_t& out)
{
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

std::string losable_list()
{
    std::string list;
    for (auto const& name : demo::losable_screens())
        list += (list.empty() ? "" : " ") + name;
    return list;
}

}

std::string usage()
{
    return "usage: grawn2 [--scale N] [--fullscreen] [--soundfont PATH] [--mute] [--record FILE] [--help] [--version]\n"
           "       grawn2 --headless --script FILE|- [--time-of-day SECONDS] [--scale N]\n"
           "       grawn2 --script FILE|- [--scale N] [--fullscreen] [--mute] [--soundfont PATH]\n"
           "       grawn2 [--headless] --demo [--demo-seed N] [--demo-lose SCREEN]\n"
           "       grawn2 --art-sheet FILE.png\n"
           "\n"
           "  --scale N          window scale, 1 to 4 (default: the largest that fits the desktop)\n"
           "  --fullscreen       start in fullscreen (Alt+Enter toggles)\n"
           "  --soundfont PATH   General MIDI soundfont for the tunes\n"
           "  --mute             no sound at all\n"
           "  --record FILE      write what you do in the windows into FILE as a script that\n"
           "                     --headless --script FILE plays back (the file says the --time-of-day)\n"
           "  --headless         no display and no audio; play a script on a virtual clock\n"
           "  --script FILE      the script to play (- reads standard input); the transcript goes to stdout;\n"
           "                     without --headless it is played in real windows on the real clock, its\n"
           "                     clicks, keys and box buttons sent through the display server\n"
           "  --time-of-day S    headless: the time of day, in seconds since midnight, at which the run starts\n"
           "  --demo             the game plays itself from the title screen to the final credits\n"
           "  --demo-seed N      vary the demo's reactions and aim by the number N\n"
           "  --demo-lose SCREEN the demo loses that level or bonus game instead of winning it\n"
           "  --art-sheet FILE   draw every picture of the game into FILE.png and exit\n"
           "  --help             this text\n"
           "  --version          the game's version\n";
}

ParseResult parse_command_line(std::vector<std::string> const& args)
{
    Options options;
    bool headless = false;
    bool time_of_day = false;
    auto value_of = [&](std::size_t& i, std::string& out) {
        if (i + 1 >= args.size())
            return false;
        out = args[++i];
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string const& arg = args[i];
        std::string value;
        if (arg == "--help") {
            options.mode = RunMode::help;
            return { options, {} };
        }
        if (arg == "--version") {
            options.mode = RunMode::version;
            return { options, {} };
        }
        if (arg == "--fullscreen") {
            options.display = Display::fullscreen;
        } else if (arg == "--mute") {
            options.sound = Sound::mute;
        } else if (arg == "--headless") {
            headless = true;
        } else if (arg == "--scale") {
            int scale = 0;
            if (!value_of(i, value))
                return { {}, "--scale needs a number from 1 to 4" };
            auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), scale);
            if (ec != std::errc() || ptr != value.data() + value.size() || scale < 1 || scale > 4)
                return { {}, "--scale needs a number from 1 to 4, got " + platform::echoed(value) };
            options.scale = scale;
        } else if (arg == "--soundfont") {
            if (!value_of(i, options.soundfont))
                return { {}, "--soundfont needs a path" };
        } else if (arg == "--script") {
            if (!value_of(i, options.script))
                return { {}, "--script needs a file (or - for standard input)" };
        } else if (arg == "--record") {
            if (!value_of(i, options.record) || options.record.empty())
                return { {}, "--record needs a file name" };
        } else if (arg == "--time-of-day") {
            double seconds = 0;
            if (!value_of(i, value))
                return { {}, "--time-of-day needs seconds since midnight" };
            auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
            // Written so that nan fails it too.
            if (ec != std::errc() || ptr != value.data() + value.size() || !(seconds >= 0 && seconds < 86400))
                return { {}, "--time-of-day needs seconds since midnight, at least 0 and less than 86400, got " + platform::echoed(value) };
            options.start_time_of_day = seconds;
            time_of_day = true;
        } else if (arg == "--demo") {
            options.player = Player::demo;
        } else if (arg == "--demo-seed") {
            std::uint32_t seed = 0;
            if (!value_of(i, value) || !whole(value, seed))
                return { {}, "--demo-seed needs a whole number from 0 to 4294967295" };
            options.demo_seed = seed;
        } else if (arg == "--demo-lose") {
            if (!value_of(i, options.demo_lose) || !demo::can_lose(options.demo_lose))
                return { {}, "--demo-lose needs a level or bonus game, one of: " + losable_list() };
        } else if (arg == "--art-sheet") {
            if (!value_of(i, options.art_sheet))
                return { {}, "--art-sheet needs a file name" };
            options.mode = RunMode::art_sheet;
        } else {
            return { {}, "unknown option " + platform::echoed(arg) };
        }
    }
    if (options.mode == RunMode::art_sheet)
        return { options, {} };
    if (options.player != Player::demo && (options.demo_seed || !options.demo_lose.empty()))
        return { {}, "--demo-seed and --demo-lose work only with --demo" };
    if (options.player == Player::demo && !options.script.empty())
        return { {}, "--demo and --script cannot be used together" };
    if (!options.record.empty() && (headless || !options.script.empty() || options.player == Player::demo))
        return { {}, "--record records a person playing in windows: not with --headless, --script or --demo" };
    if (headless) {
        if (options.script.empty() && options.player != Player::demo)
            return { {}, "--headless needs --script FILE or --demo" };
        options.mode = RunMode::headless;
    } else if (time_of_day) {
        return { {}, "--time-of-day works only with --headless" };
    } else if (!options.script.empty()) {
        options.mode = RunMode::play_script;
    }
    return { options, {} };
}

}
