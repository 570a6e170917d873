// World 1: the claws in Hell, the platforms, the machine and the falling pigs.
#include "demo/plays.hpp"

#include <array>
#include <string>

namespace demo {

namespace {

// A Grawn and what it guards: killing it opens the claw and the animal falls.
struct Guard {
    char const* grawn;
    char const* animal;
    char const* claw;
};

// The first control of the list that can be clicked now.
std::optional<Intent> first_click(Sight const& s, std::initializer_list<char const*> names, Button button)
{
    for (auto const* name : names) {
        if (auto click = s.click(name, button))
            return click;
    }
    return {};
}

}

Intent play_frmw1l1(Sight const& s, Notes&, Wishes const&)
{
    static constexpr std::array<Guard, 3> guards { { { "imggrawn1", "imgpig1", "imgclaw1" }, { "imggrawn2", "imgpig2", "imgclaw2" },
        { "imggrawn3", "imgcow1", "imgclaw3" } } };
    // A released animal reaches the flames in under a second: it comes first.
    for (auto const& guard : guards) {
        if (s.looks_like(guard.claw, "imgcf2") && s.shown(guard.animal)) {
            if (auto click = s.click(guard.animal, Button::right))
                return *click;
        }
    }
    // The sheep shows itself for a moment every five seconds.
    if (s.shown("imgsheep1")) {
        if (auto click = s.click("imgsheep1", Button::right))
            return click->at_once();
    }
    // One Grawn at a time, so that only one animal falls at once.
    for (auto const& guard : guards) {
        if (!s.looks_like(guard.grawn, "fire", 0)) {
            if (auto click = s.click(guard.grawn))
                return *click;
            return Intent::look_again();
        }
    }
    return Intent::look_again();
}

// Kills the first Grawn and lets its pig fall into the flames.
Intent lose_frmw1l1(Sight const& s, Notes&, Wishes const&)
{
    if (!s.looks_like("imggrawn1", "fire", 0)) {
        if (auto click = s.click("imggrawn1"))
            return *click;
    }
    return Intent::look_again();
}

Intent play_frmw1l2(Sight const& s, Notes&, Wishes const&)
{
    // The pig walks to its death in two seconds: saved first, wherever it is.
    if (auto click = s.click("imgpig1", Button::right))
        return *click;
    bool const blinker_dead = s.looks_like("imggrawn3", "fire", 0);
    if (blinker_dead) {
        if (auto click = s.click("imgcow1", Button::right))
            return *click;
    } else if (auto click = s.click("imggrawn3")) {
        return click->at_once(); // shown for 0.3 s every 5.3 s
    }
    for (auto const* grawn : { "imggrawn1", "imggrawn2" }) {
        if (!s.looks_like(grawn, "fire", 0)) {
            if (auto click = s.click(grawn))
                return *click;
        }
    }
    return Intent::look_again();
}

Intent play_frmw1l3(Sight const& s, Notes&, Wishes const&)
{
    if (s.looks_like("imgboss", "imgbf3"))
        return Intent::look_again(); // wrecked
    if (auto click = first_click(s, { "imgpig1", "imgsheep1", "imgcow1" }, Button::right))
        return *click;
    if (auto click = s.click("imgboss"))
        return *click;
    return Intent::look_again();
}

Intent play_frmw1l4(Sight const& s, Notes&, Wishes const&)
{
    // Thirteen pigs reach the fire two seconds after the screen opens: one quick sweep.
    for (int n = 1; n <= 13; ++n) {
        if (auto click = s.click("imgpig" + std::to_string(n), Button::right))
            return click->then_wait(0.08);
    }
    return Intent::look_again();
}

}
