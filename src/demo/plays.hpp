// How the demo plays each screen of the chain: one function to win it, one to lose it, looked up
// by the screen's name.
#pragma once

#include "demo/intent.hpp"
#include "demo/sight.hpp"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace demo {

// What the player keeps in mind on one screen; forgotten when the next screen comes.
struct Notes {
    double arrived = 0;             // game time the screen was first seen
    double acted_at = 0;            // game time of the last click or key press on it
    std::map<std::string, int> clicks; // clicks made, by the control they were meant for
    double mark = 0;                // a moment the screen's play wants to remember
    int count = 0;                  // a number the screen's play keeps (presses, drops...)
    std::vector<int> moves;         // keys still to press, in order
    std::string text;               // a caption read earlier
    std::map<std::string, std::vector<std::pair<double, double>>> seen; // where things were, when
    std::map<std::string, double> judged; // what the player made of it (a vehicle's speed)
};

// What the whole run asks of the players of single screens.
struct Wishes {
    std::string cheat; // the code to type at the title screen, or empty to press Start
};

using PlayFn = Intent (*)(Sight const&, Notes&, Wishes const&);

struct Play {
    std::string_view screen;
    PlayFn win = nullptr;
    PlayFn lose = nullptr; // null: the screen cannot be lost
    // How long the player reads this screen's boxes; 0 for the usual pause.
    double box_pause = 0;
};

// The plays, in the order of the chain; null for a screen the demo does not know.
std::vector<Play> const& plays();
Play const* find_play(std::string_view screen);

// The players of the single screens, by world.
Intent play_intro(Sight const&, Notes&, Wishes const&);
Intent play_frmw1l1(Sight const&, Notes&, Wishes const&);
Intent lose_frmw1l1(Sight const&, Notes&, Wishes const&);
Intent play_frmw1l2(Sight const&, Notes&, Wishes const&);
Intent play_frmw1l3(Sight const&, Notes&, Wishes const&);
Intent play_frmw1l4(Sight const&, Notes&, Wishes const&);
Intent play_frmw2l1(Sight const&, Notes&, Wishes const&);
Intent play_frmw2l2(Sight const&, Notes&, Wishes const&);
Intent play_frmw2l3(Sight const&, Notes&, Wishes const&);
Intent play_frmw2l4(Sight const&, Notes&, Wishes const&);
Intent play_frmw3l1(Sight const&, Notes&, Wishes const&);
Intent play_frmw3l2(Sight const&, Notes&, Wishes const&);
Intent lose_frmw3l2(Sight const&, Notes&, Wishes const&);
Intent play_frmw3l3(Sight const&, Notes&, Wishes const&);
Intent play_frmw3l42(Sight const&, Notes&, Wishes const&);
Intent play_frmw4l1(Sight const&, Notes&, Wishes const&);
Intent play_frmw4l2(Sight const&, Notes&, Wishes const&);
Intent play_frmw4l3(Sight const&, Notes&, Wishes const&);
Intent play_frmw4l5(Sight const&, Notes&, Wishes const&);
Intent lose_frmw4l5(Sight const&, Notes&, Wishes const&);
Intent play_frmw5lx(Sight const&, Notes&, Wishes const&);
Intent play_frmw5l1(Sight const&, Notes&, Wishes const&);
Intent lose_frmw5l1(Sight const&, Notes&, Wishes const&);
Intent play_credits(Sight const&, Notes&, Wishes const&);
// A scene, or a screen left to itself: nothing to do but watch (and answer its boxes).
Intent watch(Sight const&, Notes&, Wishes const&);

}
