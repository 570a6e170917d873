// The script language of headless runs: one command a line, played as the player would.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class Verb { wait, click, clickat, down, up, dblclick, key, keydown, keyup, type, ok, cancel, close, show, print, screenshot, waitfor, waitbox };

// FORM, FORM.CONTROL or FORM.CONTROL.PROPERTY / FORM.PROPERTY; arrays written fire(3).
struct ScriptTarget {
    std::string form;
    std::string control; // empty when the target is the form itself
    std::optional<int> index; // written fire(3); any number, checked against the form's controls
    std::string property;
    std::string text; // as written, for the transcript
};

enum class PointKind { control, position };

struct ScriptCommand {
    int line = 0;
    Verb verb = Verb::wait;
    ScriptTarget target;
    PointKind point = PointKind::control;
    double x = 0; // client pixels, for clickat and for down/up at a position
    double y = 0;
    int button = 1;
    int key = 0;
    int shift = 0;
    double seconds = 0;
    std::string text; // `type` text, the screenshot file, or the value `waitfor` waits for
};

// How long `waitfor` and `waitbox` wait when the script does not say.
inline constexpr double default_condition_seconds = 60;

struct Script {
    std::string file;
    std::vector<ScriptCommand> commands;
};

class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, std::string const& message)
        : std::runtime_error(message)
        , m_line(line)
    {
    }
    int line() const { return m_line; }

private:
    int m_line = 0;
};

// The longest single `wait`: a day of game time.
inline constexpr double max_wait_seconds = 86'400;
// The largest script file a run reads (a play-through of the whole game is a few kilobytes).
inline constexpr std::size_t max_script_bytes = std::size_t { 4 } << 20;

// Reads a whole script; throws ScriptError naming the first line that cannot be understood.
Script parse_script(std::string_view text, std::string file_name);

}
