// Modal boxes: a message with an OK button, or a one-line input box with OK and Cancel.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class Form;

enum class MsgIcon { none, information, exclamation };
enum class DialogKind { message, input };
enum class DialogResult { open, ok, cancel };

struct Dialog {
    DialogKind kind = DialogKind::message;
    Form* owner = nullptr; // the form whose handler opened it; hiding or unloading that form closes it
    std::string title;
    std::string text; // the message, or the input box's prompt
    MsgIcon icon = MsgIcon::none;
    std::string input; // the input box's current text
    DialogResult result = DialogResult::open;
    std::uint64_t number = 0; // counts the boxes of a run: 1 for the first, and so on
};

// An input box holds at most this many characters, as on the original platform.
inline constexpr std::size_t input_box_max_length = 255;

}
