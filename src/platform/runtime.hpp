// The forms runtime: one clock, one stack of event loops, the timers, forms, dialogs and input.
#pragma once

#include "platform/backend.hpp"
#include "platform/clock.hpp"
#include "platform/dialog.hpp"
#include "platform/input.hpp"

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Form;
class Media;
class Timer;
class Control;

// Thrown to end the program from any depth of nested loops and handlers: nothing after the
// throw runs, and Runtime::run returns.
struct ProgramEnd {
    enum class Reason { ended, script_end } reason = Reason::ended;
};

enum class LoopKind { main, pause, modal };

class Runtime {
public:
    using FormFactory = std::function<std::unique_ptr<Form>(Runtime&, std::string_view name)>;

    Runtime(Clock& clock, Backend& backend);
    ~Runtime();
    Runtime(Runtime const&) = delete;
    Runtime& operator=(Runtime const&) = delete;

    Clock& clock() const { return m_clock; }
    Backend& backend() const { return m_backend; }

    // Sound calls of the game; null until set.
    void set_media(Media* media) { m_media = media; }
    Media* media() const { return m_media; }

    // Title of boxes that have none of their own.
    void set_app_title(std::string title) { m_app_title = std::move(title); }
    std::string const& app_title() const { return m_app_title; }

    // Forms. The runtime owns every form until it is destroyed; forms are never freed during play,
    // so references to them stay good across nested loops.
    // `names` are the forms the factory can make, so that scripts can tell a misspelt name.
    void set_form_factory(FormFactory factory, std::vector<std::string> names);
    bool knows_form(std::string_view name) const;
    Form* find_form(std::string_view name) const;
    // The form of that name, made by the factory the first time (not loaded yet); null if unknown.
    Form* form(std::string_view name);
    Form& adopt(std::unique_ptr<Form> form);
    void show_form(std::string_view name);
    std::vector<Form*> forms() const;

    // Runs the program: `start` (usually showing the first form), then the main loop, until the
    // program ends. Returns the exit status.
    int run(std::function<void()> const& start);
    // Ends the program now, from any depth: no further handler runs.
    [[noreturn]] void end_program(ProgramEnd::Reason reason = ProgramEnd::Reason::ended);
    std::function<void()> on_program_end;

    // One pass: queued input in order, then due timer ticks, then redraws.
    void do_events();
    // Keeps handling events until `seconds` have passed on the clock.
    void pause(double seconds);
    // A nested loop: handles events until `done` holds.
    void run_until(LoopKind kind, std::function<bool()> const& done, std::optional<Micros> deadline = {});
    std::size_t loop_depth() const { return m_loops.size(); }

    // Modal boxes; the caller waits while timers keep ticking and game input is ignored.
    void msgbox(Form* owner, std::string text, MsgIcon icon, std::string title = {});
    std::string inputbox(Form* owner, std::string prompt, std::string title = {}, std::string default_text = {});
    Dialog* top_dialog() const { return m_dialogs.empty() ? nullptr : m_dialogs.back().get(); }
    bool modal() const { return !m_dialogs.empty(); }
    void close_dialog(Dialog& dialog, DialogResult result);
    // Closes, as if OK were pressed, every box that `form` opened.
    void close_dialogs_of(Form& form);

    void post(InputEvent event);

    // Timers register themselves; the order of registration breaks ties between due ticks.
    std::uint64_t add_timer(Timer& timer);
    void remove_timer(Timer& timer);
    std::optional<Micros> next_timer_due() const;
    // While a tick's handler runs: how late on its grid that tick started (0 on the virtual
    // clock, which runs every handler at its due time); 0 outside tick handlers. A timer switched
    // on by the handler starts its grid that much earlier, so that timers handing over to each
    // other stay in step instead of drifting later with every hand-over.
    Micros tick_lateness() const { return m_tick_lateness.empty() ? 0 : m_tick_lateness.back(); }
    void tick_started(Micros lateness) { m_tick_lateness.push_back(lateness); }
    void tick_ended() { m_tick_lateness.pop_back(); }

    // The transcript of a headless run: every line starts with the game time in milliseconds.
    void set_transcript(std::ostream* out) { m_transcript = out; }
    bool tracing() const { return m_transcript != nullptr; }
    void trace(std::string_view line) const;
    // Reports input that reached nothing, for the transcript.
    void ignored(InputEvent const& event, std::string_view reason) const;

    // Called by forms when they load, show, hide or unload.
    void form_shown(Form& form);
    void form_hidden(Form& form);

private:
    void dispatch(InputEvent const& event);
    void dispatch_mouse(InputEvent const& event);
    void fire_due_timers();
    void redraw();
    std::string run_dialog(std::shared_ptr<Dialog> dialog);

    struct Loop {
        LoopKind kind;
    };
    struct Press {
        Control* control = nullptr;
        int button = 0;
    };
    struct LastClick {
        Control* control = nullptr;
        Micros time = 0;
    };

    Clock& m_clock;
    Backend& m_backend;
    Media* m_media = nullptr;
    std::string m_app_title;
    FormFactory m_factory;
    std::vector<std::string> m_form_names;
    std::vector<std::unique_ptr<Form>> m_forms;
    std::vector<Timer*> m_timers;
    std::vector<Timer*> m_due_scratch;
    std::uint64_t m_next_timer_order = 0;
    std::vector<Micros> m_tick_lateness; // of the ticks whose handlers are running, innermost last
    std::vector<Loop> m_loops;
    std::vector<std::shared_ptr<Dialog>> m_dialogs;
    std::uint64_t m_dialogs_opened = 0;
    std::deque<InputEvent> m_input;
    Press m_press;
    LastClick m_last_click;
    std::ostream* m_transcript = nullptr;
    bool m_ending = false;
};

// The double-click time: a second click on the same picture or label within it is a double click
// (command buttons take every click as a click).
inline constexpr Micros double_click_time = 500'000;

// Quotes a string for the transcript: `"` and `\` escaped with a backslash, newlines as \n.
std::string quote(std::string_view text);
// Whole numbers print as integers, others with up to three decimals and no trailing zeros.
std::string format_number(double value);

}
