// The media back ends the game is given: headless, muted, and a real SDL device; soundfont search.
#include "platform/audio/alert_chime.hpp"
#include "platform/audio/audio.hpp"
#include "platform/audio/sdl_audio.hpp"
#include "platform/audio/soundfont_finder.hpp"
#include "platform/media.hpp"
#include "support/audio_files.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <map>

namespace {

using namespace testing_support;
using platform::SoundMode;

class HeadlessMediaTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder.write("gundead.wav", wav_file(22050, 1, 16, noise_burst(22050, 1.0)));
        m_folder.write("odd.wav", wav_file(11025, 2, 8, std::vector<float>(2 * 5512)));
        m_folder.write("damaged.wav", std::vector<std::uint8_t>(100, 'x'));
    }

    TempFolder m_folder;
    std::vector<std::int64_t> m_advances;
    std::unique_ptr<platform::MediaBackend> m_backend = platform::make_headless_media(
        [this](std::int64_t microseconds) { m_advances.push_back(microseconds); });
    platform::Media m_media{m_folder.program_folder(), *m_backend};
};

TEST_F(HeadlessMediaTest, SynchronousPlayAdvancesTheClockByTheSoundsExactLength)
{
    m_media.play_sound("\\gundead.wav", SoundMode::sync);
    m_media.play_sound("\\odd.wav", SoundMode::sync);
    auto const chime = platform::alert_chime()->microseconds();
    m_media.play_sound("\\missing.wav", SoundMode::sync);
    m_media.play_sound("\\damaged.wav", SoundMode::sync);
    EXPECT_EQ(m_advances, (std::vector<std::int64_t>{1'000'000, 499'955, chime, chime}));
}

TEST_F(HeadlessMediaTest, EverythingElseTakesNoTime)
{
    m_media.play_sound("\\gundead.wav", SoundMode::async);
    m_media.play_music("\\W1L1.mid");
    m_media.pause_music("\\W1L1.mid");
    m_media.stop_music("\\W1L1.mid");
    m_media.stop_all();
    EXPECT_TRUE(m_advances.empty());
}

std::chrono::steady_clock::duration timed(auto&& action)
{
    auto const start = std::chrono::steady_clock::now();
    action();
    return std::chrono::steady_clock::now() - start;
}

TEST(MutedAudio, SynchronousPlayStillTakesTheSoundsLength)
{
    TempFolder folder;
    folder.write("tick.wav", wav_file(22050, 1, 16, noise_burst(22050, 0.15)));
    auto backend = platform::open_audio({std::nullopt, platform::AudioOutput::mute, {}});
    platform::Media media(folder.program_folder(), *backend);
    media.play_music("\\W1L1.mid");
    EXPECT_GE(timed([&] { media.play_sound("\\tick.wav", SoundMode::sync); }),
              std::chrono::milliseconds(150));
}

// SDL's dummy driver: a device that renders in real time and goes nowhere.
TEST(DeviceAudio, PlaysThroughAnSdlDeviceAndWaitsForASynchronousSound)
{
    TempFolder folder;
    folder.write("tick.wav", wav_file(22050, 1, 16, noise_burst(22050, 0.2)));
    folder.write("A.mid", midi_file(note_run(0, 2000, 100, 80), 2000));
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    auto backend = platform::open_audio({});
    ::unsetenv("SDL_AUDIODRIVER");
    if (!dynamic_cast<platform::SdlAudio*>(backend.get()))
        GTEST_SKIP() << "SDL has no dummy audio driver";
    platform::Media media(folder.program_folder(), *backend);
    media.play_music("\\A.mid");
    media.play_sound("\\tick.wav", SoundMode::async);
    // The voice ends when its last frame is rendered, up to one device buffer ahead of time.
    EXPECT_GE(timed([&] { media.play_sound("\\tick.wav", SoundMode::sync); }),
              std::chrono::milliseconds(200 - 22));
    media.pause_music("\\A.mid");
    media.play_music("\\A.mid");
    media.stop_all();
}

class SoundfontSearch : public testing::Test {
protected:
    platform::Environment environment() const
    {
        return [this](char const* name) -> char const* {
            auto const found = m_variables.find(name);
            return found == m_variables.end() ? nullptr : found->second.c_str();
        };
    }

    std::filesystem::path put(std::string const& relative)
    {
        auto const path = m_folder.path() / relative;
        std::filesystem::create_directories(path.parent_path());
        m_folder.write(relative, std::vector<std::uint8_t>{1});
        return path;
    }

    TempFolder m_folder;
    std::map<std::string, std::string> m_variables;
};

TEST_F(SoundfontSearch, FoldersFollowTheDesktopDataDirectories)
{
    m_variables = {{"HOME", "/home/ann"}};
    auto const defaults = platform::soundfont_folders(environment());
    ASSERT_EQ(defaults.size(), 6u);
    EXPECT_EQ(defaults[0], "/home/ann/.local/share/sounds/sf2");
    EXPECT_EQ(defaults[3], "/usr/local/share/soundfonts");
    EXPECT_EQ(defaults[4], "/usr/share/sounds/sf2");

    m_variables = {{"XDG_DATA_HOME", "/data home"}, {"XDG_DATA_DIRS", "/a::/b"}};
    auto const set = platform::soundfont_folders(environment());
    ASSERT_EQ(set.size(), 6u);
    EXPECT_EQ(set[1], "/data home/soundfonts");
    EXPECT_EQ(set[5], "/b/soundfonts");
}

TEST_F(SoundfontSearch, TheFirstFolderWithASmallSoundfontWinsAndKnownNamesComeFirst)
{
    auto const base = m_folder.path().string();
    m_variables = {{"XDG_DATA_HOME", base + "/home"},
                   {"XDG_DATA_DIRS", base + "/first:" + base + "/second"}};
    EXPECT_FALSE(platform::find_soundfont(environment()));

    put("second/sounds/sf2/TimGM6mb.sf2");
    auto const any_first = put("first/soundfonts/zeta.SF2");
    put("first/soundfonts/notes.txt");
    EXPECT_EQ(platform::find_soundfont(environment()), any_first);
    auto const alpha = put("first/soundfonts/alpha.sf2");
    EXPECT_EQ(platform::find_soundfont(environment()), alpha);
    auto const known = put("first/soundfonts/FluidR3_GM.sf2");
    EXPECT_EQ(platform::find_soundfont(environment()), known);
    auto const home = put("home/sounds/sf2/mine.sf2");
    EXPECT_EQ(platform::find_soundfont(environment()), home);

    // A large soundfont, however early, gives way to a small one found later: the desktop's
    // default may be a 148 MB one that costs more memory than the whole game.
    std::filesystem::resize_file(home, std::uintmax_t{148} << 20);
    std::filesystem::resize_file(known, std::uintmax_t{40} << 20);
    EXPECT_EQ(platform::find_soundfont(environment()), alpha);
    for (auto const& small : {alpha, any_first})
        std::filesystem::resize_file(small, std::uintmax_t{33} << 20);
    auto const tiny = m_folder.path() / "second/sounds/sf2/TimGM6mb.sf2";
    EXPECT_EQ(platform::find_soundfont(environment()), tiny);
    std::filesystem::resize_file(tiny, std::uintmax_t{100} << 20);
    EXPECT_EQ(platform::find_soundfont(environment()), home) << "with only large ones, the first";
}

}
