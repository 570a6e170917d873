// Parsing scripts into commands; names are checked later, against the forms as they stand.
#include "platform/headless/script.hpp"

#include "platform/echoed.hpp"

#include <charconv>
#include <cmath>
#include <map>
#include <type_traits>

namespace platform {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// A word that starts with `"` runs to the next unescaped `"` and may hold spaces; inside it `\"`,
// `\\` and `\n` stand for a quote, a backslash and a line break, as in the transcript.
std::size_t read_quoted(int line, std::string_view text, std::size_t i, std::string& word)
{
    for (++i; i < text.size(); ++i) {
        char const c = text[i];
        if (c == '"') {
            if (i + 1 < text.size() && !is_blank(text[i + 1]))
                throw ScriptError(line, "a quoted word must end at a space, got " + echoed(text.substr(i + 1)) + " after its closing quote");
            return i + 1;
        }
        if (c != '\\') {
            word += c;
            continue;
        }
        char const escaped = i + 1 < text.size() ? text[++i] : '\0';
        if (escaped == '"' || escaped == '\\')
            word += escaped;
        else if (escaped == 'n')
            word += '\n';
        else
            throw ScriptError(line, "a quoted word knows only the escapes \\\", \\\\ and \\n, got " + echoed(text.substr(i - 1, 2)));
    }
    throw ScriptError(line, "a quoted word has no closing quote");
}

std::vector<std::string> split_words(int line, std::string_view text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && is_blank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        std::string word;
        if (text[i] == '"') {
            i = read_quoted(line, text, i, word);
        } else {
            std::size_t const start = i;
            while (i < text.size() && !is_blank(text[i]))
                ++i;
            word = text.substr(start, i - start);
        }
        words.push_back(std::move(word));
    }
    return words;
}

template<typename Number>
Number parse_number(int line, std::string const& word, char const* what)
{
    Number value {};
    auto const* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec == std::errc::result_out_of_range && ptr == end)
        throw ScriptError(line, std::string(what) + " out of range: " + echoed(word));
    if (ec != std::errc() || ptr != end)
        throw ScriptError(line, std::string("expected ") + what + ", got " + echoed(word));
    if constexpr (std::is_floating_point_v<Number>) {
        if (!std::isfinite(value))
            throw ScriptError(line, std::string("expected ") + what + " as a finite number, got " + echoed(word));
    }
    return value;
}

double parse_decimal(int line, std::string const& word, char const* what) { return parse_number<double>(line, word, what); }
int parse_int(int line, std::string const& word, char const* what) { return parse_number<int>(line, word, what); }

int parse_button(int line, std::string const& word)
{
    if (word == "left")
        return 1;
    if (word == "right")
        return 2;
    throw ScriptError(line, "expected left or right, got " + echoed(word));
}

// "fire(3)" -> ("fire", 3); "imgpig1" -> ("imgpig1", none).
void split_index(int line, std::string const& part, std::string& name, std::optional<int>& index)
{
    auto const open = part.find('(');
    if (open == std::string::npos) {
        name = part;
        index.reset();
        return;
    }
    if (part.back() != ')' || open == 0)
        throw ScriptError(line, "bad control name " + echoed(part));
    name = part.substr(0, open);
    index = parse_int(line, part.substr(open + 1, part.size() - open - 2), "an index");
}

std::vector<std::string> split_dots(std::string const& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        auto const dot = text.find('.', start);
        parts.push_back(text.substr(start, dot - start));
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return parts;
}

ScriptTarget parse_control(int line, std::string const& word)
{
    auto parts = split_dots(word);
    if (parts.size() != 2 || parts[0].empty() || parts[1].empty())
        throw ScriptError(line, "expected FORM.CONTROL, got " + echoed(word));
    ScriptTarget target;
    target.form = parts[0];
    target.text = word;
    split_index(line, parts[1], target.control, target.index);
    return target;
}

ScriptTarget parse_property(int line, std::string const& word)
{
    auto parts = split_dots(word);
    ScriptTarget target;
    target.text = word;
    for (auto const& part : parts) {
        if (part.empty())
            throw ScriptError(line, "expected FORM.CONTROL.PROPERTY or FORM.PROPERTY, got " + echoed(word));
    }
    if (parts.size() == 2) {
        target.form = parts[0];
        target.property = parts[1];
    } else if (parts.size() == 3) {
        target.form = parts[0];
        split_index(line, parts[1], target.control, target.index);
        target.property = parts[2];
    } else {
        throw ScriptError(line, "expected FORM.CONTROL.PROPERTY or FORM.PROPERTY, got " + echoed(word));
    }
    return target;
}

void expect_words(int line, std::vector<std::string> const& words, std::size_t low, std::size_t high, char const* usage)
{
    if (words.size() - 1 < low || words.size() - 1 > high)
        throw ScriptError(line, std::string("usage: ") + usage);
}

