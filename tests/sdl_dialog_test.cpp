// Message and input boxes in their own windows, driven by synthetic SDL events under SDL's
// dummy video driver: keys and mouse close them, and the input box edits its text.
#include "platform/form.hpp"
#include "platform/runtime.hpp"
#include "platform/sdl/dialog_window.hpp"
#include "platform/sdl/sdl_backend.hpp"
#include "platform/sdl/sdl_video.hpp"
#include "platform/timer.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using namespace platform;
using namespace platform::sdl;

namespace {

class DummyVideo : public testing::Test {
protected:
    static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "dummy", 1); }
    void SetUp() override { ASSERT_TRUE(m_video.ready()) << m_video.error(); }

    SdlVideo m_video;
    FontLibrary m_fonts;
    VirtualClock m_clock;
};

SDL_Event key_down(SDL_Keycode sym, Uint16 mod = KMOD_NONE)
{
    SDL_Event event {};
    event.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = sym;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
    event.key.keysym.mod = mod;
    return event;
}

SDL_Event typed(char const* text)
{
    SDL_Event event {};
    event.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, text, sizeof event.text.text);
    return event;
}

SDL_Event mouse(Uint32 type, Uint32 window, SDL_Point at)
{
    SDL_Event event {};
    event.type = type;
    event.button.windowID = window;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.x = at.x;
    event.button.y = at.y;
    return event;
}

SDL_Point centre(SDL_Rect const& rect) { return { rect.x + rect.w / 2, rect.y + rect.h / 2 }; }

Dialog message_dialog()
{
    Dialog dialog;
    dialog.title = "World 1, Level 1";
    dialog.text = "Save the animals before they fall into the flames!";
    dialog.icon = MsgIcon::information;
    return dialog;
}

Dialog input_dialog(std::string default_text)
{
    Dialog dialog;
    dialog.kind = DialogKind::input;
    dialog.title = "Cheat";
    dialog.text = "Enter a code:";
    dialog.input = std::move(default_text);
    return dialog;
}

}

TEST_F(DummyVideo, MessageBoxClosesWithEnterSpaceEscapeAndItsCloseButton)
{
    auto dialog = message_dialog();
    DialogWindow box(dialog, m_fonts, m_clock, 1, nullptr, nullptr, TitleStrip::from_window_manager);
    ASSERT_TRUE(box.opened()) << SDL_GetError();
    EXPECT_EQ(box.handle(key_down(SDLK_a)), DialogAction::none);
    EXPECT_EQ(box.handle(key_down(SDLK_RETURN)), DialogAction::ok);
    EXPECT_EQ(box.handle(key_down(SDLK_SPACE)), DialogAction::ok);
    EXPECT_EQ(box.handle(key_down(SDLK_ESCAPE)), DialogAction::ok);
    SDL_Event close {};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = box.id();
    EXPECT_EQ(box.handle(close), DialogAction::ok);
}

TEST_F(DummyVideo, MessageBoxOkIsPressedOnlyByAReleaseOverIt)
{
    auto dialog = message_dialog();
    DialogWindow box(dialog, m_fonts, m_clock, 2, nullptr, nullptr, TitleStrip::from_window_manager);
    ASSERT_TRUE(box.opened());
    auto const ok = box.layout().ok;
    EXPECT_EQ(box.handle(mouse(SDL_MOUSEBUTTONDOWN, box.id(), centre(ok))), DialogAction::none);
    EXPECT_EQ(box.handle(mouse(SDL_MOUSEBUTTONUP, box.id(), { 1, 1 })), DialogAction::none);
    EXPECT_EQ(box.handle(mouse(SDL_MOUSEBUTTONDOWN, box.id(), centre(ok))), DialogAction::none);
    box.draw();
    EXPECT_EQ(box.handle(mouse(SDL_MOUSEBUTTONUP, box.id(), centre(ok))), DialogAction::ok);
}

TEST_F(DummyVideo, MessageBoxIsSizedToItsTextWithTheButtonBelow)
{
    auto short_dialog = message_dialog();
    short_dialog.text = "Hi";
    auto long_dialog = message_dialog();
    long_dialog.text = std::string(400, 'w') + " end";
    auto const small = layout_box(short_dialog, m_fonts, 1);
    auto const large = layout_box(long_dialog, m_fonts, 1);
    EXPECT_GT(large.width, small.width);
    EXPECT_GT(large.text.h, small.text.h); // wrapped over several lines
    EXPECT_LT(large.width, 500); // wrapped at a sensible width, not one long line
    EXPECT_GE(large.ok.y, large.text.y + large.text.h);
    EXPECT_NEAR(layout_box(short_dialog, m_fonts, 2).ok.w, 2 * small.ok.w, 1);
}

