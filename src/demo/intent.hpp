// What the demo player means to do after one look at a screen: an input, or nothing for a while.
#pragma once

#include "platform/headless/script.hpp"

#include <string>

namespace demo {

// How soon an input follows the look that called for it: after the player's reaction time, or
// at once for what a player who knows the screen lies in wait for (a sheep that shows itself for
// a tenth of a second).
enum class Haste { react, instant };

struct Intent {
    enum class Kind { look_again, act };
    Kind kind = Kind::look_again;
    platform::ScriptCommand command;
    // The control a click is meant for ("imgpig1", "fire(3)"), so that the player can count
    // the clicks it made.
    std::string aim;
    Haste haste = Haste::react;
    // After an input: how long until the next look, unset for the player's usual pace. When
    // looking again: how long to wait.
    double after = -1;

    static Intent look_again(double seconds = -1)
    {
        Intent intent;
        intent.after = seconds;
        return intent;
    }
    Intent& then_wait(double seconds)
    {
        after = seconds;
        return *this;
    }
    Intent& at_once()
    {
        haste = Haste::instant;
        return *this;
    }
};

}
