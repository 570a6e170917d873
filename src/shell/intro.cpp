// The title screen's opening sequence, menu and play clock.
#include "shell/intro.hpp"

#include "shell/cheat_codes.hpp"

#include "art/farm_animals.hpp"
#include "art/grawn.hpp"
#include "art/robber.hpp"
#include "art/title.hpp"

#include <array>

namespace shell {

namespace {

// A counter holds at most this much; the play clock stops counting there and the game goes on.
constexpr int counter_limit = 65535;

}

intro::intro(Runtime& runtime)
    : Screen(runtime, "intro", { .caption = "Grawn 2: Hoofclatter", .width = 312, .height = 213, .back = { 0, 128, 0 } })
{
    Image1(0).set_picture(make_picture("Image1(0)", art::presenter_icon(art::PresenterIcon::bell)));
    Image1(1).set_picture(make_picture("Image1(1)", art::presenter_icon(art::PresenterIcon::reel)));
    Image2.set_picture(make_picture("Image2", art::title_sign()));
    imgcow1.set_picture(make_picture("imgcow1", art::cow(art::Facing::left)));
    imgpig1.set_picture(make_picture("imgpig1", art::pig(art::Facing::left)));
    imgsheep1.set_picture(make_picture("imgsheep1", art::sheep(art::Facing::left)));
    imggrawn1.set_picture(make_picture("imggrawn1", art::grawn(art::Facing::left)));
    imgrob1.set_picture(make_picture("imgrob1", art::robber(art::Facing::left)));

    Timer2.on_tick = [this] { Timer2_Timer(); };
    Label2.on_click = [this] { Label2_Click(); };
    Timer3.on_tick = [this] { Timer3_Timer(); };
    Timer4.on_tick = [this] { Timer4_Timer(); };
    Command1.on_click = [this] { Command1_Click(); };
    Command2.on_click = [this] { Command2_Click(); };
    Command4.on_click = [this] { Command4_Click(); };
    timecount.on_tick = [this] { timecount_Timer(); };
}

std::string intro::story_page(int page)
{
    static std::array<char const*, 4> const pages {
        "It's been 6 months since the originail problem with the grawns and thieves.  Farmer Ruv and his animals have been happy, and you've been sitting up in heaven having a blast of a time...",
        "But the thieves have resurfaced, and have a vengance for you and the farm animals.  They have also come up with a machine to bring back the grawns from the dead...",
        "Killing the grawns in the mortal world would be pointless, as the bandits could easily bring them back.  Also, you can not attack the machine directly, because the grawns would get the farm animals.",
        "So, you must travel to Hell to destroy most of the grawns once and for all!",
    };
    return pages.at(page);
}

Rect intro::bullet_at(int index)
{
    static std::array<std::pair<double, double>, 4> const places { { { 48, 64 }, { 72, 80 }, { 104, 56 }, { 136, 88 } } };
    return { places.at(index).first, places.at(index).second, 17, 17 };
}

void intro::Form_Load() { PlayIntroMusic(); }

void intro::Form_Unload() { StopMusic("\\INTRO.mid"); }

void intro::Timer2_Timer()
{
    Label5.hide();
    Label4.hide();
    Timer2.disable();
    Image1(0).hide();
    Image1(1).hide();
}

void intro::Label2_Click()
{
    Timer1.set_interval(Timer1.interval() + 1);
    int const page = Timer1.interval();
    if (page >= 1 && page <= 3) {
        Label1.set_caption(story_page(page));
    } else if (page == 4) {
        Label2.hide();
        Label1.hide();
        Label3.show();
        Command1.show();
        Command2.show();
        Command3.show();
        Command4.show();
        Image2.show();
        Timer3.enable();
    }
}

void intro::Timer3_Timer()
{
    bullet(0).show();
    PlaySound("\\gundead.wav");
    Pause(1);
    for (int shot = 1; shot <= 3; ++shot) {
        PlaySound("\\gundead.wav");
        bullet(shot).show();
        Pause(1);
    }
    Timer3.disable();
    PlayMusic("\\INTRO.mid");
    Timer4.enable();
    PlaySound("\\cow.wav");
    imgcow1.show();
    Command1.enable();
    Command2.enable();
    Command4.enable();
    Command3.disable();
}

void intro::Timer4_Timer()
{
    struct Walker {
        Sprite& sprite;
        Sprite* next;
        char const* next_sound;
    };
    std::array<Walker, 5> const parade { {
        { imgcow1, &imgpig1, "\\pig.wav" },
        { imgpig1, &imgsheep1, "\\sheep.wav" },
        { imgsheep1, &imggrawn1, "\\grawn.wav" },
        { imggrawn1, &imgrob1, "\\thief.wav" },
        { imgrob1, nullptr, nullptr },
    } };
    for (auto const& walker : parade) {
        if (walker.sprite.visible())
            walker.sprite.set_left(walker.sprite.left() - 15);
        if (walker.sprite.left() + walker.sprite.width() <= 0 && walker.sprite.visible()) {
            walker.sprite.hide();
            if (walker.next) {
                walker.next->show();
                PlaySound(walker.next_sound);
            } else {
                Timer4.disable();
            }
        }
    }
}

void intro::Command1_Click()
{
    // The parade stops where it stands before the first level's briefing opens: left running
    // under the box, the hidden title screen would go on playing its animals' calls.
    Timer3.disable();
    Timer4.disable();
    hide();
    timecount.enable();
    show_screen("frmw1l1");
    StopMusic("\\INTRO.mid");
    PlayMusic("\\W1L1.mid");
}

void intro::Command2_Click() { unload(); }

void intro::Command4_Click()
{
    auto const text = InputBox("Enter your cheat here.  To get cheats, guess them, or beat a world/or the game.  News and hints are posted on the Pell Entertainment web site.",
        "Enter Cheater");
    // Anything else, Cancel included, is ignored: the menu stays as it was.
    auto const cheat = find_cheat(text);
    if (!cheat)
        return;
    if (cheat->order == CheatOrder::joke) {
        MsgBox(std::string(cheat->message), MsgIcon::information, "Grawn 2");
        return;
    }
    // A jump leaves the title screen for good, as Start does: its tune and parade stop, and the
    // target screen starts its own tune.
    auto const leave = [this] {
        StopMusic("\\INTRO.mid");
        Timer3.disable();
        Timer4.disable();
    };
    switch (cheat->order) {
    case CheatOrder::hide_then_show:
        MsgBox(std::string(cheat->message));
        hide();
        leave();
        show_screen(cheat->target);
        break;
    case CheatOrder::show_then_hide:
        MsgBox(std::string(cheat->message));
        leave();
        show_screen(cheat->target);
        hide();
        if (cheat->clock == PlayClock::started)
            timecount.enable();
        break;
    case CheatOrder::mark_then_hide:
        bonusbags.set_interval(cheat->bonusbags);
        MsgBox(std::string(cheat->message));
        leave();
        hide();
        show_screen(cheat->target);
        return;
    case CheatOrder::joke:
        return;
    }
    bonusbags.set_interval(cheat->bonusbags);
}

void intro::timecount_Timer()
{
    if (bigtime.interval() < counter_limit)
        bigtime.set_interval(bigtime.interval() + 1);
}

}
