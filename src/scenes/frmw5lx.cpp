// The tally: the counts read from the title screen, the verdict and the way on.
#include "scenes/frmw5lx.hpp"

#include "art/farm_animals.hpp"
#include "art/trophy.hpp"

#include <string>

namespace scenes {

namespace {

// A cheat code sets the bonus count to 20; bonus games won after it only add to that.
constexpr int cheated = 20;
constexpr int all_bonus_games = 4;

}

frmw5lx::frmw5lx(Runtime& runtime)
    : Screen(runtime, "frmw5lx", { .caption = "Grawn 2", .width = 504, .height = 376, .back = { 0, 255, 255 } })
{
    Image1.set_picture(make_picture("Image1", art::tally_picture()));
    auto const pig_picture = make_picture("pig(0)", art::pig(art::Facing::right));
    for (auto& p : pig)
        p->set_picture(pig_picture);
    auto const sheep_picture = make_picture("sheep(0)", art::sheep(art::Facing::right));
    for (auto& s : sheep)
        s->set_picture(sheep_picture);
    auto const cow_picture = make_picture("cow(0)", art::cow(art::Facing::left));
    for (auto& c : cow)
        c->set_picture(cow_picture);
    cmdnext.on_click = [this] { cmdnext_Click(); };
    cmdend.on_click = [this] { cmdend_Click(); };
}

void frmw5lx::Form_Load()
{
    auto const counters = progress();
    int const bonus = counters.bonusbags.interval();
    lblbonus.set_caption(std::to_string(bonus));
    lbltime.set_caption(std::to_string(counters.bigtime.interval()));
    // A cheated run stays marked even when bonus games were won after the cheat.
    if (bonus >= cheated)
        lblbonus.set_caption("X");
    if (counters.bigtime.interval() == 0)
        lbltime.set_caption("X");
}

void frmw5lx::cmdnext_Click()
{
    Label6.show();
    for (Label* label : { &lblbonus, &lbltime, &Label1, &Label2, &Label3, &Label4, &Label5 })
        label->hide();
    cmdnext.hide();
    cmdend.show();
    if (lblbonus.caption() == "X")
        Label6.set_caption("Sorry, since you cheated, you are not deemed eligible to get the bonus.  However, if you go back, and beat the game (beating all of the bonus levels as well) you'll be able to get that bonus!");
    if (lblbonus.caption() == std::to_string(all_bonus_games))
        Label6.set_caption("Congratulations!  You get the bonus:  a secret level!  Win this level and you'll get the true ending to Grawn 2!");
}

// All four bonus games open the secret level; any other count, the credits.
void frmw5lx::cmdend_Click()
{
    show_screen(lblbonus.caption() == std::to_string(all_bonus_games) ? "frmw5l1" : "frmcredits2");
    hide();
}

}
