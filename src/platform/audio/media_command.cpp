// Parsing media-control command strings and mapping the game's file names onto the disk.
#include "platform/audio/media_command.hpp"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

bool same_word(std::string_view word, std::string_view lower_case)
{
    return std::ranges::equal(word, lower_case, [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::optional<MediaVerb> verb_named(std::string_view word)
{
    if (same_word(word, "play"))
        return MediaVerb::play;
    if (same_word(word, "stop"))
        return MediaVerb::stop;
    if (same_word(word, "pause"))
        return MediaVerb::pause;
    return std::nullopt;
}

}

std::optional<MediaCommand> parse_media_command(std::string_view command)
{
    auto const space = command.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    auto const verb = verb_named(command.substr(0, space));
    auto const path = command.substr(space + 1);
    if (!verb || path.empty())
        return std::nullopt;
    return MediaCommand{*verb, std::string(path)};
}

std::filesystem::path map_game_path(std::string_view game_path)
{
    auto const slash = game_path.rfind('\\');
    if (slash == std::string_view::npos)
        return std::filesystem::path(std::string(game_path));
    auto folder = std::filesystem::path(std::string(game_path.substr(0, slash)));
    auto const name = std::string(game_path.substr(slash + 1));
    if (folder.empty())
        return std::filesystem::path(name);
    return folder / name;
}

}
