// The game playing itself: a player that watches the screens and answers with input only.
#pragma once

#include "platform/headless/command_source.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace demo {

struct DemoOptions {
    // Varies the reaction delays, the pauses on boxes and the aim inside sprites; unset plays
    // with fixed delays and clicks on the middle of each control.
    std::optional<std::uint32_t> seed {};
    // A screen to play to its loss instead of winning it; empty wins everything.
    std::string lose {};
    // A cheat code typed into the title screen's prompt instead of pressing Start; the joke code
    // is typed and the game then started as usual.
    std::string cheat {};
};

std::unique_ptr<platform::CommandSource> make_demo_player(DemoOptions options);

// The screens the demo can play to a loss (every level and bonus game, and the secret level).
std::vector<std::string> losable_screens();
bool can_lose(std::string_view screen);

}
