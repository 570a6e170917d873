// The demo player: looks at the game whenever it is idle, answers boxes after reading them, and
// plays the screen in front of it with the reactions and pace of a very good player.
#pragma once

#include "demo/demo.hpp"
#include "demo/plays.hpp"

#include <deque>
#include <random>

namespace demo {

class DemoPlayer final : public platform::CommandSource {
public:
    explicit DemoPlayer(DemoOptions options);

    std::optional<platform::ScriptCommand> next(platform::Runtime& runtime) override;
    std::string const& name() const override { return m_name; }

    // The player's pace, varied by the seed.
    struct Pace {
        double look = 0.05;      // between two looks at a quiet screen
        double reaction = 0.1;   // from seeing something to the first click on it
        double gap = 0.11;       // between two clicks or key presses in a row
        double reading = 1.5;    // on a box, before pressing OK
    };

private:
    std::optional<platform::ScriptCommand> answer_box(platform::Dialog const& box, double now);
    std::optional<platform::ScriptCommand> carry_out(Intent const& intent, double now);
    platform::Form* screen_in_front(platform::Runtime& runtime) const;
    platform::ScriptCommand wait(double seconds);
    platform::ScriptCommand numbered(platform::ScriptCommand command);
    double varied(double low, double high);

    DemoOptions m_options;
    Wishes m_wishes;
    std::string m_name = "demo";
    std::optional<std::mt19937> m_random;
    Pace m_pace;
    std::deque<platform::ScriptCommand> m_queue;
    int m_line = 0;

    std::string m_screen;
    Notes m_notes;
    // The player was already busy at the last look, so no new reaction time is owed.
    bool m_busy = false;
    bool m_reacted = false;

    platform::Dialog const* m_box = nullptr;
    std::string m_box_text;
    double m_box_seen = 0;
    double m_box_reading = 0;
    bool m_box_typed = false;
};

}
