// Installing the game as a desktop program: into a temporary DESTDIR, checked by the desktop's
// own validators, and the installed game run from elsewhere, finding its sounds; and the icon
// the game's window shows.
#include "platform/audio/alert_chime.hpp"
#include "support/audio_files.hpp"
#include "support/shell_command.hpp"
#include "support/sound_files_readers.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;
using testing_support::run_command;

namespace {

std::string quoted(fs::path const& path) { return "'" + path.string() + "'"; }

std::string read_text(fs::path const& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The one file with that ending in `folder`.
fs::path only_file(fs::path const& folder, std::string const& ending)
{
    std::vector<fs::path> found;
    for (auto const& entry : fs::directory_iterator(folder)) {
        if (entry.path().string().ends_with(ending))
            found.push_back(entry.path());
    }
    EXPECT_EQ(found.size(), 1u) << folder << " *" << ending;
    return found.empty() ? fs::path() : found.front();
}

// Width and height from a PNG's header.
std::pair<int, int> png_size(fs::path const& path)
{
    auto const bytes = testing_support::read_file_bytes(path);
    if (bytes.size() < 24 || bytes[1] != 'P' || bytes[12] != 'I')
        return {};
    auto const number = [&](std::size_t at) { return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3]; };
    return { number(16), number(20) };
}

// The command words of the README's table of script commands (`ok`, `cancel` share a row).
std::vector<std::string> readme_verbs()
{
    auto const readme = read_text(fs::path(GRAWN2_SOURCE_DIR) / "README.md");
    std::istringstream section(readme.substr(readme.find("## Headless scripts")));
    std::vector<std::string> verbs;
    static std::regex const command("`([a-z]+)[ `]");
    for (std::string line; std::getline(section, line);) {
        if (!line.starts_with("| `"))
            continue;
        auto const cell = line.substr(0, line.find(" | "));
        for (std::sregex_iterator it(cell.begin(), cell.end(), command), end; it != end; ++it)
            verbs.push_back((*it)[1]);
    }
    return verbs;
}

}

TEST(Install, ADesktopGameThatFindsItsSoundsWhereverItIsRun)
{
    testing_support::TempFolder destdir;
    auto const install = run_command("DESTDIR=" + quoted(destdir.path()) + " cmake --install " + quoted(GRAWN2_PROGRAM_DIR)
        + " --prefix /opt/grawn2 2>&1");
    ASSERT_EQ(install.status, 0) << install.out;
    fs::path const prefix = destdir.path() / "opt/grawn2";
    auto const share = prefix / "share";

    // The desktop entry and the metadata, named after one id that the icons share.
    auto const entry = only_file(share / "applications", ".desktop");
    auto const id = entry.stem().string();
    EXPECT_TRUE(std::regex_match(id, std::regex("[a-z]+\\.[a-z0-9]+\\.[a-z0-9]+"))) << id;
    auto const validated = run_command("desktop-file-validate " + quoted(entry) + " 2>&1");
    EXPECT_EQ(validated.status, 0) << validated.out;
    EXPECT_EQ(validated.out, "") << "no hints either";
    auto const desktop = read_text(entry);
    for (auto const* line : { "Categories=Game;ActionGame;\n", "Exec=grawn2\n", "Name=Grawn 2: Hoofclatter\n" })
        EXPECT_NE(desktop.find(line), std::string::npos) << line << desktop;
    EXPECT_NE(desktop.find("\nComment="), std::string::npos);
    EXPECT_NE(desktop.find("\nIcon=" + id + "\n"), std::string::npos) << desktop;

    auto const metainfo = share / "metainfo" / (id + ".metainfo.xml");
    auto const checked = run_command("appstreamcli validate --no-net --pedantic " + quoted(metainfo) + " 2>&1");
    EXPECT_EQ(checked.status, 0) << checked.out;
    EXPECT_EQ(checked.out.find("pedantic"), std::string::npos) << checked.out;
    auto const metadata = read_text(metainfo);
    EXPECT_NE(metadata.find("<release version=\"" GRAWN2_VERSION "\""), std::string::npos) << metadata;
    EXPECT_NE(metadata.find("<screenshot type=\"default\">"), std::string::npos);

    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        auto const icon = share / "icons/hicolor" / (std::to_string(size) + "x" + std::to_string(size)) / "apps" / (id + ".png");
        EXPECT_EQ(png_size(icon), std::make_pair(size, size)) << icon;
    }

    // The manual page is well-formed roff and names every script command the README lists.
    auto const manual = share / "man/man6/grawn2.6";
    auto const roff = run_command("groff -man -ww -z " + quoted(manual) + " 2>&1");
    EXPECT_EQ(roff.status, 0);
    EXPECT_EQ(roff.out, "");
    auto const page = read_text(manual);
    auto const verbs = readme_verbs();
    EXPECT_GE(verbs.size(), 16u);
    for (auto const& verb : verbs)
        EXPECT_TRUE(std::regex_search(page, std::regex("\n\\.B[IR]? ([^\n]*[ \"])?" + verb + "[ \"\n]"))) << verb;

    // Run from another folder, the installed game plays the real gunshot and not the chime that
    // stands in for a missing file: each synchronous shot in the dark takes the file's length.
    testing_support::TempFolder elsewhere;
    auto const played = run_command("cd " + quoted(elsewhere.path()) + " && printf 'show frmw1l5\\nwait 40\\n' | " + quoted(prefix / "bin/grawn2")
        + " --headless --script - 2>&1");
    ASSERT_EQ(played.status, 0) << played.out;
    std::vector<long> shots;
    std::istringstream transcript(played.out);
    for (std::string line; std::getline(transcript, line);) {
        if (line.ends_with(" sound \\gundead.wav sync"))
            shots.push_back(std::stol(line));
    }
    ASSERT_GE(shots.size(), 2u) << played.out;
    auto const gunshot = testing_support::read_wav(testing_support::read_file_bytes(share / "grawn2/gundead.wav"));
    ASSERT_TRUE(gunshot);
    long const file_ms = std::lround(gunshot->seconds * 1000);
    long const chime_ms = static_cast<long>(platform::alert_chime()->microseconds() / 1000);
    ASSERT_GT(std::abs(file_ms - chime_ms), 5) << "the test cannot tell the two apart";
    EXPECT_NEAR(shots[1] - shots[0], file_ms, 1);
}

