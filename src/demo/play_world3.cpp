// World 3: the S-Grawns in the forest, the trapped base, the Mecha Grawn and the regatta.
#include "demo/plays.hpp"

#include <string>

namespace demo {

Intent play_frmw3l1(Sight const& s, Notes&, Wishes const&)
{
    // An animal falls once its claw opens, and is lost in under a second.
    if (s.looks_like("imgclaw2", "imgcf2")) {
        if (auto click = s.click("imgpig1", Button::right))
            return *click;
    }
    if (s.looks_like("imgclaw1", "imgcf2")) {
        if (auto click = s.click("imgsheep1", Button::right))
            return *click;
    }
    // Grawn 3 shows itself for a quarter of a second every five.
    if (!s.looks_like("imggrawn3", "imgbf1")) {
        if (auto click = s.click("imggrawn3"))
            return click->at_once();
    }
    // The two that bark, then the robber.
    for (auto const* enemy : { "imggrawn1", "imggrawn2", "imgrob1" }) {
        if (!s.looks_like(enemy, "imgbf1")) {
            if (auto click = s.click(enemy))
                return *click;
        }
    }
    return Intent::look_again();
}

namespace {

constexpr double trap_margin = 30;

bool near_a_trap(Sight const& s, char const* grawn)
{
    auto const& g = s.control(grawn)->rect();
    for (int n = 1; n <= 4; ++n) {
        auto const& trap = s.control("imgtrap" + std::to_string(n))->rect();
        bool const across = g.left < trap.left + trap.width + trap_margin && trap.left < g.left + g.width + trap_margin;
        bool const along = g.top < trap.top + trap.height && trap.top < g.top + g.height;
        if (across && along)
            return true;
    }
    return false;
}

}

Intent play_frmw3l2(Sight const& s, Notes&, Wishes const&)
{
    // The sheep and Grawn 3 show themselves for a tenth of a second or so: the player lies in
    // wait. A click only goes where the sheep or the Grawn is on top, never on a trap.
    if (auto click = s.click("imgsheep1", Button::right))
        return click->at_once();
    if (!s.looks_like("imggrawn3", "imgbf")) {
        if (auto click = s.click("imggrawn3"))
            return click->at_once();
    }
    // The other two run along rows with traps on them: shot the moment they are well away from
    // a trap, so that a shot that comes late and misses hits nothing.
    for (auto const* grawn : { "imggrawn1", "imggrawn2" }) {
        if (!s.looks_like(grawn, "imgbf") && !near_a_trap(s, grawn)) {
            if (auto click = s.click(grawn))
                return click->at_once();
        }
    }
    return Intent::look_again();
}

// Springs four traps, a second apart.
Intent lose_frmw3l2(Sight const& s, Notes&, Wishes const&)
{
    for (int n = 1; n <= 4; ++n) {
        auto const trap = "imgtrap" + std::to_string(n);
        if (!s.looks_like(trap, "imgboom")) {
            if (auto click = s.click(trap))
                return click->then_wait(1);
        }
    }
    return Intent::look_again();
}

Intent play_frmw3l3(Sight const& s, Notes&, Wishes const&)
{
    if (s.looks_like("imgboss", "imgbf4"))
        return Intent::look_again(); // destroyed
    // Six animals sink while the Mecha Grawn is away: all saved in one sweep.
    for (auto const* animal : { "imgpig1", "imgsheep1", "imgcow1", "imgpig2", "imgsheep2", "imgcow2" }) {
        if (auto click = s.click(animal, Button::right))
            return *click;
    }
    if (auto click = s.click("imgboss"))
        return *click;
    return Intent::look_again();
}

Intent play_frmw3l42(Sight const& s, Notes&, Wishes const&)
{
    // Blowing into the sail from "Go!" on, as fast as a good player clicks.
    if (s.caption("Label2") == "Go!") {
        if (auto click = s.click("Image3"))
            return click->at_once().then_wait(0.1);
    }
    return Intent::look_again();
}

}
