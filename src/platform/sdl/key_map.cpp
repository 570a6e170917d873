// Letters and digits follow the keyboard layout; every other key goes by its position.
#include "platform/sdl/key_map.hpp"

#include "platform/input.hpp"

namespace platform::sdl {

namespace {

int code_of_scancode(SDL_Scancode scancode)
{
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
        return 112 + (scancode - SDL_SCANCODE_F1);
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
        return 97 + (scancode - SDL_SCANCODE_KP_1);
    switch (scancode) {
    case SDL_SCANCODE_BACKSPACE: return 8;
    case SDL_SCANCODE_TAB: return 9;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return 13;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return keys::shift;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return keys::control;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return 18;
    case SDL_SCANCODE_PAUSE: return 19;
    case SDL_SCANCODE_CAPSLOCK: return 20;
    case SDL_SCANCODE_ESCAPE: return 27;
    case SDL_SCANCODE_SPACE: return keys::space;
    case SDL_SCANCODE_PAGEUP: return 33;
    case SDL_SCANCODE_PAGEDOWN: return 34;
    case SDL_SCANCODE_END: return 35;
    case SDL_SCANCODE_HOME: return 36;
    case SDL_SCANCODE_LEFT: return keys::left;
    case SDL_SCANCODE_UP: return keys::up;
    case SDL_SCANCODE_RIGHT: return keys::right;
    case SDL_SCANCODE_DOWN: return keys::down;
    case SDL_SCANCODE_INSERT: return 45;
    case SDL_SCANCODE_DELETE: return 46;
    case SDL_SCANCODE_LGUI: return 91;
    case SDL_SCANCODE_RGUI: return 92;
    case SDL_SCANCODE_APPLICATION: return 93;
    case SDL_SCANCODE_KP_0: return 96;
    case SDL_SCANCODE_KP_MULTIPLY: return 106;
    case SDL_SCANCODE_KP_PLUS: return 107;
    case SDL_SCANCODE_KP_MINUS: return 109;
    case SDL_SCANCODE_KP_PERIOD: return 110;
    case SDL_SCANCODE_KP_DIVIDE: return 111;
    case SDL_SCANCODE_NUMLOCKCLEAR: return 144;
    case SDL_SCANCODE_SCROLLLOCK: return 145;
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    default: return 0;
    }
}

}

int key_code(SDL_Keysym const& key)
{
    if (key.sym >= SDLK_a && key.sym <= SDLK_z)
        return 'A' + (key.sym - SDLK_a);
    if (key.sym >= SDLK_0 && key.sym <= SDLK_9)
        return '0' + (key.sym - SDLK_0);
    if (key.scancode >= SDL_SCANCODE_A && key.scancode <= SDL_SCANCODE_Z)
        return 'A' + (key.scancode - SDL_SCANCODE_A);
    if (key.scancode >= SDL_SCANCODE_1 && key.scancode <= SDL_SCANCODE_9)
        return '1' + (key.scancode - SDL_SCANCODE_1);
    if (key.scancode == SDL_SCANCODE_0)
        return '0';
    SDL_Scancode scancode = key.scancode;
    // Events made by programs may carry only the key symbol.
    if (scancode == SDL_SCANCODE_UNKNOWN) {
        if (key.sym & SDLK_SCANCODE_MASK)
            scancode = static_cast<SDL_Scancode>(key.sym & ~SDLK_SCANCODE_MASK);
        else if (key.sym == SDLK_SPACE)
            scancode = SDL_SCANCODE_SPACE;
        else if (key.sym == SDLK_RETURN)
            scancode = SDL_SCANCODE_RETURN;
        else if (key.sym == SDLK_ESCAPE)
            scancode = SDL_SCANCODE_ESCAPE;
        else if (key.sym == SDLK_BACKSPACE)
            scancode = SDL_SCANCODE_BACKSPACE;
        else if (key.sym == SDLK_TAB)
            scancode = SDL_SCANCODE_TAB;
        else if (key.sym == SDLK_DELETE)
            scancode = SDL_SCANCODE_DELETE;
    }
    return code_of_scancode(scancode);
}

int shift_state(Uint16 modifiers)
{
    int state = 0;
    if (modifiers & KMOD_SHIFT)
        state += shift_bits::shift;
    if (modifiers & KMOD_CTRL)
        state += shift_bits::control;
    if (modifiers & KMOD_ALT)
        state += shift_bits::alt;
    return state;
}

}
