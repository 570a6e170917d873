// The headless runner: a virtual clock, the script back end, silent media and the transcript.
#include "platform/headless/headless_run.hpp"

#include "platform/audio/audio.hpp"
#include "platform/media.hpp"
#include "platform/runtime.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

namespace platform {

int run_script(Script script, HeadlessGame const& game, std::ostream& out, std::ostream& err)
{
    return run_commands(std::make_unique<ScriptSource>(std::move(script)), game, out, err);
}

int run_commands(std::unique_ptr<CommandSource> commands, HeadlessGame const& game, std::ostream& out, std::ostream& err)
{
    std::string const file = commands->name();
    VirtualClock clock(game.start_time_of_day);
    HeadlessBackend backend(clock, std::move(commands));
    backend.set_screenshot(game.screenshot);
    Runtime runtime(clock, backend);
    runtime.set_transcript(&out);

    auto media_backend = make_headless_media([&clock](Micros length) { clock.advance_by(length); });
    Media media(game.program_folder, *media_backend, [&runtime](std::string const& line) { runtime.trace(line); });
    runtime.set_media(&media);

    try {
        if (game.install)
            game.install(runtime);
        runtime.run([&] {
            if (game.start)
                game.start(runtime);
        });
    } catch (ScriptError const& error) {
        out.flush();
        err << file << ":" << error.line() << ": " << error.what() << std::endl;
        return 2;
    }
    out.flush();
    return 0;
}

int run_script_file(std::string const& path, HeadlessGame const& game, std::ostream& out, std::ostream& err)
{
    std::stringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            err << path << ": cannot read the script" << std::endl;
            return 2;
        }
        text << in.rdbuf();
    }
    try {
        return run_script(parse_script(text.str(), path), game, out, err);
    } catch (ScriptError const& error) {
        err << path << ":" << error.line() << ": " << error.what() << std::endl;
        return 2;
    }
}

}
