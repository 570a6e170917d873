// The title screen's cheat codes: what each one says, where it jumps and how it marks the run.
#pragma once

#include <optional>
#include <string_view>

namespace shell {

// The order in which a jump hides the title screen, shows its target and marks the run; the
// joke code only shows its box.
enum class CheatOrder { hide_then_show, show_then_hide, mark_then_hide, joke };
enum class PlayClock { untouched, started };

struct CheatCode {
    std::string_view code;
    std::string_view message;
    std::string_view target; // empty for the joke
    int bonusbags = 0;       // 20 marks a cheated run
    CheatOrder order = CheatOrder::joke;
    PlayClock clock = PlayClock::untouched;
};

// The code the text is, exactly as typed (case and spaces count), if any.
std::optional<CheatCode> find_cheat(std::string_view text);

}
