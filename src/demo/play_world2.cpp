// World 2: the barnyard bandits, the wood, the re-incarnation machine.
#include "demo/plays.hpp"

#include <string>

namespace demo {

namespace {

bool alive(Sight const& s, std::string const& name, char const* dead_picture) { return !s.looks_like(name, dead_picture); }

// The first robber standing up and still alive.
std::optional<Intent> standing_robber(Sight const& s, int robbers, char const* dead_picture)
{
    for (int n = 1; n <= robbers; ++n) {
        auto const name = "imgrob" + std::to_string(n);
        if (s.shown(name) && alive(s, name, dead_picture)) {
            if (auto click = s.click(name))
                return click;
        }
    }
    return {};
}

}

Intent play_frmw2l1(Sight const& s, Notes&, Wishes const&)
{
    // The cow peeks out for a quarter of a second every five.
    if (auto click = s.click("imgcow1", Button::right))
        return click->at_once();
    if (auto click = standing_robber(s, 2, "imgbf"))
        return *click;
    if (alive(s, "imggrawn1", "imgbf")) {
        if (auto click = s.click("imggrawn1"))
            return *click;
    }
    if (auto click = s.click("imgpig1", Button::right))
        return *click;
    return Intent::look_again();
}

Intent play_frmw2l2(Sight const& s, Notes&, Wishes const&)
{
    // The Grawn shows itself for a tenth of a second every five.
    if (alive(s, "imggrawn1", "imgbf")) {
        if (auto click = s.click("imggrawn1"))
            return click->at_once();
    }
    if (auto click = standing_robber(s, 4, "imgbf"))
        return *click;
    if (auto click = s.click("imgpig1", Button::right))
        return *click;
    return Intent::look_again();
}

Intent play_frmw2l3(Sight const& s, Notes&, Wishes const&)
{
    if (s.looks_like("imgboss", "imgbf3"))
        return Intent::look_again();
    // While the machine is away its two robbers run and shoot; both down brings it back.
    if (auto click = standing_robber(s, 2, "imgbf"))
        return *click;
    if (auto click = s.click("imgboss"))
        return *click;
    return Intent::look_again();
}

}
