// The final credits: the large pages, then the credit lines, each climbing from the bottom band to
// the top one, slowing in the middle of the screen so it can be read.
#include "scenes/frmcredits2.hpp"

#include <array>

namespace scenes {

namespace {

constexpr char const* director = "Jon Pell";

// A credit line: the role on the left, the entry on the right; a role or entry left out keeps the
// one of the line before.
struct CreditLine {
    char const* role = nullptr;
    char const* entry = nullptr;
};

constexpr char const* beta = "Beta Testing:";
constexpr char const* programs = "Programs Used:";
constexpr char const* websites = "Websites That Deserve Credit:";
constexpr char const* thanks = "Special Thanks:";

// By the number of the line; line 0 stands at load, and the line after the last ends the credits.
constexpr std::array<CreditLine, 62> credit_lines { {
    { "Additionail Artwork:", "Rosa Delgado" },
    { nullptr, "Tim Hargrove" },
    { "Voice Talent:", "Jon Pell" },
    { "Voice Talent:", "Becky Lindqvist" },
    { "Sound Effects:", "www.barnyardwavs.net" },
    { "Midi Backrounds:", "www.midifarm.net" },
    { "Midi Backrounds:", "www.tunetrough.com" },
    { "Level Design:", "Jon Pell" },
    { "Grawn Icon:", "IconCrafter 98" },
    { beta, "Becky Lindqvist" },
    { beta, "Sam Okafor" },
    { beta, "Dave \"Hoof\" Miller" },
    { beta, "Tim Hargrove" },
    { beta, "Lucy Pell" },
    { beta, "Marco Rinaldi" },
    { beta, "Katie Brooks" },
    { "Programming Assistance:", "www.codehayloft.com" },
    { programs, "GCC" },
    { programs, "CMake" },
    { programs, "SDL 2" },
    { programs, "cairo" },
    { programs, "FluidSynth" },
    { programs, "eSpeak NG" },
    { programs, "GoogleTest" },
    { programs, "Xvfb" },
    { websites, "www.grawnfans.net" },
    { websites, "www.pigpen-games.com" },
    { websites, "www.freshmidis.org" },
    { websites, "www.gamehayride.com" },
    { websites, "www.cluckcluck.net" },
    { websites, "www.shareware-silo.com" },
    { websites, "www.pixelbarn.org" },
    { thanks, "Farmer Ruv" },
    { thanks, "Mom and Dad" },
    { thanks, "Grandma Pell" },
    { thanks, "Mr. Hadley's Class" },
    { thanks, "The Grawn 1 Fans" },
    { thanks, "Everyone Who Wrote In" },
    { thanks, "The Pig Cam Crew" },
    { thanks, "Our Beta Testers" },
    { thanks, "Rosa's Sketchbook" },
    { thanks, "Pizza Night Fridays" },
    {},
    { thanks, "Caffeine" },
    { thanks, "The Real Cows Next Door" },
    { thanks, "Sheep Everywhere" },
    { thanks, "The Robbers (no hard feelings)" },
    { thanks, "Tim's Old 486" },
    { thanks, "The Grawn Message Board" },
    { thanks, "Anyone We Forgot" },
    { thanks, "The Letter Z" },
    { thanks, "Snow Days" },
    { thanks, "Bacon (sorry, pigs)" },
    { thanks, "You, for Playing!" },
    { "Very Special Thanks:", "Dingle the Pell Bell" },
    { "Promo Message:", "Grawn Will Return" },
    { "Website:", "www.pellentertainment.net" },
    { "Developped By:", "Pell Entertainment" },
    { "Published By:", "Hayloft Interactive" },
    { "Copyright Pell Ent.", "All Rights Reserved." },
    { "The End!", "" },
    { "Secret Code:", "Lantern Key" },
} };

// Where a line starts and where it is replaced, at the top band.
constexpr double bottom = 286;
constexpr double top_band = 79;
// The slow stretch (Top 195 to 150) and the fast climb on either side of it (Top 175 and more,
// 149 and less) overlap, so between 195 and 175 a line takes both steps in one tick.
constexpr double slow_lowest = 195;
constexpr double slow_highest = 150;
constexpr double fast_lowest = 175;
constexpr double fast_again = 149;
constexpr double fast_step = 8;
constexpr double slow_step = 3;

}

frmcredits2::frmcredits2(Runtime& runtime)
    : Screen(runtime, "frmcredits2", { .caption = "Grawn 2", .width = 411, .height = 381, .back = colors::white })
{
    Label2.set_caption(director);
    Label4.set_caption(credit_lines[0].entry);

    changer.on_tick = [this] { changer_Timer(); };
    changer2.on_tick = [this] { changer2_Timer(); };
}

LabelStyle frmcredits2::page_style()
{
    return { .font = { .face = "Comic Sans MS", .size = 24, .weight = FontWeight::bold }, .back = colors::white, .back_style = BackStyle::opaque,
        .alignment = Alignment::center };
}

LabelStyle frmcredits2::line_style(Alignment alignment)
{
    return { .font = { .face = "Comic Sans MS", .size = 9.75, .weight = FontWeight::bold }, .back = colors::white, .back_style = BackStyle::opaque,
        .alignment = alignment };
}

void frmcredits2::Form_Load() { PlayMusic("\\CREDITS2.mid"); }

void frmcredits2::Form_Unload() { StopMusic("\\CREDITS2.mid"); }

void frmcredits2::page(char const* role, char const* name, void (frmcredits2::*sound)(), double seconds)
{
    Label1.set_caption(role);
    Label2.set_caption(name);
    (this->*sound)();
    Pause(seconds);
}

// The director's page has stood since the load; the other four follow in one run of the timer.
void frmcredits2::changer_Timer()
{
    page("Programmer:", "Jon Pell", &frmcredits2::PlaySheepBaa, 2.5);
    page("Art Director:", "Rosa Delgado", &frmcredits2::PlayMooo, 2.5);
    page("Creator:", "Jon Pell", &frmcredits2::PlayHowl, 2.5);
    page("Creator:", "Tim Hargrove", &frmcredits2::PlaySheepBaa, 1);
    changer.disable();
    changer2.enable();
    Label1.hide();
    Label2.hide();
    Label3.show();
    Label4.show();
}

void frmcredits2::climb(double pixels)
{
    Label3.set_top(Label3.top() - pixels);
    Label4.set_top(Label4.top() - pixels);
}

// Each test reads where the line stands after the step before it: the slow stretch hands over to
// the fast climb within a tick, which makes the line's pace what it is.
void frmcredits2::changer2_Timer()
{
    if (Label3.top() >= slow_highest && Label3.top() <= slow_lowest)
        climb(slow_step);
    if (Label3.top() >= fast_lowest)
        climb(fast_step);
    if (Label3.top() <= fast_again)
        climb(fast_step);
    if (Label3.top() <= top_band)
        next_line();
}

// The line has reached the top band: the next one starts at the bottom. After the secret code
// nothing follows, and its line stays standing there.
void frmcredits2::next_line()
{
    Label3.set_top(bottom);
    Label4.set_top(bottom);
    saywhat.set_interval(saywhat.interval() + 1);
    auto const number = static_cast<std::size_t>(saywhat.interval());
    if (number >= credit_lines.size()) {
        changer2.disable();
        return;
    }
    auto const& line = credit_lines[number];
    if (line.role)
        Label3.set_caption(line.role);
    if (line.entry)
        Label4.set_caption(line.entry);
}

}
