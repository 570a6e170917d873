// The event loop stack, timer dispatch, dialogs and input routing.
#include "platform/runtime.hpp"

#include "platform/control.hpp"
#include "platform/form.hpp"
#include "platform/media.hpp"
#include "platform/timer.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace platform {

Runtime::Runtime(Clock& clock, Backend& backend)
    : m_clock(clock)
    , m_backend(backend)
    , m_app_title("Grawn 2")
{
}

Runtime::~Runtime()
{
    // Forms go in reverse order of creation; their timers unregister as they go.
    while (!m_forms.empty())
        m_forms.pop_back();
}

void Runtime::set_form_factory(FormFactory factory, std::vector<std::string> names)
{
    m_factory = std::move(factory);
    m_form_names = std::move(names);
}

bool Runtime::knows_form(std::string_view name) const
{
    return find_form(name) || std::find(m_form_names.begin(), m_form_names.end(), name) != m_form_names.end();
}

Form* Runtime::find_form(std::string_view name) const
{
    for (auto const& form : m_forms) {
        if (form->name() == name)
            return form.get();
    }
    return nullptr;
}

Form* Runtime::form(std::string_view name)
{
    if (auto* existing = find_form(name))
        return existing;
    if (!m_factory)
        return nullptr;
    auto made = m_factory(*this, name);
    if (!made)
        return nullptr;
    return &adopt(std::move(made));
}

Form& Runtime::adopt(std::unique_ptr<Form> form)
{
    m_forms.push_back(std::move(form));
    return *m_forms.back();
}

void Runtime::show_form(std::string_view name)
{
    if (auto* target = form(name))
        target->show();
}

std::vector<Form*> Runtime::forms() const
{
    std::vector<Form*> result;
    for (auto const& form : m_forms)
        result.push_back(form.get());
    return result;
}

int Runtime::run(std::function<void()> const& start)
{
    try {
        m_loops.push_back({ LoopKind::main });
        if (start)
            start();
        for (;;) {
            do_events();
            m_backend.wait(*this, next_timer_due());
        }
    } catch (ProgramEnd const&) {
    }
    m_loops.clear();
    m_dialogs.clear();
    m_input.clear();
    return 0;
}

void Runtime::end_program(ProgramEnd::Reason reason)
{
    if (!m_ending) {
        m_ending = true;
        trace(reason == ProgramEnd::Reason::script_end ? "script-end" : "end");
        if (m_media)
            m_media->stop_all();
        if (on_program_end)
            on_program_end();
        m_backend.program_ending();
    }
    throw ProgramEnd { reason };
}

void Runtime::do_events()
{
    while (!m_input.empty()) {
        InputEvent event = std::move(m_input.front());
        m_input.pop_front();
        dispatch(event);
    }
    fire_due_timers();
    redraw();
}

void Runtime::pause(double seconds)
{
    Micros const deadline = m_clock.now() + seconds_to_micros(std::max(0.0, seconds));
    run_until(LoopKind::pause, [&] { return m_clock.now() >= deadline; }, deadline);
}

void Runtime::run_until(LoopKind kind, std::function<bool()> const& done, std::optional<Micros> deadline)
{
    m_loops.push_back({ kind });
    struct Pop {
        std::vector<Loop>& loops;
        ~Pop()
        {
            if (!loops.empty())
                loops.pop_back();
        }
    } pop { m_loops };
    for (;;) {
        do_events();
        if (done())
            return;
        auto wake = next_timer_due();
        if (deadline && (!wake || *deadline < *wake))
            wake = deadline;
        m_backend.wait(*this, wake);
    }
}

void Runtime::fire_due_timers()
{
    Micros const now = m_clock.now();
    // Reuse one buffer between passes; a nested pass started by a handler makes its own.
    std::vector<Timer*> due = std::move(m_due_scratch);
    due.clear();
    for (auto* timer : m_timers) {
        if (timer->scheduled() && timer->next_due() <= now)
            due.push_back(timer);
    }
    std::stable_sort(due.begin(), due.end(), [](Timer const* a, Timer const* b) {
        if (a->next_due() != b->next_due())
            return a->next_due() < b->next_due();
        return a->order() < b->order();
    });
    for (auto* timer : due) {
        // An earlier handler of this pass may have stopped it, or a nested loop already ran it.
        if (timer->scheduled() && timer->next_due() <= now)
            timer->fire();
    }
    m_due_scratch = std::move(due);
}

std::optional<Micros> Runtime::next_timer_due() const
{
    std::optional<Micros> next;
    for (auto const* timer : m_timers) {
        if (timer->scheduled() && (!next || timer->next_due() < *next))
            next = timer->next_due();
    }
    return next;
}

std::uint64_t Runtime::add_timer(Timer& timer)
{
    m_timers.push_back(&timer);
    return m_next_timer_order++;
}

void Runtime::remove_timer(Timer& timer) { std::erase(m_timers, &timer); }

void Runtime::redraw()
{
    for (auto const& form : m_forms) {
        if (form->visible() && form->needs_redraw()) {
            form->mark_drawn();
            m_backend.present(*form);
        }
    }
}

void Runtime::post(InputEvent event) { m_input.push_back(std::move(event)); }

