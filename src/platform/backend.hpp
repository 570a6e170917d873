// What a runtime needs from a display: waiting for input, windows, drawing and dialogs.
#pragma once

#include "platform/clock.hpp"

#include <functional>
#include <optional>

namespace platform {

class Runtime;
class Form;
struct Dialog;

struct WindowPlace {
    double left = 0; // twips
    double top = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Returns when input may be waiting (posted with Runtime::post) or when the clock has reached
    // `deadline`; with no deadline, it may wait for input indefinitely.
    virtual void wait(Runtime& runtime, std::optional<Micros> deadline) = 0;

    // Where a form's window goes the first time it is shown: centred on the desktop.
    virtual WindowPlace place_window(Form& form) = 0;
    virtual void window_shown(Form&) { }
    virtual void window_hidden(Form&) { }
    virtual void window_moved(Form&) { }
    // Draws a visible form whose controls changed.
    virtual void present(Form&) { }
    virtual void dialog_opened(Dialog&) { }
    virtual void dialog_closed(Dialog&) { }
    virtual void program_ending() { }
    // Runs work that can wait until the first picture is on the screen (loading the tunes'
    // instruments), so that it does not hold the picture up. Without a screen, at once.
    virtual void after_first_frame(std::function<void()> work) { work(); }
};

}
