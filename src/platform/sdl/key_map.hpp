// SDL keys and modifiers translated to the key codes and shift state the game's handlers expect.
#pragma once

#include <SDL.h>

namespace platform::sdl {

// The original platform's virtual-key code of a key; 0 for keys it has no code for.
int key_code(SDL_Keysym const& key);

// Shift state: 1 Shift, 2 Control, 4 Alt, added together.
int shift_state(Uint16 modifiers);

}
