// The title screen: the story read page by page, then Start, or the cheat prompt with a code.
#include "demo/plays.hpp"

#include <algorithm>

namespace demo {

Intent play_intro(Sight const& s, Notes& notes, Wishes const& wishes)
{
    if (s.shown("Label4"))
        return Intent::look_again(); // the presenter's logo
    // Each story page is read before the next click; clicks on the label come far enough apart
    // not to pair into a double click.
    if (s.shown("Label2")) {
        if (notes.mark <= notes.acted_at)
            notes.mark = std::max(notes.acted_at + 0.6, s.now() + s.pick(1.2, 2.2));
        if (s.now() < notes.mark)
            return Intent::look_again();
        if (auto click = s.click("Label2"))
            return *click;
        return Intent::look_again();
    }
    if (!wishes.cheat.empty() && notes.clicks["Command4"] == 0 && s.usable("Command4")) {
        if (auto click = s.click("Command4"))
            return *click;
    }
    if (s.usable("Command1")) {
        if (auto click = s.click("Command1"))
            return *click;
    }
    return Intent::look_again();
}

}
