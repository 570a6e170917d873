// Turning script commands into real input: the pointer moved and clicked, keys pressed and box
// buttons pushed through the display server, then waiting until the game has received them.
#include "platform/sdl/real_player.hpp"

#include "platform/control.hpp"
#include "platform/dialog.hpp"
#include "platform/form.hpp"
#include "platform/headless/script_targets.hpp"
#include "platform/input.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/sdl_backend.hpp"
#include "platform/sdl/x11_desktop.hpp"

#include <algorithm>
#include <cmath>

namespace platform::sdl {

namespace {

int sdl_button_of(int button) { return button == right_button ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT; }

}

RealPlayer::RealPlayer(Clock const& clock, std::unique_ptr<CommandSource> commands, ScreenshotFn screenshot)
    : m_clock(clock)
    , m_commands(std::move(commands))
    , m_screenshot(std::move(screenshot))
{
}

std::optional<Micros> RealPlayer::next_wake() const
{
    if (m_deferred)
        return m_clock.now() + retry_interval;
    if (m_pending)
        return m_pending->give_up;
    return m_wait_until;
}

bool RealPlayer::act(Runtime& runtime, SdlBackend& backend)
{
    Micros const now = m_clock.now();
    if (m_pending) {
        if (m_pending->done && m_pending->done())
            m_pending.reset();
        else if (now >= m_pending->give_up) {
            runtime.trace("ignored " + std::to_string(m_pending->line) + " the input did not reach the game");
            m_pending.reset();
        } else {
            return false;
        }
    }
    if (m_deferred) {
        if (now >= m_deferred->give_up) {
            runtime.trace("ignored " + std::to_string(m_deferred->command.line) + " something else covers the window there");
            m_deferred.reset();
        } else {
            auto const command = m_deferred->command;
            execute(runtime, backend, command);
            return m_pending.has_value();
        }
    }
    if (m_condition) {
        if (condition_holds(runtime, *m_condition)) {
            m_condition.reset();
            m_wait_until.reset();
        } else if (now >= *m_wait_until) {
            throw ScriptError(m_condition->line, condition_failed(runtime, *m_condition));
        } else {
            return false;
        }
    }
    if (m_wait_until && now < *m_wait_until)
        return false;
    m_wait_until.reset();
    // Commands that take no time (print, show, screenshot) run back to back; input and waits
    // hand the game its turn.
    for (;;) {
        auto const command = m_commands->next(runtime);
        if (!command)
            runtime.end_program(ProgramEnd::Reason::script_end);
        execute(runtime, backend, *command);
        if (m_pending || m_deferred || m_wait_until || m_condition || command->verb == Verb::show)
            return true;
    }
}

int RealPlayer::saw(SDL_Event const& event, int key_code)
{
    if (!m_pending || m_pending->events_left <= 0)
        return m_pending ? m_pending->line : 0;
    bool const counts = event.type == m_pending->event_type && (m_pending->key == 0 || m_pending->key == key_code);
    int const line = m_pending->line;
    if (counts && --m_pending->events_left == 0)
        m_pending.reset();
    return line;
}

bool RealPlayer::defer_until_shown(ScriptCommand const& command, SDL_Window* window, SDL_Point screen)
{
    if (x11::shows_at(window, screen.x, screen.y)) {
        m_deferred.reset();
        return true;
    }
    if (!m_deferred)
        m_deferred = Deferred { command, m_clock.now() + input_timeout };
    return false;
}

void RealPlayer::expect(int line, std::function<bool()> done)
{
    m_pending = Pending { line, m_clock.now() + input_timeout, 0, 0, 0, std::move(done) };
}

void RealPlayer::expect_events(int line, Uint32 type, int count, int key)
{
    m_pending = Pending { line, m_clock.now() + input_timeout, type, count, key, {} };
}

void RealPlayer::execute(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command)
{
    switch (command.verb) {
    case Verb::wait:
        m_wait_until = m_clock.now() + seconds_to_micros(command.seconds);
        return;
    case Verb::waitfor:
    case Verb::waitbox:
        m_condition = command;
        m_wait_until = m_clock.now() + seconds_to_micros(command.seconds);
        return;
    case Verb::click:
    case Verb::dblclick:
    case Verb::down:
    case Verb::up:
    case Verb::clickat:
        return pointer(runtime, backend, command);
    case Verb::key:
    case Verb::keydown:
    case Verb::keyup:
        return keys(runtime, backend, command);
    case Verb::type:
        return type(runtime, backend, command);
    case Verb::ok:
    case Verb::cancel:
        return box_button(runtime, backend, command);
    case Verb::close: {
        Form& form = script_form(runtime, command);
        FormWindow* window = form.visible() ? backend.window_of(form) : nullptr;
        if (!window)
            return runtime.trace("ignored " + std::to_string(command.line) + " the window is hidden");
        // The window manager's close, as its close button does it.
        x11::request_close(window->window());
        expect(command.line, [] { return false; });
        return;
    }
    case Verb::show:
        return post_show(runtime, command);
    case Verb::print:
        return print_value(runtime, command);
    case Verb::screenshot:
        return take_screenshot(runtime, command, m_screenshot);
    }
}

void RealPlayer::pointer(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command)
{
    auto const target = script_point(runtime, command);
    FormWindow* window = target.form->visible() ? backend.window_of(*target.form) : nullptr;
    if (!window)
        return runtime.trace("ignored " + std::to_string(command.line) + " the window is hidden");
    auto const screen = window->to_screen({ target.x, target.y });
    SDL_Window* any = window->window();
    if (!screen)
        throw ScriptError(command.line, "real input needs an X11 display with the XTEST extension");
    if (!defer_until_shown(command, any, *screen))
        return;
    if (!x11::fake_pointer(any, screen->x, screen->y))
        throw ScriptError(command.line, "real input needs an X11 display with the XTEST extension");
    int const button = sdl_button_of(command.button);
    auto const press = [&] { x11::fake_button(any, button, true); };
    auto const release = [&] { x11::fake_button(any, button, false); };
    switch (command.verb) {
    case Verb::down:
        press();
        expect_events(command.line, SDL_MOUSEBUTTONDOWN, 1);
        return;
    case Verb::up:
        release();
        expect_events(command.line, SDL_MOUSEBUTTONUP, 1);
        return;
    case Verb::dblclick:
        press();
        release();
        press();
        release();
        expect_events(command.line, SDL_MOUSEBUTTONUP, 2);
        return;
    default:
        press();
        release();
        expect_events(command.line, SDL_MOUSEBUTTONUP, 1);
        return;
    }
}

void RealPlayer::keys(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command)
{
    Form& form = script_form(runtime, command);
    FormWindow* window = form.visible() ? backend.window_of(form) : nullptr;
    if (!window)
        return runtime.trace("ignored " + std::to_string(command.line) + " the window is hidden");
    auto const keysym = x11::keysym_of_key_code(command.key);
    if (!keysym)
        throw ScriptError(command.line, "key code " + std::to_string(command.key) + " cannot be pressed in a real window");
    SDL_Window* any = window->window();
    // Keys go where the keyboard focus is, as a player's would: to the named form's window.
    x11::focus(any);
    struct Modifier {
        int bit;
        int code;
    };
    static constexpr Modifier modifiers[] = { { shift_bits::shift, keys::shift }, { shift_bits::control, keys::control }, { shift_bits::alt, 18 } };
    auto const hold = [&](bool press) {
        for (auto const& modifier : modifiers) {
            if (command.shift & modifier.bit)
                x11::fake_key(any, *x11::keysym_of_key_code(modifier.code), press);
        }
    };
    bool const down = command.verb != Verb::keyup;
    bool const up = command.verb != Verb::keydown;
    if (down) {
        hold(true);
        if (!x11::fake_key(any, *keysym, true))
            throw ScriptError(command.line, "real input needs an X11 display with the XTEST extension");
    }
    if (up) {
        x11::fake_key(any, *keysym, false);
        hold(false);
    }
    expect_events(command.line, up ? SDL_KEYUP : SDL_KEYDOWN, 1, command.key);
}

void RealPlayer::box_button(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command)
{
    DialogWindow* box = backend.top_box();
    if (!box)
        return runtime.trace("ignored " + std::to_string(command.line) + " no box is open");
    bool const cancel = command.verb == Verb::cancel && box->dialog().kind == DialogKind::input;
    SDL_Rect const button = cancel ? box->layout().cancel : box->layout().ok;
    auto const origin = x11::screen_origin(box->window());
    if (!origin)
        throw ScriptError(command.line, "real input needs an X11 display with the XTEST extension");
    SDL_Point const middle { origin->x + button.x + button.w / 2, origin->y + button.y + button.h / 2 };
    if (!defer_until_shown(command, box->window(), middle))
        return;
    x11::fake_pointer(box->window(), middle.x, middle.y);
    x11::fake_button(box->window(), SDL_BUTTON_LEFT, true);
    x11::fake_button(box->window(), SDL_BUTTON_LEFT, false);
    // The box is gone once the game has taken the press; until then it is the top box. Boxes
    // are told apart by number: a new one may take the place in memory of one just closed.
    auto const number = box->dialog().number;
    expect(command.line, [&runtime, number] {
        Dialog const* top = runtime.top_dialog();
        return !top || top->number != number;
    });
}

void RealPlayer::type(Runtime& runtime, SdlBackend& backend, ScriptCommand const& command)
{
    DialogWindow* box = backend.top_box();
    if (!box || box->dialog().kind != DialogKind::input)
        return runtime.trace("ignored " + std::to_string(command.line) + " no input box is open");
    SDL_Window* window = box->window();
    x11::focus(window);
    std::string const text = command.text;
    // Clear the field the way a player would, then type the text key by key; letters the keyboard
    // map cannot make go in through the clipboard, as a paste.
    x11::fake_key(window, *x11::keysym_of_key_code(35), true);
    x11::fake_key(window, *x11::keysym_of_key_code(35), false);
    for (std::size_t i = 0; i < box->dialog().input.size() + 1; ++i) {
        x11::fake_key(window, *x11::keysym_of_key_code(8), true);
        x11::fake_key(window, *x11::keysym_of_key_code(8), false);
    }
    if (!x11::type_text(window, text)) {
        SDL_SetClipboardText(text.c_str());
        x11::fake_key(window, *x11::keysym_of_key_code(keys::control), true);
        x11::fake_key(window, 'v', true);
        x11::fake_key(window, 'v', false);
        x11::fake_key(window, *x11::keysym_of_key_code(keys::control), false);
    }
    auto const number = box->dialog().number;
    std::string const expected = typed_text(text);
    expect(command.line, [&runtime, number, expected] {
        Dialog const* top = runtime.top_dialog();
        return !top || top->number != number || top->input == expected;
    });
}

}
