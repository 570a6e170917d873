// The demo player's loop of looks: boxes first, then the screen in front, through its play.
#include "demo/player.hpp"

#include "platform/form.hpp"
#include "platform/runtime.hpp"

namespace demo {

using platform::ScriptCommand;
using platform::Verb;

namespace {

// A demo that has not reached its end after this much game time gives up.
constexpr double longest_game = 4 * 3600;

}

DemoPlayer::DemoPlayer(DemoOptions options)
    : m_options(std::move(options))
{
    m_wishes.cheat = m_options.cheat;
    if (m_options.seed) {
        m_random.emplace(*m_options.seed);
        m_pace.look = varied(0.04, 0.06);
        m_pace.reaction = varied(0.07, 0.13);
        m_pace.gap = varied(0.09, 0.13);
    }
}

double DemoPlayer::varied(double low, double high)
{
    if (!m_random)
        return (low + high) / 2;
    return std::uniform_real_distribution<double>(low, high)(*m_random);
}

ScriptCommand DemoPlayer::numbered(ScriptCommand command)
{
    command.line = ++m_line;
    return command;
}

ScriptCommand DemoPlayer::wait(double seconds)
{
    ScriptCommand command;
    command.verb = Verb::wait;
    command.seconds = seconds;
    return numbered(command);
}

platform::Form* DemoPlayer::screen_in_front(platform::Runtime& runtime) const
{
    // The newest window shown is the one in front.
    platform::Form* front = nullptr;
    for (auto* form : runtime.forms()) {
        if (form->visible())
            front = form;
    }
    return front;
}

std::optional<ScriptCommand> DemoPlayer::next(platform::Runtime& runtime)
{
    if (!m_queue.empty()) {
        auto command = m_queue.front();
        m_queue.pop_front();
        return command;
    }
    double const now = static_cast<double>(runtime.clock().now()) / 1e6;
    if (now > longest_game)
        return {};
    if (auto const* box = runtime.top_dialog())
        return answer_box(*box, now);
    m_box = nullptr;

    auto* form = screen_in_front(runtime);
    if (!form)
        return wait(m_pace.look);
    if (form->name() != m_screen) {
        m_screen = form->name();
        m_notes = {};
        m_notes.arrived = now;
        m_busy = false;
        m_reacted = false;
    }
    auto const* play = find_play(m_screen);
    PlayFn const fn = !play ? watch : (m_screen == m_options.lose && play->lose ? play->lose : play->win);
    Sight const sight(runtime, *form, m_random ? &*m_random : nullptr);
    return carry_out(fn(sight, m_notes, m_wishes), now);
}

std::optional<ScriptCommand> DemoPlayer::carry_out(Intent const& intent, double now)
{
    if (intent.kind == Intent::Kind::look_again) {
        m_busy = false;
        m_reacted = false;
        return wait(intent.after >= 0 ? intent.after : m_pace.look);
    }
    // Something new calls for a click: it comes after the reaction time, aimed afresh then.
    if (intent.haste == Haste::react && !m_busy && !m_reacted) {
        m_reacted = true;
        return wait(varied(0.8, 1.2) * m_pace.reaction);
    }
    m_reacted = false;
    m_busy = true;
    m_notes.acted_at = now;
    if (!intent.aim.empty())
        ++m_notes.clicks[intent.aim];
    m_queue.push_back(wait(intent.after >= 0 ? intent.after * varied(0.9, 1.1) : varied(0.9, 1.1) * m_pace.gap));
    return numbered(intent.command);
}

std::optional<ScriptCommand> DemoPlayer::answer_box(platform::Dialog const& box, double now)
{
    if (m_box != &box || m_box_text != box.text) {
        m_box = &box;
        m_box_text = box.text;
        m_box_seen = now;
        m_box_typed = false;
        auto const* play = box.owner ? find_play(box.owner->name()) : nullptr;
        double const usual = m_random ? varied(1.0, 2.0) : m_pace.reading;
        m_box_reading = play && play->box_pause > 0 ? play->box_pause * varied(0.9, 1.1) : usual;
        m_busy = false;
        m_reacted = false;
    }
    if (box.kind == platform::DialogKind::input && !m_box_typed) {
        m_box_typed = true;
        ScriptCommand command;
        command.verb = m_wishes.cheat.empty() ? Verb::cancel : Verb::type;
        command.text = m_wishes.cheat;
        m_queue.push_back(wait(varied(0.9, 1.1) * m_pace.reading));
        return numbered(command);
    }
    double const left = m_box_seen + m_box_reading - now;
    if (left > 1e-6)
        return wait(left);
    ScriptCommand command;
    command.verb = Verb::ok;
    m_queue.push_back(wait(m_pace.look));
    return numbered(command);
}

std::unique_ptr<platform::CommandSource> make_demo_player(DemoOptions options) { return std::make_unique<DemoPlayer>(std::move(options)); }

std::vector<std::string> losable_screens()
{
    std::vector<std::string> names;
    for (auto const& play : plays()) {
        if (play.lose)
            names.emplace_back(play.screen);
    }
    return names;
}

bool can_lose(std::string_view screen)
{
    auto const* play = find_play(screen);
    return play && play->lose;
}

}
