// The credits roll: the pages and their timing.
#include "scenes/frmcredits.hpp"

#include <array>
#include <initializer_list>
#include <vector>

namespace scenes {

namespace {

struct Page {
    char const* heading;
    std::vector<char const*> entries;
};

std::vector<Page> const& pages()
{
    static std::vector<Page> const all {
        { "Grawn 2 Credits", {} },
        { "Programmed By", { "Jordan Pell" } },
        { "Art Director", { "Casey Pell" } },
        { "Additional Art", { "Morgan Reyes", "Sam Whitfield" } },
        { "Story By", { "Jordan Pell", "Casey Pell" } },
        { "Starring Roles", { "Revoda The Pig", "Wool The Sheep", "Spots The Cow", "Grandpa Pell as Farmer Ruv" } },
        { "Starring Roles", { "Pell as himself" } },
        { "Beta Testers", { "Alex Moreno", "Robin Hale", "Taylor Quinn", "Jamie Brooks" } },
        { "Beta Testers", { "Chris Lang", "Pat Dunmore", "Lee Carver", "Dana Frost" } },
        { "Music and Sound Effects", { "The Tune Barn web site", "The MIDI Meadow web site", "Intro tune: \"Hoofclatter March\"" } },
        { "Specail Thanks To", { "Our families", "Everyone who played Grawn", "The farmers down the road", "Pell the Dog" } },
        { "Official Website", { "www.pellentertainment.net" } },
        { "Email The Developers", { "grawn2@pellentertainment.net" } },
        { "Pell Entertainment", { "Jordan Pell", "Casey Pell" } },
        { "(c) Pell Entertainment", { "A Small Division of", "Pell Incorporated" } },
        { "No Grawns Were Harmed During", { "The Making of this game...", "Yeah Right." } },
        { "Grawn Will Return", {} },
    };
    return all;
}

// The page after which no howl sounds before the end.
constexpr char const* last_before_the_end = "Grawn Will Return";
constexpr int final_shots = 5;

}

frmcredits::frmcredits(Runtime& runtime)
    : Screen(runtime, "frmcredits", { .caption = "Grawn 2", .width = 500, .height = 398, .back = { 255, 255, 255 } })
{
    credits.on_tick = [this] { credits_Timer(); };
}

void frmcredits::Form_Load() { PlayMusic("\\CREDITS.mid"); }

void frmcredits::Form_Unload() { StopMusic("\\CREDITS.mid"); }

// The whole roll runs in the first tick.
void frmcredits::credits_Timer()
{
    std::array<Label*, 4> const lines { &Label2, &Label3, &Label4, &Label5 };
    for (auto const& page : pages()) {
        Pause(2);
        Label1.set_caption(page.heading);
        PlayGunDead();
        for (std::size_t i = 0; i < page.entries.size(); ++i) {
            Pause(1);
            PlayGunDead();
            lines.at(i)->set_caption(page.entries[i]);
        }
        Pause(3);
        if (std::string_view(page.heading) != last_before_the_end)
            PlayHowl();
        Label1.set_caption({});
        for (std::size_t i = 0; i < page.entries.size(); ++i)
            lines.at(i)->set_caption({});
    }
    Pause(2);
    Label1.set_caption("The End");
    PlayGunDead();
    for (int shot = 0; shot < final_shots; ++shot) {
        Pause(1);
        PlayGunDead();
    }
    PlayHowl();
    credits.disable();
}

}
