// The end of the game: the bonus tally, the secret dance level and the credits, which the player
// closes once their last line has stood for a while.
#include "demo/plays.hpp"

#include <sstream>

namespace demo {

namespace {

// Reading time for a page of text before the button that follows it.
constexpr double page_reading_low = 1.5;
constexpr double page_reading_high = 2.5;

std::vector<int> dance_keys(std::string const& caption)
{
    std::vector<int> moves;
    std::istringstream words(caption);
    for (std::string word; words >> word;) {
        if (word == "Up")
            moves.push_back(keys::up);
        else if (word == "Down")
            moves.push_back(keys::down);
        else if (word == "Left")
            moves.push_back(keys::left);
        else if (word == "Right")
            moves.push_back(keys::right);
    }
    return moves;
}

// Remembers the dance while its caption shows; true once it is the player's turn.
bool my_turn(Sight const& s, Notes& notes)
{
    if (s.shown("lbldance")) {
        auto const caption = s.caption("lbldance");
        if (caption != notes.text) {
            notes.text = caption;
            notes.moves = dance_keys(caption);
        }
        return false;
    }
    return !notes.moves.empty();
}

}

Intent play_frmw5lx(Sight const& s, Notes& notes, Wishes const&)
{
    // Each of the two pages is read before its button is pressed.
    for (auto const* button : { "cmdnext", "cmdend" }) {
        if (!s.usable(button))
            continue;
        if (notes.text != button) {
            notes.text = button;
            notes.mark = s.now() + s.pick(page_reading_low, page_reading_high);
        }
        if (s.now() >= notes.mark) {
            if (auto click = s.click(button))
                return *click;
        }
        break;
    }
    return Intent::look_again();
}

Intent play_frmw5l1(Sight const& s, Notes& notes, Wishes const&)
{
    if (!my_turn(s, notes))
        return Intent::look_again();
    int const key = notes.moves.front();
    notes.moves.erase(notes.moves.begin());
    return s.key(key).at_once().then_wait(0.35);
}

// The first move of the dance done wrong.
Intent lose_frmw5l1(Sight const& s, Notes& notes, Wishes const&)
{
    if (!my_turn(s, notes))
        return Intent::look_again();
    int const wrong = notes.moves.front() == keys::up ? keys::down : keys::up;
    notes.moves.clear();
    return s.key(wrong).at_once();
}

Intent play_credits(Sight const& s, Notes& notes, Wishes const&)
{
    // The final credits end on the secret code, the credits roll on "The End"; either is left
    // standing a few seconds before the window is closed.
    bool const last = s.form().name() == "frmcredits2" ? s.shown("Label4") && s.caption("Label4") == "Lantern Key"
                                                        : s.caption("Label1") == "The End";
    if (!last)
        return Intent::look_again(0.25);
    double const where = s.form().name() == "frmcredits2" ? s.top("Label4") : 0;
    if (notes.text != "last" || notes.count != static_cast<int>(where)) {
        notes.text = "last";
        notes.count = static_cast<int>(where);
        notes.mark = s.now() + (s.form().name() == "frmcredits2" ? 3 : 8);
    }
    if (s.now() < notes.mark)
        return Intent::look_again(0.25);
    return s.close().at_once();
}

Intent watch(Sight const&, Notes&, Wishes const&) { return Intent::look_again(0.1); }

}
