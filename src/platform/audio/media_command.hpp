// Our small media-control language: "verb path" strings, and the game's file names on this disk.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class MediaVerb { play, stop, pause };

struct MediaCommand {
    MediaVerb verb = MediaVerb::play;
    // Everything after the first space, unchanged: spaces and any other characters belong to it.
    std::string path;
};

// The first word is the verb (any letter case), the whole rest of the string is the path.
// Unknown verbs and commands without a path give nothing: they are ignored.
std::optional<MediaCommand> parse_media_command(std::string_view command);

// The game names its files as the program folder followed by "\name"; the last backslash is
// that separator (the game's names hold no other), so the folder itself may contain anything.
std::filesystem::path map_game_path(std::string_view game_path);

}
