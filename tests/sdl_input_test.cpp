// Player input in real windows (under SDL's dummy video driver): mouse and keys reach the right
// handlers in the form's own units, closing a window unloads its form, and a quit ends the game.
// Also the pure pieces underneath: word wrap, the one-line editor and the key codes.
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/key_map.hpp"
#include "platform/line_edit.hpp"
#include "platform/sdl/sdl_backend.hpp"
#include "platform/sdl/sdl_video.hpp"
#include "platform/sdl/text_layout.hpp"
#include "platform/timer.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform;
using namespace platform::sdl;

namespace {

int one_per_byte(std::string_view text) { return static_cast<int>(text.size()); }

std::vector<std::string> wrap(std::string_view text, int width) { return wrap_text(text, width, one_per_byte); }

using Lines = std::vector<std::string>;

}

TEST(WrapText, BreaksAtSpacesKeepingInnerSpacesAndDroppingThoseAtTheBreak)
{
    EXPECT_EQ(wrap("one two three", 7), (Lines { "one two", "three" }));
    EXPECT_EQ(wrap("one  two", 8), (Lines { "one  two" }));
    EXPECT_EQ(wrap("one  two", 5), (Lines { "one", "two" }));
    EXPECT_EQ(wrap("trailing   ", 8), (Lines { "trailing" }));
    EXPECT_EQ(wrap("", 10), (Lines { "" }));
    EXPECT_EQ(wrap("no wrap at all here", 0), (Lines { "no wrap at all here" }));
}

TEST(WrapText, HonoursLineBreaksAndSplitsWordsTooLongForALine)
{
    EXPECT_EQ(wrap("a\r\nb\n\nc", 10), (Lines { "a", "b", "", "c" }));
    EXPECT_EQ(wrap("abcdefghij x", 4), (Lines { "abcd", "efgh", "ij x" }));
    // Multi-byte characters are never cut in half.
    EXPECT_EQ(wrap("\xC3\xA9\xC3\xA9\xC3\xA9", 4), (Lines { "\xC3\xA9\xC3\xA9", "\xC3\xA9" }));
}

TEST(LineEdit, MovesAndErasesWholeCharacters)
{
    LineEdit edit("a\xE2\x82\xAC" "b", 10);
    EXPECT_EQ(edit.selection(), Selection::all);
    edit.move_left(); // ends the selection at the start
    EXPECT_EQ(edit.caret(), 0u);
    edit.move_right();
    edit.move_right();
    EXPECT_EQ(edit.caret(), 4u);
    edit.backspace();
    EXPECT_EQ(edit.text(), "ab");
    edit.move_home();
    edit.erase_forward();
    EXPECT_EQ(edit.text(), "b");
    edit.insert("x\ty\nz"); // a tab is dropped and a line break ends the paste
    EXPECT_EQ(edit.text(), "xyb");
    EXPECT_EQ(edit.caret(), 2u);
}

TEST(LineEdit, SelectedDefaultIsReplacedOrErasedAsAWhole)
{
    LineEdit typed_over("default", 255);
    typed_over.insert("n");
    EXPECT_EQ(typed_over.text(), "n");
    LineEdit erased("default", 255);
    erased.erase_forward();
    EXPECT_EQ(erased.text(), "");
    LineEdit kept("default", 255);
    kept.move_end();
    kept.insert("s");
    EXPECT_EQ(kept.text(), "defaults");
}

TEST(KeyMap, KeysGetTheCodesAndShiftStateTheGameExpects)
{
    auto code = [](SDL_Keycode sym) { return key_code({ SDL_GetScancodeFromKey(sym), sym, 0, 0 }); };
    EXPECT_EQ(code(SDLK_LEFT), 37);
    EXPECT_EQ(code(SDLK_UP), 38);
    EXPECT_EQ(code(SDLK_RIGHT), 39);
    EXPECT_EQ(code(SDLK_DOWN), 40);
    EXPECT_EQ(code(SDLK_SPACE), 32);
    EXPECT_EQ(code(SDLK_a), 65);
    EXPECT_EQ(code(SDLK_z), 90);
    EXPECT_EQ(code(SDLK_0), 48);
    EXPECT_EQ(code(SDLK_9), 57);
    EXPECT_EQ(code(SDLK_RETURN), 13);
    EXPECT_EQ(code(SDLK_ESCAPE), 27);
    EXPECT_EQ(code(SDLK_LSHIFT), 16);
    EXPECT_EQ(code(SDLK_RCTRL), 17);
    EXPECT_EQ(code(SDLK_F1), 112);
    EXPECT_EQ(shift_state(KMOD_LSHIFT), 1);
    EXPECT_EQ(shift_state(KMOD_RCTRL | KMOD_LALT), 6);
    EXPECT_EQ(shift_state(KMOD_SHIFT | KMOD_CTRL | KMOD_ALT), 7);
}

