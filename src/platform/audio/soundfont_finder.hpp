// Finding a General MIDI soundfont where the desktop's data folders keep them.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace platform {

// Reads an environment variable: nullptr when it is not set.
using Environment = std::function<char const*(char const*)>;

// $XDG_DATA_HOME (default ~/.local/share), then each $XDG_DATA_DIRS entry (default
// /usr/local/share:/usr/share), each followed by "sounds/sf2" and "soundfonts".
std::vector<std::filesystem::path> soundfont_folders(Environment const& environment);

// In each folder in turn: default-GM.sf2, TimGM6mb.sf2, FluidR3_GM.sf2, then any other *.sf2
// (in name order); the first small one (32 MB at most) of all, else the first of all. Nothing
// when no folder holds one.
std::optional<std::filesystem::path> find_soundfont(Environment const& environment);

}
