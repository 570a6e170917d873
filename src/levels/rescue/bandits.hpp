// The levels where robbers shoot back: the player's health, their stand-and-fire cycle and the
// screen shake each shot sets off.
#pragma once

#include "screen/screen.hpp"

#include <initializer_list>

namespace levels {

using namespace screen;

// A level's own health controls: the counter timer whose Interval is the health, the label that
// shows it, and the timer that shakes the screen after a shot.
struct PlayerHealth {
    Timer& hp;
    Label& lblhp;
    Timer& shake;
};

// Whether a kill is heard.
enum class Report { gunshot, silent };

class BanditLevel : public Screen {
public:
    using Screen::Screen;

protected:
    // A kill or a rescue gives ten back; there is no upper limit but the counter's own.
    void gain(PlayerHealth const& health);
    // A shot, a bark or a trap takes `amount`, shown at once; returns what is left. Health never
    // goes below nothing: enemies go on firing under the game-over box, which must not count a
    // dead player further down.
    int lose_health(PlayerHealth const& health, int amount);
    // The left button kills a robber or a Grawn that is not dead yet, for ten health; any other
    // click, or a click on the dead, does nothing.
    void shoot_at(int button, Sprite& enemy, Sprite const& dead, std::initializer_list<Timer*> timers, PlayerHealth const& health,
        Report report = Report::gunshot);
    // A standing robber ducks and fires: hidden, his ducking timer on; the shot costs ten, is
    // heard and shakes the screen; at no health the game is over.
    void robber_fires(Sprite& robber, Timer& standing, Timer& ducking, PlayerHealth const& health);
    // A ducking robber stands up again.
    void robber_stands(Sprite& robber, Timer& ducking, Timer& standing);
    // The shake timer's one tick: the jolts (after a gunshot, on levels where the shake is
    // heard), then off. A shot during the jolts switches it on again to no effect, so shots
    // never add up to a longer shake.
    void shake_tick(Timer& shake, Report report = Report::silent);
};

}
