// Finding a General MIDI soundfont in the desktop's data folders.
#include "platform/audio/soundfont_finder.hpp"

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace platform {

namespace {

constexpr char const* preferred_names[] = {"default-GM.sf2", "TimGM6mb.sf2", "FluidR3_GM.sf2"};
constexpr char const* subfolders[] = {"sounds/sf2", "soundfonts"};

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

std::optional<std::filesystem::path> soundfont_in(std::filesystem::path const& folder)
{
    for (auto const* name : preferred_names)
        if (is_file(folder / name))
            return folder / name;
    std::vector<std::filesystem::path> others;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        if (has_sf2_extension(entry->path()) && is_file(entry->path()))
            others.push_back(entry->path());
    if (others.empty())
        return std::nullopt;
    return *std::ranges::min_element(others);
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
    for (auto const& folder : soundfont_folders(environment))
        if (auto found = soundfont_in(folder))
            return found;
    return std::nullopt;
}

}
