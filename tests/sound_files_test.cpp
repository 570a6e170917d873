// The game's own sound files, made at build time beside the executable: every effect and tune
// is there under the exact name the game asks for, is well formed, lasts as long as it should
// and is audible, and the generator writes the same bytes on every run.
#include "support/audio_files.hpp"
#include "support/sound_files_readers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

std::filesystem::path const program_folder = GRAWN2_PROGRAM_DIR;

struct EffectExpectation {
    char const* name;
    double shortest;
    double longest;
};

// The names as the game spells them, and how long each sound may reasonably last.
EffectExpectation const effects[] = {
    {"intromusic.wav", 5.0, 15.0}, {"gundead.wav", 0.3, 2.0}, {"howl.wav", 2.0, 6.0},
    {"explosion.wav", 2.5, 7.0}, {"death.wav", 1.0, 4.5}, {"godown.wav", 1.0, 4.5},
    {"shock.wav", 0.5, 3.0}, {"saucer.wav", 2.0, 6.0}, {"magnet.wav", 1.0, 4.0},
    {"sheepbaa.wav", 0.6, 2.5}, {"mooo.wav", 1.2, 4.0}, {"cow.wav", 0.8, 3.0},
    {"pig.wav", 0.5, 2.0}, {"sheep.wav", 0.5, 2.0}, {"grawn.wav", 1.0, 3.5},
    {"thief.wav", 1.0, 5.0}, {"giveup.wav", 1.0, 5.0}, {"way2rok.wav", 1.0, 4.0},
    {"up.wav", 0.3, 1.5}, {"down.wav", 0.3, 1.5}, {"left.wav", 0.3, 1.5}, {"right.wav", 0.3, 1.5},
};

struct TuneExpectation {
    char const* name;
    double shortest;  // the title and level tunes play under a whole level
};

constexpr double level_tune = 90.0;
constexpr double scene_tune = 60.0;
constexpr double longest_tune = 180.0;

TuneExpectation const tunes[] = {
    {"INTRO.mid", level_tune}, {"W1L1.mid", level_tune}, {"W1L2.mid", level_tune},
    {"W1L3.mid", level_tune}, {"W1L4.mid", level_tune}, {"W1L5.mid", scene_tune},
    {"W1L52.mid", scene_tune}, {"W2L1.mid", level_tune}, {"W2L2.mid", level_tune},
    {"W2L3.mid", level_tune}, {"W2L4.mid", level_tune}, {"W2L5.mid", scene_tune},
    {"W2L52.mid", scene_tune}, {"W3L1.mid", level_tune}, {"W3L2.mid", level_tune},
    {"W3L3.mid", level_tune}, {"W3L3X.mid", scene_tune}, {"W3L4.mid", level_tune},
    {"W3L42.mid", level_tune}, {"W4L1.mid", level_tune}, {"W4L2.mid", level_tune},
    {"W4L3.mid", level_tune}, {"W4L3X1.mid", scene_tune}, {"W4L3X2.mid", scene_tune},
    {"W4L3X3.mid", scene_tune}, {"W4L5.mid", level_tune}, {"W4L5x.mid", scene_tune},
    {"W5L1.mid", level_tune}, {"CREDITS.mid", scene_tune}, {"CREDITS2.mid", scene_tune},
};

std::vector<std::string> all_names()
{
    std::vector<std::string> names;
    for (auto const& effect : effects)
        names.emplace_back(effect.name);
    for (auto const& tune : tunes)
        names.emplace_back(tune.name);
    return names;
}

WavSummary load_wav(std::string const& name)
{
    auto const path = program_folder / name;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    auto const summary = read_wav(read_file_bytes(path));
    EXPECT_TRUE(summary.has_value()) << name << " is not a 16-bit PCM WAV file";
    return summary.value_or(WavSummary{});
}

MidiSummary load_midi(std::string const& name)
{
    auto const path = program_folder / name;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    auto const summary = read_midi(read_file_bytes(path));
    EXPECT_TRUE(summary.has_value()) << name << " is not a readable Standard MIDI File";
    return summary.value_or(MidiSummary{});
}

double rms_between(std::vector<float> const& samples, std::size_t from, std::size_t to)
{
    to = std::min(to, samples.size());
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(samples[i]) * samples[i];
    return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

TEST(GeneratedSoundFiles, TheTablesListFiftyTwoDistinctNames)
{
    auto names = all_names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
    EXPECT_EQ(names.size(), 52u);
}

TEST(GeneratedSoundFiles, EveryEffectIsAnAudiblePcmWaveOfFittingLength)
{
    for (auto const& effect : effects) {
        SCOPED_TRACE(effect.name);
        auto const wav = load_wav(effect.name);
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2);
        EXPECT_GE(wav.sample_rate, 22050);
        EXPECT_LE(wav.sample_rate, 48000);
        EXPECT_GE(wav.seconds, effect.shortest);
        EXPECT_LE(wav.seconds, effect.longest);
        EXPECT_GT(wav.rms, 0.03) << "too quiet to hear";
        float const peak = testing_support::peak(wav.mono);
        EXPECT_GT(peak, 0.3f);
    }
}