namespace {

// A twips form at scale 2, so that every coordinate goes through both conversions.
class Pad : public Form {
public:
    explicit Pad(Runtime& runtime)
        : Form(runtime, "pad", { "Pad", 100, 60, colors::white, ScaleUnit::twip })
    {
        go.on_mouse_down = [this](MouseEvent const& e) { log.push_back("down " + std::to_string(e.button) + " " + format_number(e.x) + " " + format_number(e.y)); };
        go.on_click = [this] { log.push_back("click"); };
        player.on_tick = [this] {
            if (on_player)
                on_player();
        };
    }
    void Form_KeyDown(int key, int shift) override { log.push_back("keydown " + std::to_string(key) + " " + std::to_string(shift)); }
    void Form_KeyUp(int key, int shift) override { log.push_back("keyup " + std::to_string(key) + " " + std::to_string(shift)); }
    void Form_Unload() override { log.push_back("unload"); }

    Button go { *this, "go", { 300, 150, 600, 300 }, "Go" };
    Timer player { *this, "player", 10, Switch::on };
    std::function<void()> on_player;
    std::vector<std::string> log;
};

class WindowInput : public testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    void SetUp() override { ASSERT_TRUE(m_video.ready()) << m_video.error(); }

    // Runs the pad, pushing `events` (for its window) on the first tick.
    std::vector<std::string> play(std::function<std::vector<SDL_Event>(Uint32 window)> events)
    {
        RealClock clock;
        SdlBackend backend(clock, 2, ScreenMode::windowed);
        Runtime runtime(clock, backend);
        auto& pad = static_cast<Pad&>(runtime.adopt(std::make_unique<Pad>(runtime)));
        pad.on_player = [&] {
            pad.player.disable();
            for (auto event : events(backend.window_of(pad)->id()))
                SDL_PushEvent(&event);
        };
        std::vector<std::string> log;
        runtime.on_program_end = [&] { log = pad.log; };
        EXPECT_EQ(runtime.run([&] { pad.show(); }), 0);
        return log;
    }

    SdlVideo m_video;
};

SDL_Event button_event(Uint32 type, Uint32 window, Uint8 button, int x, int y)
{
    SDL_Event event {};
    event.type = type;
    event.button.windowID = window;
    event.button.button = button;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event key_event(Uint32 type, Uint32 window, SDL_Keycode sym, Uint16 mod = KMOD_NONE, Uint8 repeat = 0)
{
    SDL_Event event {};
    event.type = type;
    event.key.windowID = window;
    event.key.repeat = repeat;
    event.key.keysym.sym = sym;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event window_event(Uint32 window, Uint8 what)
{
    SDL_Event event {};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = window;
    event.window.event = what;
    return event;
}

}

TEST_F(WindowInput, MouseHitsWhatIsDrawnInTheFormsOwnUnits)
{
    auto const log = play([](Uint32 w) {
        // The button spans 20..60 × 10..30 form pixels: 40..120 × 20..60 window pixels at scale 2.
        return std::vector<SDL_Event> {
            button_event(SDL_MOUSEBUTTONDOWN, w, SDL_BUTTON_RIGHT, 41, 21),
            button_event(SDL_MOUSEBUTTONUP, w, SDL_BUTTON_RIGHT, 41, 21),
            button_event(SDL_MOUSEBUTTONDOWN, w, SDL_BUTTON_LEFT, 38, 21), // just outside
            button_event(SDL_MOUSEBUTTONUP, w, SDL_BUTTON_LEFT, 38, 21),
            button_event(SDL_MOUSEBUTTONDOWN, w, SDL_BUTTON_MIDDLE, 50, 30),
            window_event(w, SDL_WINDOWEVENT_CLOSE),
        };
    });
    // 41 / 2 = pixel 20 of the form = 300 twips, 15 twips from the button's left edge.
    EXPECT_EQ(log, (std::vector<std::string> { "down 2 0 0", "click", "unload" }));
}

TEST_F(WindowInput, KeysRepeatAsKeyDownsAndEndWithOneKeyUp)
{
    auto const log = play([](Uint32 w) {
        return std::vector<SDL_Event> {
            key_event(SDL_KEYDOWN, w, SDLK_LEFT),
            key_event(SDL_KEYDOWN, w, SDLK_LEFT, KMOD_NONE, 1),
            key_event(SDL_KEYUP, w, SDLK_LEFT),
            key_event(SDL_KEYDOWN, w, SDLK_z, KMOD_LSHIFT | KMOD_LCTRL),
            key_event(SDL_KEYDOWN, w, SDLK_F4, KMOD_LALT),
        };
    });
    EXPECT_EQ(log, (std::vector<std::string> { "keydown 37 0", "keydown 37 0", "keyup 37 0", "keydown 90 3", "unload" }));
}

TEST_F(WindowInput, QuitFromTheTerminalEndsTheGameWithoutFurtherHandlers)
{
    auto const log = play([](Uint32 w) {
        SDL_Event quit {};
        quit.type = SDL_QUIT;
        return std::vector<SDL_Event> { key_event(SDL_KEYDOWN, w, SDLK_SPACE), quit, key_event(SDL_KEYDOWN, w, SDLK_a) };
    });
    EXPECT_EQ(log, (std::vector<std::string> { "keydown 32 0" }));
}
