// The rescue vocabulary every rescue level shares: walking legs and patrols, kills, falls, saves.
#pragma once

#include "platform/control.hpp"
#include "platform/timer.hpp"

#include <initializer_list>

namespace levels {

using platform::Sprite;
using platform::Timer;

enum class Axis { x, y };
// The test made after each step: moving left or up a leg ends at most at its bound, moving right
// or down at least at it.
enum class Until { at_most, at_least };

struct Leg {
    Axis axis;
    double step; // pixels a tick, signed
    Until until;
    double bound;
};

// One tick of one leg of a walk: step, then test. At the bound the leg's timer goes off, the next
// leg's timer (if any) goes on and the sprite turns to the picture `facing` holds (if any).
// Returns true when the leg has ended.
bool walk(Sprite& sprite, Leg const& leg, Timer& current, Timer* next = nullptr, Sprite const* facing = nullptr);

// A Grawn is dead when it shows the very picture of the dead-picture holder.
bool is_dead(Sprite const& grawn, Sprite const& dead);

// Kill: its timers stop and it burns where it stands, still visible.
void kill(Sprite& grawn, Sprite const& dead, std::initializer_list<Timer*> timers);

// One tick of a fall; returns true when the animal's bottom edge has reached the death line.
bool fall(Sprite& animal, double step, double death_line);

// Save: its timers stop and it is gone.
void save(Sprite& animal, std::initializer_list<Timer*> timers);

// One phase of a blink: the sprite shows or hides, this phase's timer goes off, the other on.
void blink(Sprite& sprite, platform::Visibility becomes, Timer& current, Timer& next);

}
