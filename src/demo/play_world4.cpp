// World 4: the twenty robbers, the Big Bad Grawn, Raved and the magnet game.
#include "demo/plays.hpp"

#include <cmath>
#include <cstdio>
#include <string>

namespace demo {

Intent play_frmw4l1(Sight const& s, Notes&, Wishes const&)
{
    for (int n = 1; n <= 20; ++n) {
        char name[24];
        std::snprintf(name, sizeof name, "imgrob%02d", n);
        if (s.shown(name) && !s.looks_like(name, "imgbf1")) {
            if (auto click = s.click(name))
                return *click;
        }
    }
    return Intent::look_again();
}

Intent play_frmw4l2(Sight const& s, Notes&, Wishes const&)
{
    if (s.looks_like("boss", "imgbossf4"))
        return Intent::look_again(); // destroyed
    for (auto const* animal : { "imgpig1", "imgsheep1", "imgcow1" }) {
        if (auto click = s.click(animal, Button::right))
            return *click;
    }
    // The Grawn that bites once a pass.
    if (auto click = s.click("imggrawn1"))
        return *click;
    // Its shields are down only while the countdown to its cannon shows.
    if (s.shown("lbltime")) {
        if (auto click = s.click("boss"))
            return *click;
    }
    return Intent::look_again();
}

namespace {

// The fires under the four hostages.
constexpr char const* fires[] = { "fire1", "fire2", "fire3", "fire4" };
// Raved's points in his first two shapes; the player counts its own shots against them.
constexpr int first_shape_points = 100;
constexpr int second_shape_points = 50;

// A fire beaten back to the ground: the first one takes a double click.
std::optional<Intent> beat(Sight const& s, char const* fire)
{
    if (fire == fires[0])
        return s.double_click(fire);
    return s.click(fire);
}

// The highest of the shown fires above `line`, beaten down.
std::optional<Intent> beat_fire(Sight const& s, double line)
{
    char const* highest = nullptr;
    for (auto const* fire : fires) {
        if (s.shown(fire) && s.top(fire) < line && (!highest || s.top(fire) < s.top(highest)))
            highest = fire;
    }
    if (!highest)
        return {};
    return beat(s, highest);
}

}

Intent play_frmw4l3(Sight const& s, Notes& notes, Wishes const&)
{
    bool const big = s.looks_like("raved", "bigsheep");
    int const shots = notes.clicks["raved"];
    if (s.shown("Label2")) {
        // The last ten seconds: the big sheep stands still, unless it had already left the
        // screen and set the fires going.
        if (auto beaten = beat_fire(s, s.form().scale_height()))
            return *beaten;
        if (auto click = s.click("raved"))
            return *click;
        return Intent::look_again();
    }
    if (!big) {
        // The fires rise under the hostages all the while. Before the last three shots of this
        // shape each is beaten down once more, since they come back at the height they had.
        if (shots >= first_shape_points - 3) {
            if (notes.text != "last sweep") {
                notes.text = "last sweep";
                for (auto const* fire : fires)
                    notes.judged[fire] = notes.clicks[fire];
            }
            for (auto const* fire : fires) {
                if (notes.clicks[fire] == notes.judged[fire])
                    return beat(s, fire).value_or(Intent::look_again());
            }
        } else if (auto beaten = beat_fire(s, 230)) {
            return *beaten;
        }
    } else if (auto beaten = beat_fire(s, s.form().scale_height())) {
        // The big sheep is away and has set all four fires going.
        return *beaten;
    } else if (shots >= first_shape_points + second_shape_points - 5 && s.left("raved") > 100) {
        // Its last shot opens a box while it goes on crossing: taken as it comes in, so that it
        // stops on the screen, not past its edge with the fires going.
        return Intent::look_again();
    }
    if (auto click = s.click("raved"))
        return *click;
    return Intent::look_again();
}

Intent play_frmw4l5(Sight const& s, Notes&, Wishes const&)
{
    // Holding the sheep: its countdown shows; lift it before the claws let go.
    if (s.shown("lblcount")) {
        if (auto click = s.click("imgclick"))
            return click->at_once().then_wait(0.1);
        return Intent::look_again();
    }
    // The magnet stays where it hangs; the space bar drops it as the sheep runs under it. The
    // magnet catches while the sheep's left edge is up to 13 pixels short of its own, and the
    // sheep runs right: pressed early in that stretch, a late key still catches.
    double const sheep = s.left("sheep");
    double const magnet = s.left("magnet");
    if (sheep >= magnet - 13 && sheep <= magnet - 9)
        return s.key(keys::space).at_once().then_wait(0.3);
    return Intent::look_again(0.025);
}

// Four drops far from the sheep.
Intent lose_frmw4l5(Sight const& s, Notes&, Wishes const&)
{
    if (s.shown("lblcount") || std::abs(s.left("sheep") - s.left("magnet")) < 60)
        return Intent::look_again();
    return s.key(keys::space).then_wait(1);
}

}