TEST(GeneratedSoundFiles, TheGunshotHitsAtOnceAndDiesAway)
{
    auto const shot = load_wav("gundead.wav");
    ASSERT_FALSE(shot.mono.empty());
    auto const rate = static_cast<std::size_t>(shot.sample_rate);
    auto const loudest = std::max_element(shot.mono.begin(), shot.mono.end(),
        [](float a, float b) { return std::fabs(a) < std::fabs(b); });
    EXPECT_LT(static_cast<std::size_t>(loudest - shot.mono.begin()), rate / 50) << "the peak comes later than 20 ms";
    double const blast = rms_between(shot.mono, 0, rate / 10);
    double const tail = rms_between(shot.mono, shot.mono.size() - shot.mono.size() / 4, shot.mono.size());
    EXPECT_GT(blast, 10.0 * tail);
}

TEST(GeneratedSoundFiles, TheLeftAndRightCuesSitOnTheirSides)
{
    auto const left = load_wav("left.wav");
    auto const right = load_wav("right.wav");
    ASSERT_EQ(left.channels, 2);
    ASSERT_EQ(right.channels, 2);
    EXPECT_GT(left.channel_rms[0], 2.0 * left.channel_rms[1]);
    EXPECT_GT(right.channel_rms[1], 2.0 * right.channel_rms[0]);
}

TEST(GeneratedSoundFiles, EveryTuneIsAFullGeneralMidiArrangementOfFittingLength)
{
    for (auto const& tune : tunes) {
        SCOPED_TRACE(tune.name);
        auto const midi = load_midi(tune.name);
        EXPECT_EQ(midi.format, 1);
        EXPECT_GE(midi.track_count, 5) << "a conductor track and at least melody, harmony, bass and drums";
        EXPECT_GE(midi.seconds, tune.shortest);
        EXPECT_LE(midi.seconds, longest_tune);
        EXPECT_GE(midi.note_ons.size(), 4u);
        EXPECT_GT(midi.note_ons.count(9) ? midi.note_ons.at(9) : 0, 100) << "no drums on channel 10";
        for (auto const& [channel, count] : midi.note_ons) {
            EXPECT_GT(count, 20) << "channel " << channel << " hardly plays";
            if (channel != 9) {
                EXPECT_TRUE(midi.programs.contains(channel)) << "channel " << channel << " has no instrument";
            }
        }
        EXPECT_FALSE(midi.tempi.empty());
    }
}

// Tunes differ in more than key: no two share tempo and instruments, and no melody is another's
// melody moved up or down.
TEST(GeneratedSoundFiles, NoTwoTunesAreAlike)
{
    std::set<std::vector<int>> sounds;
    std::set<std::vector<int>> melodies;
    for (auto const& tune : tunes) {
        SCOPED_TRACE(tune.name);
        auto const midi = load_midi(tune.name);
        std::vector<int> sound = {midi.tempi.empty() ? 0 : static_cast<int>(std::lround(midi.tempi.front()))};
        for (auto const& [channel, program] : midi.programs)
            sound.push_back(channel * 128 + program);
        EXPECT_TRUE(sounds.insert(sound).second) << "same tempo and instruments as another tune";

        std::vector<int> intervals;
        for (std::size_t i = 1; i < midi.first_channel_keys.size() && intervals.size() < 48; ++i)
            intervals.push_back(midi.first_channel_keys[i] - midi.first_channel_keys[i - 1]);
        EXPECT_GE(intervals.size(), 24u);
        EXPECT_TRUE(melodies.insert(intervals).second) << "the same melody as another tune";
    }
}

#ifdef GRAWN2_SOUND_GENERATOR

int run_generator(std::string const& arguments)
{
    std::string const command = std::string("\"") + GRAWN2_SOUND_GENERATOR + "\" " + arguments + " >/dev/null 2>&1";
    return std::system(command.c_str());
}

TEST(SoundGenerator, WritesTheSameBytesOnEveryRun)
{
    TempFolder first;
    TempFolder second;
    ASSERT_EQ(run_generator("\"" + first.path().string() + "\""), 0);
    ASSERT_EQ(run_generator("\"" + second.path().string() + "\""), 0);
    for (auto const& name : all_names()) {
        SCOPED_TRACE(name);
        auto const bytes = read_file_bytes(first.path() / name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, read_file_bytes(second.path() / name));
        EXPECT_EQ(bytes, read_file_bytes(program_folder / name)) << "the build's copy differs";
    }
    std::size_t written = 0;
    for ([[maybe_unused]] auto const& entry : std::filesystem::directory_iterator(first.path()))
        ++written;
    EXPECT_EQ(written, all_names().size()) << "the generator writes files the game never asks for";
}

TEST(SoundGenerator, FailsCleanlyWhereItCannotWrite)
{
    EXPECT_NE(run_generator(""), 0);
    EXPECT_NE(run_generator("/dev/null/sounds"), 0);
}

#endif

}