ScriptCommand parse_line(int line, std::string_view text)
{
    static std::map<std::string, Verb, std::less<>> const verbs {
        { "wait", Verb::wait }, { "click", Verb::click }, { "clickat", Verb::clickat }, { "down", Verb::down },
        { "up", Verb::up }, { "dblclick", Verb::dblclick }, { "key", Verb::key }, { "keydown", Verb::keydown },
        { "keyup", Verb::keyup }, { "type", Verb::type }, { "ok", Verb::ok }, { "cancel", Verb::cancel },
        { "close", Verb::close }, { "show", Verb::show }, { "print", Verb::print }, { "screenshot", Verb::screenshot },
        { "waitfor", Verb::waitfor }, { "waitbox", Verb::waitbox },
    };

    // `type` takes the rest of its line as it stands, quotes included.
    auto const verb_end = text.find_first_of(" \t");
    auto const verb = text.substr(0, verb_end);
    auto const found = verbs.find(verb);
    if (found == verbs.end())
        throw ScriptError(line, "unknown command " + echoed(verb));
    auto const words = found->second == Verb::type ? std::vector<std::string> { std::string(verb) } : split_words(line, text);

    ScriptCommand command;
    command.line = line;
    command.verb = found->second;
    switch (command.verb) {
    case Verb::wait:
        expect_words(line, words, 1, 1, "wait SECONDS");
        command.seconds = parse_decimal(line, words[1], "seconds");
        if (command.seconds < 0)
            throw ScriptError(line, "wait takes a time that is not negative");
        if (command.seconds > max_wait_seconds)
            throw ScriptError(line, "wait takes at most " + std::to_string(static_cast<int>(max_wait_seconds)) + " seconds (a day of game time), got " + echoed(words[1]));
        break;
    case Verb::click:
    case Verb::dblclick:
        expect_words(line, words, 1, command.verb == Verb::click ? 2 : 1,
            command.verb == Verb::click ? "click FORM.CONTROL [left|right]" : "dblclick FORM.CONTROL");
        command.target = parse_control(line, words[1]);
        if (words.size() > 2)
            command.button = parse_button(line, words[2]);
        break;
    case Verb::clickat:
        expect_words(line, words, 3, 4, "clickat FORM X Y [left|right]");
        command.point = PointKind::position;
        command.target.form = words[1];
        command.target.text = words[1];
        command.x = parse_decimal(line, words[2], "X");
        command.y = parse_decimal(line, words[3], "Y");
        if (words.size() > 4)
            command.button = parse_button(line, words[4]);
        break;
    case Verb::down:
    case Verb::up:
        // Either FORM.CONTROL [button] or FORM X Y [button].
        if (words.size() >= 2 && words[1].find('.') != std::string::npos) {
            expect_words(line, words, 1, 2, "down|up FORM.CONTROL [left|right]");
            command.target = parse_control(line, words[1]);
            if (words.size() > 2)
                command.button = parse_button(line, words[2]);
        } else {
            expect_words(line, words, 3, 4, "down|up FORM X Y [left|right]");
            command.point = PointKind::position;
            command.target.form = words[1];
            command.target.text = words[1];
            command.x = parse_decimal(line, words[2], "X");
            command.y = parse_decimal(line, words[3], "Y");
            if (words.size() > 4)
                command.button = parse_button(line, words[4]);
        }
        break;
    case Verb::key:
    case Verb::keydown:
    case Verb::keyup:
        expect_words(line, words, 2, 3, "key|keydown|keyup FORM CODE [SHIFT]");
        command.target.form = words[1];
        command.target.text = words[1];
        command.key = parse_int(line, words[2], "a key code");
        if (words.size() > 3)
            command.shift = parse_int(line, words[3], "a shift state");
        break;
    case Verb::type: {
        // Everything after "type " exactly as it stands, spaces included.
        auto const start = text.find("type") + 4;
        command.text = start < text.size() ? std::string(text.substr(start + 1)) : std::string();
        break;
    }
    case Verb::ok:
    case Verb::cancel:
        expect_words(line, words, 0, 0, command.verb == Verb::ok ? "ok" : "cancel");
        break;
    case Verb::close:
    case Verb::show:
        expect_words(line, words, 1, 1, command.verb == Verb::close ? "close FORM" : "show FORM");
        command.target.form = words[1];
        command.target.text = words[1];
        break;
    case Verb::print:
        expect_words(line, words, 1, 1, "print FORM.CONTROL.PROPERTY | FORM.PROPERTY");
        command.target = parse_property(line, words[1]);
        break;
    case Verb::waitfor:
    case Verb::waitbox: {
        bool const box = command.verb == Verb::waitbox;
        std::size_t const fixed = box ? 0 : 2;
        expect_words(line, words, fixed, fixed + 1, box ? "waitbox [SECONDS]" : "waitfor FORM.CONTROL.PROPERTY|FORM.PROPERTY VALUE [SECONDS]");
        if (!box) {
            command.target = parse_property(line, words[1]);
            command.text = words[2];
        }
        command.seconds = default_condition_seconds;
        if (words.size() > fixed + 1) {
            command.seconds = parse_decimal(line, words[fixed + 1], "seconds");
            if (command.seconds < 0 || command.seconds > max_wait_seconds)
                throw ScriptError(line, "a wait for a condition takes 0 to " + std::to_string(static_cast<int>(max_wait_seconds)) + " seconds, got " + echoed(words[fixed + 1]));
        }
        break;
    }
    case Verb::screenshot:
        expect_words(line, words, 2, 2, "screenshot FORM FILE.png");
        command.target.form = words[1];
        command.target.text = words[1];
        command.text = words[2];
        break;
    }
    return command;
}

}

Script parse_script(std::string_view text, std::string file_name)
{
    Script script;
    script.file = std::move(file_name);
    int line_number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++line_number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        auto const first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        script.commands.push_back(parse_line(line_number, line.substr(first)));
        if (end == text.size())
            break;
    }
    return script;
}

}
