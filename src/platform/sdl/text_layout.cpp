// Greedy word wrap with breaks inside words only when a word cannot fit a line by itself.
#include "platform/sdl/text_layout.hpp"

namespace platform::sdl {


namespace {

// Breaks one word that is wider than a line into pieces that fit, at least one character each.
void break_word(std::string_view word, int max_width, MeasureText const& measure, std::vector<std::string>& lines,
    std::string& rest)
{
    std::string piece;
    std::size_t pos = 0;
    while (pos < word.size()) {
        auto const length = utf8_char_length(word, pos);
        std::string candidate = piece;
        candidate.append(word.substr(pos, length));
        if (!piece.empty() && measure(candidate) > max_width) {
            lines.push_back(piece);
            piece.clear();
            continue;
        }
        piece = std::move(candidate);
        pos += length;
    }
    rest = piece;
}

void wrap_paragraph(std::string_view paragraph, int max_width, MeasureText const& measure, std::vector<std::string>& lines)
{
    std::string line;
    bool line_has_word = false;
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
        std::size_t const space_start = pos;
        while (pos < paragraph.size() && paragraph[pos] == ' ')
            ++pos;
        std::string_view const spaces = paragraph.substr(space_start, pos - space_start);
        std::size_t const word_start = pos;
        while (pos < paragraph.size() && paragraph[pos] != ' ')
            ++pos;
        std::string_view const word = paragraph.substr(word_start, pos - word_start);
        if (word.empty())
            break; // trailing spaces take no room

        std::string candidate = line;
        candidate.append(spaces);
        candidate.append(word);
        if (max_width <= 0 || measure(candidate) <= max_width) {
            line = std::move(candidate);
            line_has_word = line_has_word || !word.empty();
            continue;
        }
        if (line_has_word) {
            lines.push_back(line);
            line.clear();
        } else {
            // Only leading spaces so far: they stay with the word.
            line.append(spaces);
        }
        std::string with_word = line;
        with_word.append(word);
        if (measure(with_word) <= max_width) {
            line = std::move(with_word);
        } else {
            std::string rest;
            break_word(with_word, max_width, measure, lines, rest);
            line = std::move(rest);
        }
        line_has_word = !word.empty();
    }
    lines.push_back(line);
}

}

std::vector<std::string> wrap_text(std::string_view text, int max_width, MeasureText const& measure)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        auto end = text.find('\n', start);
        std::string_view paragraph = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r')
            paragraph.remove_suffix(1);
        wrap_paragraph(paragraph, max_width, measure, lines);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

}
