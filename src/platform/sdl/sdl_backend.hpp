// The back end of real play: one SDL window per shown form, boxes as windows, input from SDL.
#pragma once

#include "platform/backend.hpp"
#include "platform/clock.hpp"
#include "platform/input.hpp"
#include "platform/sdl/dialog_window.hpp"
#include "platform/sdl/font_library.hpp"
#include "platform/sdl/form_window.hpp"
#include "platform/sdl/real_player.hpp"
#include "platform/sdl/recorder.hpp"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class Control;
}

namespace platform::sdl {

// How the screen shake reaches the desktop: by moving the window, or, where the window manager
// makes moves slow, by moving the picture inside a window that stays put.
enum class ShakeMode { move_window, move_picture };

class SdlBackend final : public Backend {
public:
    // SDL's video must be initialised; `scale` is 1 to 4. `clock` is the real one: the game's,
    // unless the run is recorded.
    SdlBackend(Clock const& clock, int scale, ScreenMode mode);
    ~SdlBackend() override;

    void wait(Runtime& runtime, std::optional<Micros> deadline) override;
    WindowPlace place_window(Form& form) override;
    void window_shown(Form& form) override;
    void window_hidden(Form& form) override;
    void window_moved(Form& form) override;
    void present(Form& form) override;
    void dialog_opened(Dialog& dialog) override;
    void dialog_closed(Dialog& dialog) override;
    void program_ending() override;
    void after_first_frame(std::function<void()> work) override;

    // Every window opened from now on shows this icon.
    void set_window_icon(Raster const& icon);

    // A player whose commands become real input (a script, or the demo); none for a person.
    void set_player(std::unique_ptr<RealPlayer> player) { m_player = std::move(player); }

    // Records the run: the game runs on `game_clock`, which this back end alone moves on toward
    // the real time, to one due thing after the other, so that every tick happens at its exact
    // time as in a headless run; input reaches the game one piece at a time, and `recorder`
    // writes each piece down at the game time it arrived.
    void record(VirtualClock& game_clock, Recorder& recorder)
    {
        m_game_clock = &game_clock;
        m_recorder = &recorder;
    }

    // Any window of the game, for reaching the display connection; null before the first.
    SDL_Window* any_window() const;
    // The window of a form (null before it is first shown), and the box on top (null when none).
    FormWindow* window_of(Form const& form) const;
    DialogWindow* top_box() const { return m_boxes.empty() ? nullptr : m_boxes.back().get(); }

private:
    void handle(Runtime& runtime, SDL_Event const& event);
    struct Held {
        Form* form = nullptr;
        Control const* button = nullptr;
        bool inside = false;
    };

    FormWindow* window_by_id(Uint32 id) const;
    DialogWindow* box_by_id(Uint32 id) const;
    SDL_Point desktop_position(Form const& form) const;
    void update_picture_offset(FormWindow& window) const;
    void handle_form_event(Runtime& runtime, FormWindow& window, SDL_Event const& event);
    void handle_box_event(Runtime& runtime, DialogWindow& box, SDL_Event const& event);
    void post_mouse(Runtime& runtime, FormWindow& window, InputKind kind, int button, int x, int y);
    // Player input for the game, and a box the player closes, seen by the recorder on the way.
    void give(Runtime& runtime, InputEvent const& input);
    void close_box(Runtime& runtime, Dialog& dialog, DialogResult result);
    Micros game_now() const { return m_game_clock ? m_game_clock->now() : m_clock.now(); }
    void track_held(FormWindow& window, int x, int y);
    void toggle_fullscreen(FormWindow& window);
    bool redraw_due(Micros now) const;
    void redraw(Micros now);
    std::optional<Micros> next_wake(std::optional<Micros> deadline) const;

    Clock const& m_clock;
    int m_scale = 1;
    ScreenMode m_mode = ScreenMode::windowed;
    ShakeMode m_shake = ShakeMode::move_window;
    enum class MoveSpeed { quick, slow };
    std::deque<MoveSpeed> m_recent_moves; // the last few real window moves
    FontLibrary m_fonts;
    std::map<Form const*, std::unique_ptr<FormWindow>> m_windows;
    SurfacePtr m_icon;
    std::vector<Form*> m_shown; // oldest first
    std::vector<std::unique_ptr<DialogWindow>> m_boxes; // open boxes, top last
    // Where each form's window position (twips) was when its window was last really placed: the
    // rest position that shakes inside the window are measured from.
    std::map<Form const*, WindowPlace> m_anchor;
    // How far the player has dragged each window from where the game put it, in desktop pixels.
    std::map<Form const*, SDL_Point> m_dragged;
    Micros m_last_move = -1'000'000'000;
    SDL_Scancode m_swallowed_key = SDL_SCANCODE_UNKNOWN;
    Held m_held;
    enum class Quit { no, asked } m_quit = Quit::no;
    Micros m_frame_interval = 16'667;
    Micros m_next_frame = 0;
    std::unique_ptr<RealPlayer> m_player;
    enum class Shown { nothing_yet, a_frame } m_shown_yet = Shown::nothing_yet;
    std::vector<std::function<void()>> m_after_first_frame;
    int m_player_line = 0; // the script line of the input being handled, 0 for a person's
    VirtualClock* m_game_clock = nullptr; // set when the run is recorded
    Micros m_slip = 0; // how far the recorded game's clock has fallen behind the real one for good
    Recorder* m_recorder = nullptr;
    bool m_gave_input = false; // since the last look: the game has input to take
};

// A move of a real window that takes longer than this is slow; one that takes longer than
// `stalling_window_move`, or slow moves in `slow_moves_to_stay_put` of the last
// `recent_moves_judged`, make shakes move the picture instead.
// A recorded game whose next due thing is later than this on the real clock lets the rest go for
// good.
inline constexpr Micros most_game_lag = 100'000;

inline constexpr Micros slow_window_move = 4'000;
inline constexpr Micros stalling_window_move = 50'000;
inline constexpr std::size_t recent_moves_judged = 6;
inline constexpr long slow_moves_to_stay_put = 4;

}
