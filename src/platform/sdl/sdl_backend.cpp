// Waiting on SDL's event queue, turning its events into the runtime's input, and drawing at most
// once a display refresh.
#include "platform/sdl/sdl_backend.hpp"

#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/key_map.hpp"
#include "platform/sdl/window_icon.hpp"
#include "platform/sdl/x11_desktop.hpp"

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace platform::sdl {

namespace {

// A window move reported within this time of one of ours is taken to be ours, not the player's.
constexpr Micros own_move_echo = 300'000;

int to_desktop(double twips, int scale) { return static_cast<int>(std::lround(twips * scale / twips_per_pixel)); }

}

SdlBackend::SdlBackend(Clock const& clock, int scale, ScreenMode mode)
    : m_clock(clock)
    , m_scale(std::clamp(scale, 1, 4))
    , m_mode(mode)
{
    SDL_DisplayMode display {};
    if (SDL_GetCurrentDisplayMode(0, &display) == 0 && display.refresh_rate > 0)
        m_frame_interval = micros_per_second / display.refresh_rate;
}

SdlBackend::~SdlBackend()
{
    m_boxes.clear();
    m_windows.clear();
}

FormWindow* SdlBackend::window_of(Form const& form) const
{
    auto it = m_windows.find(&form);
    return it == m_windows.end() ? nullptr : it->second.get();
}

FormWindow* SdlBackend::window_by_id(Uint32 id) const
{
    for (auto const& [form, window] : m_windows) {
        if (window->id() == id)
            return window.get();
    }
    return nullptr;
}

DialogWindow* SdlBackend::box_by_id(Uint32 id) const
{
    for (auto const& box : m_boxes) {
        if (box->id() == id)
            return box.get();
    }
    return nullptr;
}

WindowPlace SdlBackend::place_window(Form& form)
{
    SDL_Rect usable { 0, 0, 1024, 768 };
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        SDL_GetDisplayBounds(0, &usable);
    int const width = form.client_width() * m_scale;
    int const height = form.client_height() * m_scale;
    int const left = usable.x + std::max(0, (usable.w - width) / 2);
    int const top = usable.y + std::max(0, (usable.h - height) / 2);
    return { static_cast<double>(left) * twips_per_pixel / m_scale, static_cast<double>(top) * twips_per_pixel / m_scale };
}

SDL_Point SdlBackend::desktop_position(Form const& form) const
{
    SDL_Point dragged {};
    if (auto it = m_dragged.find(&form); it != m_dragged.end())
        dragged = it->second;
    double left = form.window_left();
    double top = form.window_top();
    auto const* window = window_of(form);
    bool const still = m_shake == ShakeMode::move_picture || (window && window->mode() == ScreenMode::fullscreen);
    if (auto it = m_anchor.find(&form); still && it != m_anchor.end()) {
        left = it->second.left;
        top = it->second.top;
    }
    return { to_desktop(left, m_scale) + dragged.x, to_desktop(top, m_scale) + dragged.y };
}

void SdlBackend::update_picture_offset(FormWindow& window) const
{
    Form const& form = window.form();
    SDL_Point offset {};
    auto it = m_anchor.find(&form);
    bool const still = m_shake == ShakeMode::move_picture || window.mode() == ScreenMode::fullscreen;
    if (still && it != m_anchor.end()) {
        offset.x = static_cast<int>(std::lround((form.window_left() - it->second.left) / twips_per_pixel));
        offset.y = static_cast<int>(std::lround((form.window_top() - it->second.top) / twips_per_pixel));
    }
    window.set_picture_offset(offset);
}

void SdlBackend::set_window_icon(Raster const& icon) { m_icon = make_window_icon(icon); }

void SdlBackend::window_shown(Form& form)
{
    auto& slot = m_windows[&form];
    m_anchor[&form] = { form.window_left(), form.window_top() };
    if (!slot) {
        slot = std::make_unique<FormWindow>(form, m_fonts, m_scale, desktop_position(form));
        if (m_icon && slot->window())
            SDL_SetWindowIcon(slot->window(), m_icon.get());
    } else if (slot->mode() == ScreenMode::windowed)
        slot->move_to(desktop_position(form));
    update_picture_offset(*slot);
    slot->show(m_mode);
    m_last_move = m_clock.now();
    std::erase(m_shown, &form);
    m_shown.push_back(&form);
    // A box opened during the form's load stays above it.
    for (auto const& box : m_boxes) {
        if (box->dialog().owner == &form)
            x11::set_transient_for(box->window(), slot->window());
    }
    if (!m_boxes.empty())
        m_boxes.back()->raise();
}

void SdlBackend::window_hidden(Form& form)
{
    std::erase(m_shown, &form);
    if (m_held.form == &form)
        m_held = {};
    if (auto* window = window_of(form))
        window->hide();
}

void SdlBackend::window_moved(Form& form)
{
    auto* window = window_of(form);
    if (!window)
        return;
    if (m_shake == ShakeMode::move_picture || window->mode() == ScreenMode::fullscreen) {
        update_picture_offset(*window);
        return;
    }
    Micros const start = m_clock.now();
    window->move_to(desktop_position(form));
    m_last_move = m_clock.now();
    // Under a window manager a move now and then waits a little for it to answer; only moves
    // that wait very long, or most of the time, make the windows stay put. From then on they stay
    // where they rest and their pictures shake instead.
    Micros const took = m_last_move - start;
    m_recent_moves.push_back(took > slow_window_move ? MoveSpeed::slow : MoveSpeed::quick);
    if (m_recent_moves.size() > recent_moves_judged)
        m_recent_moves.pop_front();
    auto const slow = std::count(m_recent_moves.begin(), m_recent_moves.end(), MoveSpeed::slow);
    if (took <= stalling_window_move && slow < slow_moves_to_stay_put)
        return;
    m_shake = ShakeMode::move_picture;
    window->move_to(desktop_position(form));
    m_last_move = m_clock.now();
    for (auto const& [shown, each] : m_windows)
        update_picture_offset(*each);
}

void SdlBackend::present(Form& form)
{
    if (auto* window = window_of(form))
        window->invalidate();
}

void SdlBackend::dialog_opened(Dialog& dialog)
{
    if (m_held.form) {
        if (auto* window = window_of(*m_held.form))
            window->invalidate();
        m_held = {};
    }
    SDL_Window* over = nullptr;
    SDL_Window* owner = nullptr;
    if (dialog.owner) {
        if (auto* window = window_of(*dialog.owner)) {
            owner = window->window();
            if (dialog.owner->visible())
                over = owner;
        }
    }
    auto const strip = x11::window_manager_running(any_window()) ? TitleStrip::from_window_manager : TitleStrip::drawn;
    m_boxes.push_back(std::make_unique<DialogWindow>(dialog, m_fonts, m_clock, m_scale, over, owner, strip));
    if (m_icon && m_boxes.back()->window())
        SDL_SetWindowIcon(m_boxes.back()->window(), m_icon.get());
}

void SdlBackend::dialog_closed(Dialog& dialog)
{
    std::erase_if(m_boxes, [&](auto const& box) { return &box->dialog() == &dialog; });
    if (!m_boxes.empty())
        m_boxes.back()->raise();
    else if (!m_shown.empty())
        if (auto* window = window_of(*m_shown.back()))
            window->raise();
}

void SdlBackend::program_ending()
{
    if (m_recorder)
        m_recorder->finish(game_now());
    for (auto const& box : m_boxes)
        SDL_HideWindow(box->window());
    for (auto const& [form, window] : m_windows)
        window->hide();
}

bool SdlBackend::redraw_due(Micros now) const
{
    if (now < m_next_frame)
        return false;
    for (auto const& [form, window] : m_windows) {
        if (window->needs_redraw() && form->visible())
            return true;
    }
    return std::any_of(m_boxes.begin(), m_boxes.end(), [](auto const& box) { return box->needs_redraw(); });
}

void SdlBackend::redraw(Micros now)
{
    for (auto const& [form, window] : m_windows) {
        if (!window->needs_redraw() || !form->visible())
            continue;
        bool const held = m_held.form == form && m_held.inside && m_held.button->visible() && m_held.button->enabled();
        window->draw(held ? m_held.button : nullptr);
    }
    for (auto const& box : m_boxes) {
        if (box->needs_redraw())
            box->draw();
    }
    m_next_frame = now + m_frame_interval;
    if (m_shown_yet == Shown::nothing_yet) {
        m_shown_yet = Shown::a_frame;
        for (auto& work : std::exchange(m_after_first_frame, {}))
            work();
    }
}

void SdlBackend::after_first_frame(std::function<void()> work)
{
    if (m_shown_yet == Shown::a_frame)
        work();
    else
        m_after_first_frame.push_back(std::move(work));
}

std::optional<Micros> SdlBackend::next_wake(std::optional<Micros> deadline) const
{
    auto const earliest = [&](Micros when) {
        if (!deadline || when < *deadline)
            deadline = when;
    };
    if (m_player) {
        if (auto const when = m_player->next_wake())
            earliest(*when);
    }
    for (auto const& [form, window] : m_windows) {
        if (window->needs_redraw() && form->visible())
            earliest(m_next_frame);
    }
    for (auto const& box : m_boxes) {
        if (box->needs_redraw())
            earliest(m_next_frame);
        if (auto blink = box->next_blink())
            earliest(*blink);
    }
    return deadline;
}

void SdlBackend::wait(Runtime& runtime, std::optional<Micros> deadline)
{
    if (m_game_clock) {
        // As in a headless run, nothing else happens before what is due now has happened; the
        // first wait with nothing due is where the player's next pause starts to count.
        if (deadline && *deadline <= m_game_clock->now())
            return;
        m_recorder->idle(m_game_clock->now());
    }
    // A quit ends the game once the input that came before it has been handled.
    if (m_quit == Quit::asked) {
        if (m_recorder)
            m_recorder->desktop_quit(game_now());
        runtime.end_program();
    }
    // A box whose window could not be made would wait for ever: it closes as if dismissed.
    for (auto const& box : m_boxes) {
        if (!box->opened()) {
            Dialog& dialog = box->dialog();
            close_box(runtime, dialog, dialog.kind == DialogKind::message ? DialogResult::ok : DialogResult::cancel);
            return;
        }
    }
    // As in a headless run, the player acts only once everything due by now has happened.
    if (m_player && !(deadline && *deadline <= game_now()) && m_player->act(runtime, *this))
        return;
    // The player's own input in flight comes before the ticks that fall due meanwhile. In a
    // recorded run the game clock still stops short of the tick that is due, so that the input
    // is written down before it, where a replay runs it too.
    std::optional<Micros> const due = deadline;
    if (m_player) {
        if (auto const held = m_player->holds_ticks_until(); held && deadline && *deadline < *held)
            deadline = *held;
    }
    SDL_Event event;
    for (;;) {
        Micros now = m_clock.now();
        std::optional<Micros> wall_deadline = deadline;
        Micros reached = 0; // in a recorded run, the game time the real time has reached
        if (m_game_clock) {
            // A game too slow for the real time (timers quicker than the machine) slips behind
            // it rather than merge ticks or leave the player's input waiting.
            reached = now - m_slip;
            if (deadline && reached - *deadline > most_game_lag) {
                Micros const let_go = reached - *deadline - most_game_lag;
                m_slip += let_go;
                reached -= let_go;
            }
            if (deadline)
                wall_deadline = *deadline + m_slip;
            // Input that comes now reaches the game at the latest game time short of what is due.
            if (!due || *due > reached)
                m_game_clock->advance_to(reached);
        }
        if (redraw_due(now))
            redraw(now);
        bool handled = false;
        while (m_quit == Quit::no && SDL_PollEvent(&event)) {
            handle(runtime, event);
            handled = true;
            // A recorded run hands the game one piece of input a turn, as a headless run plays
            // one command a turn; the rest stays queued.
            if (std::exchange(m_gave_input, false) && m_game_clock)
                return;
        }
        // Behind the real time, the next due thing comes next, at its own time: ticks are
        // never merged.
        if (m_game_clock && deadline && *deadline <= reached) {
            m_game_clock->advance_to(*due);
            return;
        }
        if (handled)
            return;
        now = m_clock.now();
        if (wall_deadline && now >= *wall_deadline)
            return;
        // The player's turn comes at the next call.
        if (m_player) {
            if (auto const turn = m_player->next_wake(); turn && now >= *turn)
                return;
        }
        auto const wake = next_wake(wall_deadline);
        if (x11::wait_for_input(any_window(), wake ? std::max<Micros>(0, *wake - now) : -1))
            continue;
        // SDL waits in whole milliseconds: rounded up, so that the wait never ends just short of
        // the deadline and spins.
        int const millis = wake ? static_cast<int>(std::clamp<Micros>((*wake - now + 999) / 1000, 0, INT_MAX)) : -1;
        // A recorded run leaves what comes in the queue, to take it at the top of the loop at the
        // game time reached then.
        if (m_game_clock) {
            if (millis < 0)
                SDL_WaitEvent(nullptr);
            else
                SDL_WaitEventTimeout(nullptr, millis);
            continue;
        }
        bool const got = millis < 0 ? SDL_WaitEvent(&event) != 0 : SDL_WaitEventTimeout(&event, millis) != 0;
        if (got) {
            handle(runtime, event);
            while (m_quit == Quit::no && SDL_PollEvent(&event))
                handle(runtime, event);
            return;
        }
    }
}

SDL_Window* SdlBackend::any_window() const
{
    for (auto const& [form, window] : m_windows) {
        if (window->opened())
            return window->window();
    }
    return nullptr;
}

void SdlBackend::handle(Runtime& runtime, SDL_Event const& event)
{
    if (event.type == SDL_QUIT) {
        m_quit = Quit::asked;
        return;
    }
    Uint32 id = 0;
    switch (event.type) {
    case SDL_WINDOWEVENT:
        id = event.window.windowID;
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        id = event.key.windowID;
        break;
    case SDL_TEXTINPUT:
        id = event.text.windowID;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        id = event.button.windowID;
        break;
    case SDL_MOUSEMOTION:
        id = event.motion.windowID;
        break;
    default:
        return;
    }
    bool const keyboard = event.type == SDL_KEYDOWN || event.type == SDL_KEYUP || event.type == SDL_TEXTINPUT;
    bool const input = keyboard || event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP;
    m_player_line = 0;
    if (m_player && input)
        m_player_line = m_player->saw(event, keyboard && event.type != SDL_TEXTINPUT ? key_code(event.key.keysym) : 0);
    // The top box takes every key, whichever window the keyboard was on.
    if (!m_boxes.empty() && keyboard)
        return handle_box_event(runtime, *m_boxes.back(), event);
    if (auto* box = box_by_id(id))
        return handle_box_event(runtime, *box, event);
    if (auto* window = window_by_id(id))
        handle_form_event(runtime, *window, event);
}

void SdlBackend::handle_box_event(Runtime& runtime, DialogWindow& box, SDL_Event const& event)
{
    auto const action = box.handle(event);
    if (action == DialogAction::none)
        return;
    // Closing the box destroys its window: nothing of `box` may be used after this.
    close_box(runtime, box.dialog(), action == DialogAction::ok ? DialogResult::ok : DialogResult::cancel);
}

void SdlBackend::close_box(Runtime& runtime, Dialog& dialog, DialogResult result)
{
    if (m_recorder)
        m_recorder->box_closed(runtime, dialog, result, game_now());
    m_gave_input = true;
    runtime.close_dialog(dialog, result);
}

void SdlBackend::give(Runtime& runtime, InputEvent const& input)
{
    if (m_recorder)
        m_recorder->input(runtime, input, game_now());
    m_gave_input = true;
    runtime.post(input);
}

void SdlBackend::post_mouse(Runtime& runtime, FormWindow& window, InputKind kind, int button, int x, int y)
{
    auto const point = window.to_form(x, y);
    InputEvent input;
    input.kind = kind;
    input.form = &window.form();
    input.x = point.x;
    input.y = point.y;
    input.button = button;
    input.shift = shift_state(static_cast<Uint16>(SDL_GetModState()));
    input.source_line = m_player_line;
    give(runtime, input);
}

void SdlBackend::track_held(FormWindow& window, int x, int y)
{
    if (m_held.form != &window.form())
        return;
    auto const point = window.to_form(x, y);
    bool const inside = window.form().hit_test(point.x, point.y) == m_held.button;
    if (inside != m_held.inside) {
        m_held.inside = inside;
        window.invalidate();
    }
}

void SdlBackend::toggle_fullscreen(FormWindow& window)
{
    m_mode = m_mode == ScreenMode::fullscreen ? ScreenMode::windowed : ScreenMode::fullscreen;
    for (auto const& [form, each] : m_windows) {
        if (m_mode == ScreenMode::windowed || each.get() == &window)
            each->set_mode(m_mode);
        update_picture_offset(*each);
    }
    if (m_mode == ScreenMode::windowed)
        window.move_to(desktop_position(window.form()));
    m_last_move = m_clock.now();
}

void SdlBackend::handle_form_event(Runtime& runtime, FormWindow& window, SDL_Event const& event)
{
    Form& form = window.form();
    switch (event.type) {
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: {
            InputEvent input;
            input.kind = InputKind::close;
            input.form = &form;
            give(runtime, input);
            break;
        }
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            window.resized();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
            window.invalidate_all();
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            if (!m_boxes.empty())
                m_boxes.back()->raise();
            break;
        case SDL_WINDOWEVENT_MOVED:
            // A move the player made by dragging the title bar: later moves of the game keep it.
            if (window.mode() == ScreenMode::windowed && m_clock.now() - m_last_move > own_move_echo) {
                auto const expected = desktop_position(form);
                auto& dragged = m_dragged[&form];
                dragged.x += event.window.data1 - expected.x;
                dragged.y += event.window.data2 - expected.y;
            }
            break;
        default:
            break;
        }
        return;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        auto const& key = event.key.keysym;
        bool const down = event.type == SDL_KEYDOWN;
        bool const alt = (key.mod & KMOD_ALT) != 0;
        if (!down && key.scancode == m_swallowed_key) {
            m_swallowed_key = SDL_SCANCODE_UNKNOWN;
            return;
        }
        if (down && alt && (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER)) {
            m_swallowed_key = key.scancode;
            if (!event.key.repeat)
                toggle_fullscreen(window);
            return;
        }
        if (down && alt && key.sym == SDLK_F4) {
            m_swallowed_key = key.scancode;
            InputEvent input;
            input.kind = InputKind::close;
            input.form = &form;
            give(runtime, input);
            return;
        }
        int const code = key_code(key);
        if (code == 0)
            return;
        InputEvent input;
        input.kind = down ? InputKind::key_down : InputKind::key_up;
        input.form = &form;
        input.key = code;
        input.shift = shift_state(key.mod);
        input.source_line = m_player_line;
        give(runtime, input);
        return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int const button = event.button.button == SDL_BUTTON_LEFT ? left_button : event.button.button == SDL_BUTTON_RIGHT ? right_button : 0;
        if (button == 0)
            return;
        if (!m_boxes.empty()) {
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                m_boxes.back()->raise();
                if (m_player_line > 0)
                    runtime.trace("ignored " + std::to_string(m_player_line) + " a modal box is open");
            }
            return;
        }
        bool const down = event.type == SDL_MOUSEBUTTONDOWN;
        if (button == left_button) {
            if (down) {
                auto const point = window.to_form(event.button.x, event.button.y);
                Control* hit = form.hit_test(point.x, point.y);
                if (hit && hit->kind() == ControlKind::button) {
                    m_held = { &form, hit, true };
                    window.invalidate();
                }
            } else if (m_held.form) {
                if (auto* held = window_of(*m_held.form))
                    held->invalidate();
                m_held = {};
            }
        }
        post_mouse(runtime, window, down ? InputKind::mouse_down : InputKind::mouse_up, button, event.button.x, event.button.y);
        return;
    }
    case SDL_MOUSEMOTION:
        track_held(window, event.motion.x, event.motion.y);
        return;
    default:
        return;
    }
}

}
