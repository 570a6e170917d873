// Sound calls, boxes and the level frame shared by every screen.
#include "screen/screen.hpp"

#include <iostream>

namespace screen {

Screen::Screen(Runtime& runtime, std::string name, FormStyle style)
    : Form(runtime, std::move(name), std::move(style))
{
}

void Screen::PlaySound(std::string_view file, SoundMode mode)
{
    if (auto* media = runtime().media())
        media->play_sound(file, mode);
}

void Screen::PlayMusic(std::string_view file)
{
    if (auto* media = runtime().media())
        media->play_music(file);
}

void Screen::StopMusic(std::string_view file)
{
    if (auto* media = runtime().media())
        media->stop_music(file);
}

void Screen::PauseMusic(std::string_view file)
{
    if (auto* media = runtime().media())
        media->pause_music(file);
}

void Screen::Pause(double seconds) { runtime().pause(seconds); }

void Screen::MsgBox(std::string text, MsgIcon icon, std::string title)
{
    runtime().msgbox(this, std::move(text), icon, std::move(title));
}

std::string Screen::InputBox(std::string prompt, std::string title, std::string default_text)
{
    return runtime().inputbox(this, std::move(prompt), std::move(title), std::move(default_text));
}

void Screen::briefing(std::string title, std::string text) { MsgBox(std::move(text), MsgIcon::information, std::move(title)); }

void Screen::hand_over(std::string_view tune, std::string_view next_screen)
{
    StopMusic(tune);
    hide();
    show_screen(next_screen);
}

void Screen::game_over(std::string text, MsgIcon icon, std::string title)
{
    if (m_game_over_started)
        return;
    m_game_over_started = true;
    MsgBox(std::move(text), icon, std::move(title));
    unload();
}

void Screen::shake_window()
{
    constexpr double jolt = 25;
    for (int i = 0; i < 4; ++i) {
        set_window_top(window_top() - jolt);
        set_window_left(window_left() - jolt);
        Pause(0.025);
        set_window_top(window_top() + jolt);
        set_window_left(window_left() + jolt);
        Pause(0.025);
    }
}

void Screen::show_screen(std::string_view name)
{
    if (!runtime().knows_form(name)) {
        std::cerr << "grawn2: the screen " << name << " is not part of this build yet; the game ends here\n";
        runtime().end_program();
    }
    runtime().show_form(name);
}

Progress Screen::progress() const
{
    Form* title = runtime().find_form("intro");
    auto counter = [&](char const* name) -> Timer& { return *static_cast<Timer*>(title->find_control(name)); };
    return { counter("bonusbags"), counter("bigtime") };
}

void Screen::count_bonus()
{
    Timer& bonusbags = progress().bonusbags;
    bonusbags.set_interval(bonusbags.interval() + 1);
}

}
