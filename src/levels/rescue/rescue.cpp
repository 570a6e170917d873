// The shared rescue rules.
#include "levels/rescue/rescue.hpp"

namespace levels {

bool walk(Sprite& sprite, Leg const& leg, Timer& current, Timer* next, Sprite const* facing)
{
    double const position = (leg.axis == Axis::x ? sprite.left() : sprite.top()) + leg.step;
    if (leg.axis == Axis::x)
        sprite.set_left(position);
    else
        sprite.set_top(position);
    bool const ended = leg.until == Until::at_most ? position <= leg.bound : position >= leg.bound;
    if (!ended)
        return false;
    current.disable();
    if (next)
        next->enable();
    if (facing)
        sprite.set_picture(facing->picture());
    return true;
}

bool is_dead(Sprite const& grawn, Sprite const& dead) { return grawn.shows(dead.picture()); }

void kill(Sprite& grawn, Sprite const& dead, std::initializer_list<Timer*> timers)
{
    for (auto* timer : timers)
        timer->disable();
    grawn.set_picture(dead.picture());
}

bool fall(Sprite& animal, double step, double death_line)
{
    animal.set_top(animal.top() + step);
    return animal.top() + animal.height() >= death_line;
}

void save(Sprite& animal, std::initializer_list<Timer*> timers)
{
    for (auto* timer : timers)
        timer->disable();
    animal.hide();
}

void blink(Sprite& sprite, platform::Visibility becomes, Timer& current, Timer& next)
{
    if (becomes == platform::Visibility::shown)
        sprite.show();
    else
        sprite.hide();
    next.enable();
    current.disable();
}

}
