// The registry of the game's screens: each made the first time it is shown, never twice.
#pragma once

#include "platform/form.hpp"
#include "platform/runtime.hpp"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace shell {

// Makes the screen of that name, or null for a name the game does not have.
std::unique_ptr<platform::Form> make_screen(platform::Runtime& runtime, std::string_view name);

// Every screen name the game has.
std::vector<std::string> screen_names();

// Puts the game's screens into a fresh runtime.
void install_screens(platform::Runtime& runtime);

}
