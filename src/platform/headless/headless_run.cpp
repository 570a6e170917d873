// The headless runner: a virtual clock, the script back end, silent media and the transcript.
#include "platform/headless/headless_run.hpp"

#include "platform/audio/audio.hpp"
#include "platform/media.hpp"
#include "platform/runtime.hpp"

#include <SDL.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int run_script(Script script, HeadlessGame const& game, std::ostream& out, std::ostream& err)
{
    return run_commands(std::make_unique<ScriptSource>(std::move(script)), game, out, err);
}

int run_commands(std::unique_ptr<CommandSource> commands, HeadlessGame const& game, std::ostream& out, std::ostream& err)
{
    // Drawing screenshots on surfaces needs no video driver; should anything in a headless run
    // start SDL's video, it must not go looking for a display.
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
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

namespace {

// The whole script, or why it cannot be had. Pipes and terminals are read as they come, up to
// max_script_bytes; a folder, a closed standard input or an endless device is an error.
std::optional<std::string> read_script_text(std::string const& path, std::string& error)
{
    int const fd = path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    struct Closer {
        int fd;
        ~Closer()
        {
            if (fd != STDIN_FILENO)
                ::close(fd);
        }
    } closer { fd };
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = std::strerror(errno);
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        error = "it is a folder";
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        ssize_t const got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return text;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = std::strerror(errno);
            return std::nullopt;
        }
        if (text.size() + static_cast<std::size_t>(got) > max_script_bytes) {
            error = "it is larger than " + std::to_string(max_script_bytes >> 20) + " MiB";
            return std::nullopt;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
}

}

std::optional<Script> load_script(std::string const& path, std::ostream& err)
{
    std::string why;
    auto const text = read_script_text(path, why);
    if (!text) {
        err << path << ": cannot read the script: " << why << std::endl;
        return std::nullopt;
    }
    try {
        return parse_script(*text, path);
    } catch (ScriptError const& error) {
        err << path << ":" << error.line() << ": " << error.what() << std::endl;
        return std::nullopt;
    }
}

int run_script_file(std::string const& path, HeadlessGame const& game, std::ostream& out, std::ostream& err)
{
    auto script = load_script(path, err);
    if (!script)
        return 2;
    return run_script(std::move(*script), game, out, err);
}

}