void Runtime::dispatch(InputEvent const& event)
{
    if (event.kind == InputKind::show) {
        show_form(event.form_name);
        return;
    }
    Form* form = event.form;
    if (!form)
        return;
    if (modal())
        return ignored(event, "a modal box is open");
    if (!form->visible())
        return ignored(event, "the window is hidden");
    switch (event.kind) {
    case InputKind::close:
        form->unload();
    case InputKind::key_down:
        form->Form_KeyDown(event.key, event.shift);
        return;
    case InputKind::key_up:
        form->Form_KeyUp(event.key, event.shift);
        return;
    case InputKind::mouse_down:
    case InputKind::mouse_up:
        dispatch_mouse(event);
        return;
    case InputKind::show:
        return;
    }
}

void Runtime::dispatch_mouse(InputEvent const& event)
{
    Form& form = *event.form;
    Control* hit = form.hit_test(event.x, event.y);
    if (event.kind == InputKind::mouse_down) {
        m_press = { hit, event.button };
        if (!hit)
            return ignored(event, "nothing there takes the mouse");
        if (hit->on_mouse_down)
            hit->on_mouse_down({ event.button, event.shift, event.x - hit->left(), event.y - hit->top() });
        return;
    }

    // The control that took the press gets the release, wherever the pointer is now.
    Press const press = std::exchange(m_press, {});
    Control* target = press.button == event.button && press.control ? press.control : hit;
    if (!target)
        return ignored(event, "nothing there takes the mouse");
    if (target->on_mouse_up)
        target->on_mouse_up({ event.button, event.shift, event.x - target->left(), event.y - target->top() });
    if (target != hit || press.control != target)
        return;
    // A command button has no double click: every click of a quick pair is a click.
    if (target->kind() == ControlKind::button) {
        m_last_click = {};
        if (target->on_click)
            target->on_click();
        return;
    }
    Micros const now = m_clock.now();
    if (m_last_click.control == target && now - m_last_click.time <= double_click_time) {
        m_last_click = {};
        if (target->on_dbl_click)
            target->on_dbl_click();
        return;
    }
    m_last_click = { target, now };
    if (target->on_click)
        target->on_click();
}

void Runtime::msgbox(Form* owner, std::string text, MsgIcon icon, std::string title)
{
    auto dialog = std::make_shared<Dialog>();
    dialog->kind = DialogKind::message;
    dialog->owner = owner;
    dialog->title = title.empty() ? m_app_title : std::move(title);
    dialog->text = std::move(text);
    dialog->icon = icon;
    static constexpr char const* icon_names[] = { "none", "info", "exclamation" };
    trace(std::string("msgbox ") + icon_names[static_cast<int>(icon)] + " " + quote(dialog->title) + " " + quote(dialog->text));
    run_dialog(std::move(dialog));
}

std::string Runtime::inputbox(Form* owner, std::string prompt, std::string title, std::string default_text)
{
    auto dialog = std::make_shared<Dialog>();
    dialog->kind = DialogKind::input;
    dialog->owner = owner;
    dialog->title = title.empty() ? m_app_title : std::move(title);
    dialog->text = std::move(prompt);
    dialog->input = std::move(default_text);
    trace("inputbox " + quote(dialog->title) + " " + quote(dialog->text));
    return run_dialog(std::move(dialog));
}

std::string Runtime::run_dialog(std::shared_ptr<Dialog> dialog)
{
    // A box that opens under a pressed button would otherwise hand its release to a control.
    m_press = {};
    dialog->number = ++m_dialogs_opened;
    m_dialogs.push_back(dialog);
    m_backend.dialog_opened(*dialog);
    run_until(LoopKind::modal, [&] { return dialog->result != DialogResult::open; });
    if (dialog->kind == DialogKind::input && dialog->result == DialogResult::ok)
        return dialog->input;
    return {};
}

void Runtime::close_dialog(Dialog& dialog, DialogResult result)
{
    if (dialog.result != DialogResult::open)
        return;
    if (dialog.kind == DialogKind::message)
        result = DialogResult::ok;
    dialog.result = result;
    if (dialog.kind == DialogKind::input)
        trace("closed " + quote(result == DialogResult::ok ? dialog.input : std::string()));
    else
        trace("closed");
    m_backend.dialog_closed(dialog);
    std::erase_if(m_dialogs, [&](auto const& open) { return open.get() == &dialog; });
}

void Runtime::close_dialogs_of(Form& form)
{
    std::vector<std::shared_ptr<Dialog>> owned;
    for (auto const& dialog : m_dialogs) {
        if (dialog->owner == &form)
            owned.push_back(dialog);
    }
    for (auto it = owned.rbegin(); it != owned.rend(); ++it)
        close_dialog(**it, DialogResult::ok);
}

void Runtime::form_shown(Form& form)
{
    trace("show " + form.name());
    m_backend.window_shown(form);
}

void Runtime::form_hidden(Form& form)
{
    trace("hide " + form.name());
    m_backend.window_hidden(form);
}

void Runtime::trace(std::string_view line) const
{
    if (!m_transcript)
        return;
    *m_transcript << m_clock.now() / 1000 << ' ' << line << '\n';
}

void Runtime::ignored(InputEvent const& event, std::string_view reason) const
{
    if (event.source_line > 0)
        trace("ignored " + std::to_string(event.source_line) + " " + std::string(reason));
}

std::string quote(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string format_number(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", value);
    std::string out = buffer;
    while (!out.empty() && out.back() == '0')
        out.pop_back();
    if (!out.empty() && out.back() == '.')
        out.pop_back();
    if (out == "-0")
        out = "0";
    return out;
}

}
