// Every screen of the chain, in play order, with how the demo wins it and how it loses it.
#include "demo/plays.hpp"

#include <algorithm>

namespace demo {

std::vector<Play> const& plays()
{
    // A bonus game or a level left to itself is lost by the player doing nothing; box pauses are
    // shorter where the screen runs on under its boxes.
    static std::vector<Play> const table {
        { "intro", play_intro },
        { "frmw1l1", play_frmw1l1, lose_frmw1l1 },
        { "frmw1l2", play_frmw1l2, watch },
        { "frmw1l3", play_frmw1l3, watch },
        { "frmw1l4", play_frmw1l4, watch, 0.3 },
        { "frmw1l5", watch },
        { "frmw2l1", play_frmw2l1, watch },
        { "frmw2l2", play_frmw2l2, watch },
        { "frmw2l3", play_frmw2l3, watch },
        { "frmw2l4", play_frmw2l4, watch },
        { "frmw2l5", watch },
        { "frmw3l1", play_frmw3l1, watch },
        { "frmw3l2", play_frmw3l2, lose_frmw3l2 },
        { "frmw3l3x", watch },
        { "frmw3l3", play_frmw3l3, watch },
        { "frmw3l42", play_frmw3l42, watch },
        { "frmw3l5", watch },
        { "frmw4l1", play_frmw4l1, watch },
        { "frmw4l2x", watch },
        { "frmw4l2", play_frmw4l2, watch, 0.8 },
        { "frmw4l3x", watch },
        { "frmw4l3", play_frmw4l3, watch, 0.3 },
        { "frmw4l4", watch },
        { "frmw4l5", play_frmw4l5, lose_frmw4l5 },
        { "frmw5lx", play_frmw5lx },
        { "frmw5l1", play_frmw5l1, lose_frmw5l1 },
        { "frmend", watch },
        { "frmcredits2", play_credits },
        { "frmcredits", play_credits },
    };
    return table;
}

Play const* find_play(std::string_view screen)
{
    auto const& table = plays();
    auto const found = std::find_if(table.begin(), table.end(), [&](Play const& play) { return play.screen == screen; });
    return found == table.end() ? nullptr : &*found;
}

}