TEST_F(DummyVideo, InputBoxEditsTheDefaultTextAndReturnsIt)
{
    auto dialog = input_dialog("abc");
    DialogWindow box(dialog, m_fonts, m_clock, 1, nullptr, nullptr, TitleStrip::from_window_manager);
    ASSERT_TRUE(box.opened());
    // The default text starts selected: typing replaces it.
    box.handle(typed("\xC3\xA9"));
    box.handle(typed("lan"));
    EXPECT_EQ(dialog.input, "\xC3\xA9lan");
    box.handle(key_down(SDLK_HOME));
    box.handle(key_down(SDLK_DELETE));
    EXPECT_EQ(dialog.input, "lan");
    box.handle(key_down(SDLK_END));
    box.handle(key_down(SDLK_BACKSPACE));
    box.handle(key_down(SDLK_LEFT));
    box.handle(typed("X"));
    box.handle(key_down(SDLK_RIGHT));
    box.handle(typed("!"));
    EXPECT_EQ(dialog.input, "lXa!");
    SDL_SetClipboardText("pasted\nsecond line");
    box.handle(key_down(SDLK_v, KMOD_LCTRL));
    EXPECT_EQ(dialog.input, "lXa!pasted");
    box.draw();
    EXPECT_EQ(box.handle(key_down(SDLK_SPACE)), DialogAction::none);
    EXPECT_EQ(box.handle(key_down(SDLK_RETURN)), DialogAction::ok);
}

TEST_F(DummyVideo, InputBoxCancelsWithEscapeCloseAndTheCancelButton)
{
    auto dialog = input_dialog("");
    DialogWindow box(dialog, m_fonts, m_clock, 1, nullptr, nullptr, TitleStrip::from_window_manager);
    ASSERT_TRUE(box.opened());
    EXPECT_EQ(box.handle(key_down(SDLK_ESCAPE)), DialogAction::cancel);
    SDL_Event close {};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = box.id();
    EXPECT_EQ(box.handle(close), DialogAction::cancel);
    auto const cancel = box.layout().cancel;
    box.handle(mouse(SDL_MOUSEBUTTONDOWN, box.id(), centre(cancel)));
    EXPECT_EQ(box.handle(mouse(SDL_MOUSEBUTTONUP, box.id(), centre(cancel))), DialogAction::cancel);
    auto const ok = box.layout().ok;
    box.handle(mouse(SDL_MOUSEBUTTONDOWN, box.id(), centre(ok)));
    EXPECT_EQ(box.handle(mouse(SDL_MOUSEBUTTONUP, box.id(), centre(ok))), DialogAction::ok);
}

TEST_F(DummyVideo, InputBoxHoldsAtMost255Characters)
{
    auto dialog = input_dialog(std::string(300, 'd'));
    DialogWindow box(dialog, m_fonts, m_clock, 1, nullptr, nullptr, TitleStrip::from_window_manager);
    EXPECT_EQ(dialog.input.size(), input_box_max_length);
    box.handle(key_down(SDLK_END));
    box.handle(typed("more"));
    EXPECT_EQ(dialog.input.size(), input_box_max_length);
    box.handle(key_down(SDLK_BACKSPACE));
    box.handle(typed("\xE2\x82\xAC\xE2\x82\xAC")); // two euro signs: only one fits
    EXPECT_EQ(dialog.input, std::string(254, 'd') + "\xE2\x82\xAC");
}

namespace {

// A form whose timer asks the questions of a test while another timer plays the player.
class Asker : public Form {
public:
    explicit Asker(Runtime& runtime)
        : Form(runtime, "asker", { "Asker", 120, 80 })
    {
        ask.on_tick = [this] {
            ask.disable();
            if (on_ask)
                on_ask();
            unload();
        };
        player.on_tick = [this] {
            if (on_player)
                on_player();
        };
    }
    Timer ask { *this, "ask", 10, Switch::on };
    Timer player { *this, "player", 15, Switch::on };
    std::function<void()> on_ask;
    std::function<void()> on_player;
};

}

TEST_F(DummyVideo, BoxesRunInsideTheLoopAndReturnWhatThePlayerDid)
{
    RealClock clock;
    SdlBackend backend(clock, 1, ScreenMode::windowed);
    Runtime runtime(clock, backend);
    auto& asker = static_cast<Asker&>(runtime.adopt(std::make_unique<Asker>(runtime)));
    std::vector<std::string> answers;
    int ticks_in_box = 0;
    asker.on_ask = [&] {
        runtime.msgbox(&asker, "First a message.", MsgIcon::exclamation, "Note");
        answers.push_back(runtime.inputbox(&asker, "Your name?", "Ask", "abc"));
        answers.push_back(runtime.inputbox(&asker, "Again?", "Ask", "keep"));
    };
    int step = 0;
    asker.on_player = [&] {
        DialogWindow* box = backend.top_box();
        if (!box)
            return;
        ++ticks_in_box;
        SDL_Event event {};
        switch (step++) {
        case 0: // the message box: clicked OK with the mouse
            event = mouse(SDL_MOUSEBUTTONDOWN, box->id(), centre(box->layout().ok));
            SDL_PushEvent(&event);
            event = mouse(SDL_MOUSEBUTTONUP, box->id(), centre(box->layout().ok));
            SDL_PushEvent(&event);
            break;
        case 1: // the first input box: typed over and confirmed with Enter
            event = typed("Zed");
            SDL_PushEvent(&event);
            event = key_down(SDLK_RETURN);
            SDL_PushEvent(&event);
            break;
        case 2: // the second: typed, then Escape
            event = typed("lost");
            SDL_PushEvent(&event);
            event = key_down(SDLK_ESCAPE);
            SDL_PushEvent(&event);
            break;
        default:
            break;
        }
    };
    int const status = runtime.run([&] { asker.show(); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(answers, (std::vector<std::string> { "Zed", "" }));
    EXPECT_GE(ticks_in_box, 3);
    EXPECT_EQ(backend.top_box(), nullptr);
}
