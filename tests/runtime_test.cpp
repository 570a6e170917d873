// The forms runtime on the virtual clock: timers, pauses, nested loops, dialogs, input routing.
#include "platform/control_array.hpp"
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/timer.hpp"
#include "support/script_run.hpp"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::run;

namespace {

// A small form whose handlers tests fill in; every handler may trace what it saw.
class Playground : public Form {
public:
    explicit Playground(Runtime& runtime, std::string name = "play")
        : Form(runtime, std::move(name), { "Playground", 200, 100, colors::white })
    {
        go.on_click = [this] { if (on_go) on_go(); };
        other.on_click = [this] { trace("other clicked"); };
        ticker.on_tick = [this] { if (on_ticker) on_ticker(); };
        slow.on_tick = [this] { if (on_slow) on_slow(); };
    }

    void Form_Load() override
    {
        if (on_load)
            on_load();
    }
    void Form_Unload() override { trace("unloading"); }
    void Form_KeyDown(int key, int shift) override { trace("keydown " + std::to_string(key) + " " + std::to_string(shift)); }
    void Form_KeyUp(int key, int shift) override { trace("keyup " + std::to_string(key) + " " + std::to_string(shift)); }

    void trace(std::string const& line) { runtime().trace(line); }

    Sprite back { *this, "back", { 0, 0, 200, 100 } };
    Button go { *this, "go", { 10, 10, 40, 20 }, "Go" };
    Button other { *this, "other", { 60, 10, 40, 20 }, "Other" };
    Timer ticker { *this, "ticker", 25, Switch::off };
    Timer slow { *this, "slow", 100, Switch::off };
    Timer counter { *this, "counter", 0, Switch::on };

    std::function<void()> on_load;
    std::function<void()> on_go;
    std::function<void()> on_ticker;
    std::function<void()> on_slow;
};

// Builds a game of one Playground that a test configures before it is shown.
HeadlessGame game_of(std::function<void(Playground&)> configure, double time_of_day = 0)
{
    HeadlessGame game;
    game.install = [configure](Runtime& runtime) {
        runtime.set_form_factory(
            [configure](Runtime& rt, std::string_view name) -> std::unique_ptr<Form> {
                if (name != "play")
                    return nullptr;
                auto form = std::make_unique<Playground>(rt);
                configure(*form);
                return form;
            },
            { "play" });
    };
    game.start = [](Runtime& runtime) { runtime.show_form("play"); };
    game.start_time_of_day = time_of_day;
    return game;
}

}

TEST(Pause, TimersKeepTickingFortyTimesInOneSecond)
{
    int ticks = 0;
    auto result = run("click play.go\nwait 2\n", game_of([&](Playground& f) {
        f.on_ticker = [&] { ++ticks; };
        f.on_go = [&f, &ticks] {
            f.ticker.enable();
            f.runtime().pause(1.0);
            f.trace("paused with " + std::to_string(ticks) + " ticks");
            f.ticker.disable();
        };
    }));
    EXPECT_EQ(result.exit_code, 0) << result.errors;
    EXPECT_TRUE(result.has("1000 paused with 40 ticks")) << result.transcript;
}

TEST(Pause, EndsOnTimeAcrossMidnight)
{
    auto result = run("click play.go\nwait 3\n", game_of(
                                                      [](Playground& f) {
                                                          f.on_go = [&f] {
                                                              f.runtime().pause(1.0);
                                                              f.trace("awake at time of day " + format_number(f.runtime().clock().time_of_day()));
                                                          };
                                                      },
                                                      86399.5));
    EXPECT_TRUE(result.has("1000 awake at time of day 0.5")) << result.transcript;
}

TEST(Timers, HandlerIsNotReenteredAndOverdueTickComesOnce)
{
    auto result = run("click play.go\nwait 0.18\n", game_of([](Playground& f) {
        f.on_go = [&f] { f.ticker.enable(); };
        f.on_ticker = [&f, first = true]() mutable {
            f.trace("tick");
            if (std::exchange(first, false))
                f.runtime().pause(0.1);
        };
    }));
    std::vector<std::string> expected { "0 show play", "25 tick", "125 tick", "150 tick", "175 tick", "180 script-end" };
    auto lines = result.lines();
    lines.erase(lines.begin()); // "0 load play"
    EXPECT_EQ(lines, expected) << result.transcript;
}

