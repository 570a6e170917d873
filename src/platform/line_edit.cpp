// Caret moves and edits on UTF-8 text, one character (not byte) at a time.
#include "platform/line_edit.hpp"

#include "platform/utf8.hpp"

#include <utility>

namespace platform {

namespace {

std::size_t previous_boundary(std::string const& text, std::size_t pos)
{
    if (pos == 0)
        return 0;
    --pos;
    while (pos > 0 && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
        --pos;
    return pos;
}

std::size_t count_chars(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += utf8_char_length(text, pos))
        ++count;
    return count;
}

}

LineEdit::LineEdit(std::string text, std::size_t max_chars)
    : m_text(std::move(text))
    , m_max_chars(max_chars)
{
    // A default longer than the field allows is cut at a character boundary.
    std::size_t pos = 0;
    std::size_t chars = 0;
    while (pos < m_text.size() && chars < m_max_chars) {
        pos += utf8_char_length(m_text, pos);
        ++chars;
    }
    m_text.resize(pos);
    m_caret = m_text.size();
    if (m_text.empty())
        m_selection = Selection::none;
}

std::size_t LineEdit::char_count() const { return count_chars(m_text); }

bool LineEdit::replace_selection()
{
    if (m_selection != Selection::all)
        return false;
    m_text.clear();
    m_caret = 0;
    m_selection = Selection::none;
    return true;
}

void LineEdit::insert(std::string_view text)
{
    auto const line_end = text.find_first_of("\r\n");
    if (line_end != std::string_view::npos)
        text = text.substr(0, line_end);
    std::string clean;
    for (std::size_t pos = 0; pos < text.size();) {
        auto const length = utf8_char_length(text, pos);
        if (length > 1 || (static_cast<unsigned char>(text[pos]) >= 0x20 && text[pos] != 0x7F))
            clean.append(text.substr(pos, length));
        pos += length;
    }
    if (clean.empty())
        return;
    replace_selection();
    std::size_t room = m_max_chars > char_count() ? m_max_chars - char_count() : 0;
    std::size_t pos = 0;
    while (pos < clean.size() && room > 0) {
        pos += utf8_char_length(clean, pos);
        --room;
    }
    m_text.insert(m_caret, clean, 0, pos);
    m_caret += pos;
}

void LineEdit::backspace()
{
    if (replace_selection() || m_caret == 0)
        return;
    auto const start = previous_boundary(m_text, m_caret);
    m_text.erase(start, m_caret - start);
    m_caret = start;
}

void LineEdit::erase_forward()
{
    if (replace_selection() || m_caret >= m_text.size())
        return;
    m_text.erase(m_caret, utf8_char_length(m_text, m_caret));
}

void LineEdit::move_left()
{
    if (std::exchange(m_selection, Selection::none) == Selection::all) {
        m_caret = 0;
        return;
    }
    m_caret = previous_boundary(m_text, m_caret);
}

void LineEdit::move_right()
{
    if (std::exchange(m_selection, Selection::none) == Selection::all) {
        m_caret = m_text.size();
        return;
    }
    if (m_caret < m_text.size())
        m_caret += utf8_char_length(m_text, m_caret);
}

void LineEdit::move_home()
{
    m_selection = Selection::none;
    m_caret = 0;
}

void LineEdit::move_end()
{
    m_selection = Selection::none;
    m_caret = m_text.size();
}

}
