// The editing model of a one-line text field: UTF-8 text, a caret, and a select-all state.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

enum class Selection { none, all };

class LineEdit {
public:
    // The text starts selected, so typing replaces a default answer at once.
    LineEdit(std::string text, std::size_t max_chars);

    std::string const& text() const { return m_text; }
    std::size_t caret() const { return m_caret; } // a byte offset at a character boundary
    Selection selection() const { return m_selection; }

    // Typed or pasted text; line breaks end a paste, control characters are dropped, and the
    // text never grows past the limit (counted in characters).
    void insert(std::string_view text);
    void backspace();
    void erase_forward();
    void move_left();
    void move_right();
    void move_home();
    void move_end();

private:
    bool replace_selection();
    std::size_t char_count() const;

    std::string m_text;
    std::size_t m_max_chars = 0;
    std::size_t m_caret = 0;
    Selection m_selection = Selection::all;
};

}