TEST(Timers, ScheduleFollowsEnableAndIntervalChanges)
{
    auto result = run("click play.go\nwait 0.5\n", game_of([](Playground& f) {
        f.on_go = [&f] {
            f.slow.enable();
            f.ticker.set_interval(50); // off: only stores the value
        };
        f.on_slow = [&f, n = 0]() mutable {
            f.trace("slow " + std::to_string(++n));
            if (n == 1) {
                f.slow.enable(); // already on: the grid is kept
                f.ticker.enable();
            }
            if (n == 2)
                f.slow.set_interval(150); // restarts the countdown from now (200)
        };
        f.on_ticker = [&f, n = 0]() mutable {
            f.trace("ticker");
            if (++n == 2)
                f.ticker.disable();
        };
    }));
    for (auto const* line : { "100 slow 1", "150 ticker", "200 slow 2", "200 ticker", "350 slow 3" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
    EXPECT_FALSE(result.has("250 ticker")) << result.transcript;
}

TEST(Timers, TiesGoInCreationOrderAndZeroIntervalNeverTicks)
{
    auto result = run("click play.go\nwait 0.2\n", game_of([](Playground& f) {
        f.on_go = [&f] {
            f.slow.set_interval(50);
            f.slow.enable();
            f.ticker.set_interval(50);
            f.ticker.enable();
            f.counter.set_interval(-7); // counters hold any number and never tick
        };
        f.on_ticker = [&f] { f.trace("ticker"); };
        f.on_slow = [&f] { f.trace("slow"); };
        f.counter.on_tick = [&f] { f.trace("counter ticked"); };
    }));
    auto lines = result.lines();
    auto first_ticker = std::find(lines.begin(), lines.end(), "50 ticker");
    auto first_slow = std::find(lines.begin(), lines.end(), "50 slow");
    ASSERT_NE(first_ticker, lines.end());
    ASSERT_NE(first_slow, lines.end());
    EXPECT_LT(first_ticker, first_slow) << "ticker was created first";
    EXPECT_EQ(result.transcript.find("counter ticked"), std::string::npos);
}

TEST(Timers, HiddenFormsKeepTicking)
{
    auto result = run("click play.go\nwait 0.06\nprint play.Visible\n", game_of([](Playground& f) {
        f.on_go = [&f] {
            f.hide();
            f.ticker.enable();
        };
        f.on_ticker = [&f] { f.trace("tick"); };
    }));
    EXPECT_TRUE(result.has("50 tick")) << result.transcript;
    EXPECT_TRUE(result.has("60 value play.Visible False"));
}

TEST(Timers, RealClockCoalescesTicksThatFellBehind)
{
    // A clock that jumps as a real one does when the process was held up.
    VirtualClock clock;
    struct Idle : Backend {
        void wait(Runtime&, std::optional<Micros>) override { }
        WindowPlace place_window(Form&) override { return {}; }
    } backend;
    Runtime runtime(clock, backend);
    auto& form = static_cast<Playground&>(runtime.adopt(std::make_unique<Playground>(runtime)));
    int ticks = 0;
    form.on_ticker = [&] { ++ticks; };
    form.ticker.enable();
    clock.advance_by(1'000'000);
    runtime.do_events();
    runtime.do_events();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(form.ticker.next_due(), 1'025'000);
}

TEST(Timers, ATimerEnabledInALateTickJoinsThatTicksGrid)
{
    // A real clock that the test moves: every tick is found a few milliseconds after its due time.
    struct LateClock : Clock {
        ClockKind kind() const override { return ClockKind::real; }
        Micros now() const override { return at; }
        double time_of_day() const override { return 0; }
        Micros at = 0;
    } clock;
    struct Idle : Backend {
        void wait(Runtime&, std::optional<Micros>) override { }
        WindowPlace place_window(Form&) override { return {}; }
    } backend;
    Runtime runtime(clock, backend);
    auto& form = static_cast<Playground&>(runtime.adopt(std::make_unique<Playground>(runtime)));
    form.on_slow = [&] {
        clock.at += 1'500; // the handler itself takes time too
        form.ticker.enable();
        form.slow.disable();
    };
    form.slow.enable();
    clock.at = 100'000 + 7'000;
    runtime.do_events();
    // The mover started inside the 100 ms tick ticks on the 25 ms grid of that tick's due time,
    // in step with every other mover, not 8.5 ms behind it.
    EXPECT_EQ(form.ticker.next_due(), 125'000);
    int ticks = 0;
    form.on_ticker = [&] { ++ticks; };
    clock.at = 125'000 + 3'000;
    runtime.do_events();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(form.ticker.next_due(), 150'000);
}

TEST(Dialogs, TimersTickUnderABoxWhileClicksAreIgnored)
{
    auto result = run("click play.go\nwait 0.05\nclick play.other\nkey play 37\nok\nclick play.other\n", game_of([](Playground& f) {
        f.ticker.enable();
        f.on_ticker = [&f] { f.trace("tick"); };
        f.on_go = [&f] {
            f.runtime().msgbox(&f, "Hello \"there\"", MsgIcon::exclamation);
            f.trace("box gone");
            f.ticker.disable();
        };
    }));
    for (auto const* line : { "0 msgbox exclamation \"Grawn 2\" \"Hello \\\"there\\\"\"", "25 tick", "50 tick", "50 ignored 3 a modal box is open",
             "50 ignored 4 a modal box is open", "50 closed", "50 box gone", "50 other clicked" })
        EXPECT_TRUE(result.has(line)) << line << "\n" << result.transcript;
}

TEST(Dialogs, InputBoxReturnsTypedTextOrNothingOnCancel)
{
    auto result = run("click play.go\ntype   two  spaces \nok\nwait 1\nclick play.go\ntype ignored\ncancel\nok\n", game_of([](Playground& f) {
        f.on_go = [&f] { f.trace("got " + quote(f.runtime().inputbox(&f, "Enter", "Ask", ""))); };
    }));
    EXPECT_TRUE(result.has("0 inputbox \"Ask\" \"Enter\""));
    EXPECT_TRUE(result.has("0 closed \"  two  spaces \"")) << result.transcript;
    EXPECT_TRUE(result.has("0 got \"  two  spaces \""));
    EXPECT_TRUE(result.has("1000 closed \"\""));
    EXPECT_TRUE(result.has("1000 got \"\""));
    EXPECT_TRUE(result.has("1000 ignored 8 no box is open"));
}

TEST(Dialogs, HidingTheOwnerClosesItsBox)
{
    auto result = run("click play.go\nwait 1\n", game_of([](Playground& f) {
        f.on_go = [&f] {
            f.slow.enable();
            f.runtime().msgbox(&f, "Wait", MsgIcon::information, "Title");
            f.trace("handler resumed");
        };
        f.on_slow = [&f] {
            f.slow.disable();
            f.hide();
        };
    }));
    EXPECT_TRUE(result.has("100 hide play"));
    EXPECT_TRUE(result.has("100 closed"));
    EXPECT_TRUE(result.has("100 handler resumed")) << result.transcript;
}

TEST(Ending, FromThreeNestedLoopsNothingElseRuns)
{
    auto result = run("click play.go\nwait 5\n", game_of([](Playground& f) {
        f.on_go = [&f] {
            f.ticker.enable();
            f.runtime().pause(2); // loop 2
            f.trace("after pause");
        };
        f.on_ticker = [&f] {
            f.ticker.disable();
            f.slow.enable();
            f.runtime().msgbox(&f, "Nested", MsgIcon::none); // loop 3
            f.trace("after box");
        };
        f.on_slow = [&f] {
            f.trace("depth " + std::to_string(f.runtime().loop_depth()));
            f.unload();
        };
    }));
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_TRUE(result.has("125 depth 3")) << result.transcript;
    EXPECT_TRUE(result.has("125 unload play"));
    EXPECT_TRUE(result.has("125 unloading"));
    EXPECT_TRUE(result.has("125 end"));
    EXPECT_EQ(result.transcript.find("after"), std::string::npos) << result.transcript;
    EXPECT_EQ(result.lines().back(), "125 end");
}

TEST(Forms, HiddenDuringItsLoadIsNeverShown)
{
    auto result = run("print play.Visible\nwait 1\n", game_of([](Playground& f) { f.on_load = [&f] { f.hide(); }; }));
    EXPECT_TRUE(result.has("0 load play"));
    EXPECT_FALSE(result.has("0 show play")) << result.transcript;
    EXPECT_TRUE(result.has("0 value play.Visible False"));
}

TEST(Forms, ClosingAWindowUnloadsItAndEndsTheProgram)
{
    auto result = run("close play\nprint play.Visible\n", game_of([](Playground&) { }));
    auto lines = result.lines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "0 unload play");
    EXPECT_EQ(lines[lines.size() - 2], "0 unloading");
    EXPECT_EQ(lines.back(), "0 end");
}

namespace {

// Overlapping controls for hit tests: everything covers the point (50, 50).
class Stack : public Form {
public:
    explicit Stack(Runtime& runtime)
        : Form(runtime, "stack", { "Stack", 100, 100, colors::white })
    {
        for (Control* c : std::initializer_list<Control*> { &bottom, &top, &hidden, &disabled, &label, &shape, &button, &tiles(0), &tiles(1) })
            c->on_mouse_down = [this, c](MouseEvent const& e) {
                this->runtime().trace(c->display_name() + " down " + std::to_string(e.button));
            };
        hidden.hide();
        disabled.disable();
    }
    Sprite bottom { *this, "bottom", { 0, 0, 100, 100 } };
    Button button { *this, "button", { 40, 0, 20, 20 }, "B" };
    Sprite top { *this, "top", { 30, 30, 40, 40 } };
    Label label { *this, "label", { 0, 80, 100, 20 }, {}, "text" };
    Sprite hidden { *this, "hidden", { 0, 0, 100, 100 } };
    Sprite disabled { *this, "disabled", { 0, 0, 100, 100 } };
    Shape shape { *this, "shape", { 0, 0, 100, 100 }, { ShapeKind::rectangle, FillStyle::solid } };
    ControlArray<Sprite> tiles { *this, "tile", 2, [](int i) { return Rect { 80.0 + 10 * i, 30, 10, 10 }; } };
};

HeadlessGame stack_game()
{
    HeadlessGame game;
    game.install = [](Runtime& runtime) {
        runtime.set_form_factory([](Runtime& rt, std::string_view) -> std::unique_ptr<Form> { return std::make_unique<Stack>(rt); }, { "stack" });
    };
    game.start = [](Runtime& runtime) { runtime.show_form("stack"); };
    return game;
}

}

TEST(Input, TopmostVisibleEnabledControlTakesTheClick)
{
    auto result = run("clickat stack 50 50 right\nclickat stack 10 10\nclickat stack 50 10\nclickat stack 50 90\nclick stack.tile(1)\n"
                      "click stack.hidden\n",
        stack_game());
    EXPECT_TRUE(result.has("0 top down 2")) << result.transcript;
    EXPECT_TRUE(result.has("0 bottom down 1"));
    EXPECT_TRUE(result.has("0 button down 1")) << "buttons lie above pictures";
    EXPECT_TRUE(result.has("0 label down 1"));
    EXPECT_TRUE(result.has("0 tile(1) down 1"));
    EXPECT_EQ(result.transcript.find("hidden down"), std::string::npos);
    EXPECT_EQ(result.transcript.find("disabled down"), std::string::npos);
    EXPECT_EQ(result.transcript.find("shape down"), std::string::npos);
}

TEST(Input, PicturesPairQuickClicksButtonsTakeEveryClick)
{
    // A picture: a second click within 0.5 s is a double click, later it is a click again. A
    // command button has no double click: each click of a quick pair reaches its Click.
    auto result = run("dblclick play.back\nwait 0.6\nclick play.back\nwait 0.1\nclick play.back\n"
                      "dblclick play.go\nwait 0.1\nclick play.go\ndown play.go\nup play.other\nkey play 37 1\n",
        game_of([](Playground& f) {
            f.on_go = [&f] { f.trace("go"); };
            f.go.on_dbl_click = [&f] { f.trace("go twice"); };
            f.back.on_click = [&f] { f.trace("back"); };
            f.back.on_dbl_click = [&f] { f.trace("back twice"); };
        }));
    auto lines = result.lines();
    std::vector<std::string> const expected { "0 back", "0 back twice", "600 back", "700 back twice", "700 go", "700 go", "800 go",
        "800 keydown 37 1", "800 keyup 37 1" };
    lines.erase(std::remove_if(lines.begin(), lines.end(), [](auto const& l) {
        return l.find(" go") == std::string::npos && l.find(" back") == std::string::npos && l.find("key") == std::string::npos;
    }), lines.end());
    EXPECT_EQ(lines, expected) << result.transcript;
}

TEST(Script, ErrorsNameTheFileAndLine)
{
    struct Case {
        char const* script;
        char const* error;
    };
    for (auto const& c : std::initializer_list<Case> {
             { "wait 1\n\n# fine\njump play\n", "test.script:4: unknown command 'jump'\n" },
             { "wait x\n", "test.script:1: expected seconds, got 'x'\n" },
             { "click play\n", "test.script:1: expected FORM.CONTROL, got 'play'\n" },
             { "wait 0\nprint nowhere.Visible\n", "test.script:2: unknown form 'nowhere'\n" },
             { "print play.nothing.Left\n", "test.script:1: form 'play' has no control 'nothing'\n" },
             { "print play.go.Colour\n", "test.script:1: control 'go' has no property 'Colour'\n" },
             { "click play.go right left\n", "test.script:1: usage: click FORM.CONTROL [left|right]\n" },
         }) {
        auto result = run(c.script, game_of([](Playground&) { }));
        EXPECT_EQ(result.exit_code, 2) << c.script;
        EXPECT_EQ(result.errors, c.error) << c.script;
    }
}

TEST(Script, ControlOfAFormNotYetLoadedIsAnError)
{
    HeadlessGame game = game_of([](Playground&) { });
    game.start = {};
    auto result = run("print play.go.Left\n", game);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.errors, "test.script:1: form 'play' is not loaded\n");
}

TEST(Script, TranscriptOfASmallForm)
{
    auto result = run("wait 0.1\nclick play.go\nok\nprint play.go.Caption\nprint play.back.Picture\nprint play.counter.Interval\n"
                      "print play.go.Width\nprint play.Left\nwait 0.0125\nshow play\n",
        game_of([](Playground& f) {
            f.on_load = [&f] { f.runtime().msgbox(&f, "Briefing", MsgIcon::information, "Level"); };
            f.on_go = [&f] {
                f.go.set_caption("Gone");
                f.go.set_width(2.75);
                f.counter.set_interval(-3);
            };
        }));
    std::string const expected = "0 load play\n"
                                 "0 msgbox info \"Level\" \"Briefing\"\n"
                                 "100 ignored 2 a modal box is open\n"
                                 "100 ignored 2 a modal box is open\n"
                                 "100 closed\n"
                                 "100 show play\n"
                                 "100 value play.go.Caption \"Go\"\n"
                                 "100 value play.back.Picture none\n"
                                 "100 value play.counter.Interval 0\n"
                                 "100 value play.go.Width 40\n"
                                 "100 value play.Left 6180\n"
                                 "112 script-end\n";
    EXPECT_EQ(result.transcript, expected);
}

TEST(Forms, ASpriteTakesItsPicturesSizeInTheFormsUnits)
{
    VirtualClock clock;
    struct Idle : Backend {
        void wait(Runtime&, std::optional<Micros>) override { }
        WindowPlace place_window(Form&) override { return {}; }
    } backend;
    Runtime runtime(clock, backend);
    Form& pixels = runtime.adopt(std::make_unique<Form>(runtime, "pixels", FormStyle { .caption = {}, .width = 100, .height = 100 }));
    Form& twips = runtime.adopt(std::make_unique<Form>(runtime, "twips", FormStyle { .caption = {}, .width = 100, .height = 100, .unit = ScaleUnit::twip }));
    auto const picture = make_picture("p", { 35, 34, {} });
    Sprite small { pixels, "small", { 1, 2, 3, 4 } };
    Sprite large { twips, "large", { 15, 30, 45, 60 } };
    Sprite stretched { pixels, "stretched", { 1, 2, 3, 4 }, Visibility::shown, Stretch::yes };
    for (Sprite* sprite : { &small, &large, &stretched })
        sprite->set_picture(picture);
    EXPECT_EQ(small.rect(), (Rect { 1, 2, 35, 34 }));
    EXPECT_EQ(large.rect(), (Rect { 15, 30, 525, 510 }));
    EXPECT_EQ(stretched.rect(), (Rect { 1, 2, 3, 4 }));
    EXPECT_TRUE(large.shows(picture));
}

TEST(Format, NumbersAndQuotes)
{
    EXPECT_EQ(format_number(3), "3");
    EXPECT_EQ(format_number(-12), "-12");
    EXPECT_EQ(format_number(2.5), "2.5");
    EXPECT_EQ(format_number(2.75), "2.75");
    EXPECT_EQ(format_number(1.0 / 3), "0.333");
    EXPECT_EQ(format_number(-0.0001), "0");
    EXPECT_EQ(quote("a\"b\\c\nd"), "\"a\\\"b\\\\c\\nd\"");
}