TEST(WindowIcon, TheGamesWindowShowsTheDesktopIcon)
{
    if (std::system("command -v xvfb-run > /dev/null 2>&1 && command -v xprop > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "needs xvfb-run and xprop";
    // The title screen's window, as the desktop reads its icon, while the game runs under Xvfb.
    std::string const probe = "'" + std::string(GRAWN2_EXECUTABLE) + "' --mute & game=$!; "
        "for i in $(seq 1 100); do "
        "icon=$(xprop -name 'Grawn 2: Hoofclatter' -notype -f _NET_WM_ICON 32c _NET_WM_ICON 2>/dev/null) && "
        "case \"$icon\" in *' = '*) break;; esac; sleep 0.1; done; kill $game; echo \"$icon\"";
    auto const shown = run_command("timeout 120 xvfb-run -a sh -c \"" + std::regex_replace(probe, std::regex("[\"$`\\\\]"), "\\$&") + "\" 2>/dev/null");
    auto const values_at = shown.out.find(" = ");
    ASSERT_NE(values_at, std::string::npos) << shown.out;
    std::vector<std::uint32_t> values;
    std::istringstream numbers(shown.out.substr(values_at + 3));
    for (std::string number; std::getline(numbers, number, ',');)
        values.push_back(static_cast<std::uint32_t>(std::stoul(number)));
    ASSERT_GE(values.size(), 2u);
    ASSERT_EQ(values.size(), 2 + static_cast<std::size_t>(values[0]) * values[1]) << "one icon";

    // The same picture as the desktop's icon of that size, but for rounding in the alpha.
    auto const size = std::to_string(values[0]) + "x" + std::to_string(values[1]);
    auto const icon = only_file(fs::path(GRAWN2_PROGRAM_DIR) / "data/icons" / size / "apps", ".png");
    SDL_Surface* loaded = IMG_Load(icon.c_str());
    ASSERT_TRUE(loaded) << icon;
    SDL_Surface* png = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(loaded);
    ASSERT_TRUE(png);
    int differing = 0;
    for (int y = 0; y < png->h; ++y) {
        for (int x = 0; x < png->w; ++x) {
            auto const want = reinterpret_cast<std::uint32_t const*>(static_cast<std::uint8_t const*>(png->pixels) + y * png->pitch)[x];
            auto const got = values[2 + static_cast<std::size_t>(y) * png->w + x];
            for (int shift : { 0, 8, 16, 24 })
                differing += std::abs(static_cast<int>((want >> shift) & 0xFF) - static_cast<int>((got >> shift) & 0xFF)) > 1;
        }
    }
    SDL_FreeSurface(png);
    EXPECT_EQ(differing, 0);
}
