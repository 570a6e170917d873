// Finding a General MIDI soundfont in the desktop's data folders.
#include "platform/audio/soundfont_finder.hpp"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

namespace {

constexpr char const* preferred_names[] = {"default-GM.sf2", "TimGM6mb.sf2", "FluidR3_GM.sf2"};
constexpr char const* subfolders[] = {"sounds/sf2", "soundfonts"};
// A General MIDI soundfont this size or smaller plays the game's small tunes as well as a large
// one, at a fraction of the memory and of the time it takes to load.
constexpr std::uintmax_t small_soundfont_bytes = std::uintmax_t{32} << 20;

std::string variable(Environment const& environment, char const* name)
{
    auto const* value = environment(name);
    return value ? value : "";
}

bool is_file(std::filesystem::path const& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool has_sf2_extension(std::filesystem::path const& path)
{
    auto extension = path.extension().string();
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sf2";
}

bool is_small(std::filesystem::path const& path)
{
    std::error_code error;
    auto const size = std::filesystem::file_size(path, error);
    return !error && size <= small_soundfont_bytes;
}

// The folder's soundfonts, known names first, then the others in name order.
void soundfonts_in(std::filesystem::path const& folder, std::vector<std::filesystem::path>& found)
{
    for (auto const* name : preferred_names)
        if (is_file(folder / name))
            found.push_back(folder / name);
    std::vector<std::filesystem::path> others;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        if (has_sf2_extension(entry->path()) && is_file(entry->path())
            && std::ranges::find(found, entry->path()) == found.end())
            others.push_back(entry->path());
    std::ranges::sort(others);
    found.insert(found.end(), others.begin(), others.end());
}

}

std::vector<std::filesystem::path> soundfont_folders(Environment const& environment)
{
    std::vector<std::filesystem::path> bases;
    auto data_home = variable(environment, "XDG_DATA_HOME");
    if (data_home.empty() && !variable(environment, "HOME").empty())
        data_home = variable(environment, "HOME") + "/.local/share";
    if (!data_home.empty())
        bases.emplace_back(data_home);
    auto data_dirs = variable(environment, "XDG_DATA_DIRS");
    if (data_dirs.empty())
        data_dirs = "/usr/local/share:/usr/share";
    for (std::string_view rest = data_dirs; !rest.empty();) {
        auto const colon = rest.find(':');
        auto const entry = rest.substr(0, colon);
        if (!entry.empty())
            bases.emplace_back(std::string(entry));
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    std::vector<std::filesystem::path> folders;
    for (auto const& base : bases)
        for (auto const* subfolder : subfolders)
            folders.push_back(base / subfolder);
    return folders;
}

std::optional<std::filesystem::path> find_soundfont(Environment const& environment)
{
    std::vector<std::filesystem::path> found;
    for (auto const& folder : soundfont_folders(environment))
        soundfonts_in(folder, found);
    if (found.empty())
        return std::nullopt;
    auto const small = std::ranges::find_if(found, is_small);
    return small != found.end() ? *small : found.front();
}

}
