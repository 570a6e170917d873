// The code table.
#include "shell/cheat_codes.hpp"

#include <array>

namespace shell {

namespace {

constexpr int cheated = 20;

constexpr std::array<CheatCode, 7> codes { {
    { "amber crypt", "Cheat Excepted!  Skip to World 2!", "frmw2l1", cheated, CheatOrder::hide_then_show },
    { "spin up", "Cheat Excepted!  Skip to Credits!", "frmcredits", cheated, CheatOrder::hide_then_show },
    { "hogsly", "Cheat Accepted!  Skip to World 2 Bonus Level!", "frmw2l4", cheated, CheatOrder::show_then_hide },
    // Not marked as cheated: the two bonus games still ahead bring the counter to the tally's 4.
    { "x-hawk dawn", "Cheat Accepted!  Skip to World 3!", "frmw3l1", 2, CheatOrder::show_then_hide, PlayClock::started },
    { "old sly fiddler", "Cheat Accepted!  Skip To The End", "frmw5lx", cheated, CheatOrder::mark_then_hide },
    { "crushtheherds", "Cheat Accepted!  Skip To World 4", "frmw4l1", cheated, CheatOrder::mark_then_hide },
    { "lanternkey",
        "Sucker!  This code does nothing ;-p.  'Tis only an easter egg from the programmer of Grawn 2.  Anyways, we'd like to thank you for beating the game.",
        "", 0, CheatOrder::joke },
} };

}

std::optional<CheatCode> find_cheat(std::string_view text)
{
    for (auto const& code : codes) {
        if (text == code.code)
            return code;
    }
    return std::nullopt;
}

}
