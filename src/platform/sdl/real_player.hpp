// Plays a run's commands (a script, or a player that watches the game) in real windows on the real
// clock: every click, key and box button goes through the display server as real input would.
#pragma once

#include "platform/clock.hpp"
#include "platform/headless/command_source.hpp"
#include "platform/headless/headless_backend.hpp"

#include <SDL.h>

#include <functional>
#include <memory>
#include <optional>

namespace platform {
class Runtime;
class Form;
struct Dialog;
}

namespace platform::sdl {

class SdlBackend;

class RealPlayer {
public:
    RealPlayer(Clock const& clock, std::unique_ptr<CommandSource> commands, ScreenshotFn screenshot);

    // Runs what is due: the next commands once the last `wait` is over and the last input has
    // reached the game. True when it did something the runtime must see before waiting.
    bool act(Runtime& runtime, SdlBackend& backend);
    // When the player next needs to act (the end of a wait, or giving up on lost input).
    std::optional<Micros> next_wake() const;

    // Told of every input event SDL delivers, before the game sees it; returns the script line
    // of the player's input it belongs to, 0 for input of somebody else.
    int saw(SDL_Event const& event, int key_code);

    // While the player's clicks or keys are on their way through the display server: until when
    // the game's ticks wait for them. They were aimed at the pictures as they stood when sent, so
    // a sprite must not move on before they arrive; a busy machine must not make a player miss.
    std::optional<Micros> holds_ticks_until() const;

    // How long input may take to come back from the display server before it counts as lost.
    static constexpr Micros input_timeout = 3'000'000;
    // The longest the game's ticks wait for input in flight.
    static constexpr Micros tick_hold = 200'000;

private:
    void execute(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command);
    void pointer(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command);
    void keys(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command);
    void box_button(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command);
    void type(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command);
    // True when the window shows at that point; otherwise holds the command back to try again.
    bool defer_until_shown(ScriptCommand const& command, SDL_Window* window, SDL_Point screen);
    void expect(int line, std::function<bool()> done);
    void expect_events(int line, Uint32 type, int count, int key = 0);

    Clock const& m_clock;
    std::unique_ptr<CommandSource> m_commands;
    ScreenshotFn m_screenshot;
    std::optional<Micros> m_wait_until;
    std::optional<ScriptCommand> m_condition; // a running `waitfor` or `waitbox`

    // Input sent and not yet back: either so many SDL events of a kind, or a state of the game.
    struct Pending {
        int line = 0;
        Micros give_up = 0;
        Uint32 event_type = 0;
        int events_left = 0;
        int key = 0; // for keys: the code whose events count
        std::function<bool()> done;
        Micros hold_ticks_until = 0; // for clicks and keys: see holds_ticks_until()
    };
    std::optional<Pending> m_pending;
    // A click held back because something else still lies over its target (a box that is
    // closing, a frame the window manager has not taken away yet): tried again shortly.
    struct Deferred {
        ScriptCommand command;
        Micros give_up = 0;
    };
    std::optional<Deferred> m_deferred;
    static constexpr Micros retry_interval = 10'000;
    int m_last_line = 0; // the line of input still arriving, for the events that follow it
};

}
