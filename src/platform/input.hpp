// Player input as the runtime queues it: mouse presses and releases, keys, closed windows.
#pragma once

#include <string>

namespace platform {

class Form;

enum class InputKind { mouse_down, mouse_up, key_down, key_up, close, show };

struct InputEvent {
    InputKind kind = InputKind::mouse_down;
    Form* form = nullptr;
    std::string form_name; // for `show`, which may create the form
    double x = 0; // form units
    double y = 0;
    int button = 1;
    int key = 0;
    int shift = 0;
    int source_line = 0; // the script line that made it, for the transcript; 0 for real input
};

// Key codes and shift bits of the original platform.
namespace keys {
inline constexpr int shift = 16;
inline constexpr int control = 17;
inline constexpr int space = 32;
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int z = 90;
}
namespace shift_bits {
inline constexpr int shift = 1;
inline constexpr int control = 2;
inline constexpr int alt = 4;
}

}
