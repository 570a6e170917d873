// The game's own sound files, made at build time beside the executable: every effect and tune
// is there under the exact name the game asks for, is well formed, lasts as long as it should
// and is audible; the generator's pieces do their jobs, and it writes the same bytes on every run.
#include "support/audio_files.hpp"
#include "support/game_run.hpp"
#include "support/script_run.hpp"
#include "support/sound_files_readers.hpp"
#include "tools/composer.hpp"
#include "tools/dsp.hpp"
#include "tools/effects.hpp"
#include "tools/loudness.hpp"
#include "tools/music_theory.hpp"
#include "tools/smf_writer.hpp"
#include "tools/speech.hpp"
#include "tools/tunes.hpp"
#include "tools/voice.hpp"
#include "tools/wav_writer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
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
// A scene's tune is built for the scene: a few seconds at least, and over once the scene is.
constexpr double scene_tune = 3.0;
constexpr double longest_tune = 180.0;

TuneExpectation const tunes[] = {
    {"INTRO.mid", level_tune}, {"W1L1.mid", level_tune}, {"W1L2.mid", level_tune},
    {"W1L3.mid", level_tune}, {"W1L4.mid", scene_tune}, {"W1L5.mid", scene_tune},
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
        EXPECT_GT(peak, 0.2f);
    }
}

// The game cuts an effect short as soon as the next one starts, 0.1 s later in the flashback
// and 0.5 s on the title's parade: each is at full level within 30 ms, loud from its strongest
// syllable, and all are equally loud over that half second.
TEST(GeneratedSoundFiles, EveryEffectIsFullAtOnceAndAsLoudAsEveryOther)
{
    for (auto const& effect : effects) {
        SCOPED_TRACE(effect.name);
        auto const wav = load_wav(effect.name);
        ASSERT_FALSE(wav.mono.empty());
        EXPECT_LE(soundgen::seconds_to_full_level(wav.mono, wav.sample_rate), 0.030);
        EXPECT_NEAR(soundgen::loudness_db(wav.mono, wav.sample_rate), soundgen::k_effect_loudness_db, 2.0);
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
        // A few seconds of a scene's tune hold a handful of notes a part; a level's, hundreds.
        double const notes_a_second = static_cast<double>(midi.note_ons.count(9) ? midi.note_ons.at(9) : 0) / midi.seconds;
        EXPECT_GT(notes_a_second, 1.0) << "hardly any drums on channel 10";
        for (auto const& [channel, count] : midi.note_ons) {
            EXPECT_GE(count, tune.shortest == level_tune ? 20 : 2) << "channel " << channel << " hardly plays";
            if (channel != 9) {
                EXPECT_TRUE(midi.programs.contains(channel)) << "channel " << channel << " has no instrument";
            }
        }
        EXPECT_FALSE(midi.tempi.empty());
        EXPECT_GE(midi.first_channel_seconds, 0.0);
        EXPECT_LE(midi.first_channel_seconds, 1.5) << "the melody comes in too late to be heard on a short screen";
        EXPECT_EQ(midi.overlapping_note_ons, 0);
        EXPECT_EQ(midi.unmatched_note_offs, 0);
        EXPECT_EQ(midi.stuck_notes, 0);
    }
}

// The scenes that move on by the clock, played headless: each tune a scene plays and then stops
// at a set time is built for that time, ending as it is stopped rather than long before, or long
// after with its phrase cut.
TEST(GeneratedSoundFiles, EachScenesTuneLastsAsLongAsTheScenePlaysIt)
{
    int measured = 0;
    for (char const* scene : {"frmw1l5", "frmw2l5", "frmw3l3x", "frmw4l3x", "frmend"}) {
        SCOPED_TRACE(scene);
        auto const result = testing_support::run(std::string("show ") + scene + "\nwait 60\n", testing_support::game());
        std::map<std::string, double> started;
        for (auto const& line : result.lines()) {
            std::istringstream words(line);
            double milliseconds = 0;
            std::string kind, verb, path;
            words >> milliseconds >> kind >> verb >> path;
            if (kind != "music")
                continue;
            auto const name = path.substr(path.rfind('\\') + 1);
            if (verb == "play") {
                started[name] = milliseconds / 1000;
            } else if (verb == "stop" && started.contains(name)) {
                double const played = milliseconds / 1000 - started[name];
                started.erase(name);
                auto const midi = load_midi(name);
                EXPECT_GE(midi.seconds, played - 2.5) << name << " ends long before its scene stops it after " << played << " s";
                EXPECT_LE(midi.seconds, played + 1.5) << name << " is still going when its scene stops it after " << played << " s";
                ++measured;
            }
        }
    }
    EXPECT_EQ(measured, 7) << "W1L5 twice, W2L5, W3L3X and the flashback's three memories";
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
        EXPECT_GE(intervals.size(), 8u);
        EXPECT_TRUE(melodies.insert(intervals).second) << "the same melody as another tune";
    }
}

// The generator's pieces.

using soundgen::Curve;
using soundgen::k_sample_rate;
using soundgen::Mode;
using soundgen::Scale;
using soundgen::Signal;

// Replaces PATH for one test, so the speech engine cannot be found.
class HiddenSpeechEngine {
public:
    HiddenSpeechEngine()
    {
        if (char const* path = std::getenv("PATH"))
            m_saved = path;
        ::setenv("PATH", "/nonexistent", 1);
    }
    ~HiddenSpeechEngine()
    {
        if (m_saved)
            ::setenv("PATH", m_saved->c_str(), 1);
        else
            ::unsetenv("PATH");
    }
    HiddenSpeechEngine(HiddenSpeechEngine const&) = delete;
    HiddenSpeechEngine& operator=(HiddenSpeechEngine const&) = delete;

private:
    std::optional<std::string> m_saved;
};

Signal sine_wave(double frequency, double seconds)
{
    soundgen::Oscillator oscillator;
    Signal out(soundgen::to_samples(seconds));
    for (float& sample : out)
        sample = oscillator.sine(frequency);
    return out;
}

double rms_of(Signal const& signal, std::size_t skip = 0) { return rms_between(signal, skip, signal.size()); }

int rising_zero_crossings(Signal const& signal)
{
    int count = 0;
    for (std::size_t i = 1; i < signal.size(); ++i)
        count += signal[i - 1] < 0.0f && signal[i] >= 0.0f;
    return count;
}

// The pitch between 80 and 400 Hz, by autocorrelation: the shortest lag that correlates nearly
// as well as the best one, so that twice the period does not pass for it.
double fundamental_of(Signal const& signal)
{
    std::size_t const shortest = k_sample_rate / 400;
    std::size_t const longest = k_sample_rate / 80;
    std::size_t const window = signal.size() / 2;
    std::vector<double> correlation(longest + 2, 0.0);
    for (std::size_t lag = shortest - 1; lag <= longest + 1; ++lag)
        for (std::size_t i = 0; i < window; ++i)
            correlation[lag] += static_cast<double>(signal[i]) * signal[i + lag];
    double const best = *std::max_element(correlation.begin() + static_cast<long>(shortest), correlation.end() - 1);
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        bool const peak = correlation[lag] >= correlation[lag - 1] && correlation[lag] >= correlation[lag + 1];
        if (peak && correlation[lag] >= 0.9 * best)
            return static_cast<double>(k_sample_rate) / static_cast<double>(lag);
    }
    return 0.0;
}

TEST(SoundGeneratorTheory, ScaleDegreesRunOnThroughTheOctaves)
{
    Scale const a_minor(57, Mode::minor);
    EXPECT_EQ(a_minor.key(0), 57);
    EXPECT_EQ(a_minor.key(2), 60);
    EXPECT_EQ(a_minor.key(7), 69);
    EXPECT_EQ(a_minor.key(-1), 55);
    EXPECT_EQ(a_minor.key(-7), 45);
    EXPECT_EQ(a_minor.key(-8), 43);
    EXPECT_EQ(Scale(64, Mode::phrygian).key(1), 65);
    EXPECT_EQ(Scale(62, Mode::harmonic_minor).key(6), 73);
    EXPECT_EQ(Scale(62, Mode::harmonic_minor).transposed(2).key(0), 64);
}

TEST(SoundGeneratorTheory, KeySignaturesFollowTheMajorKeyOfTheSameNotes)
{
    struct Case {
        int tonic;
        Mode mode;
        int fifths;
        bool minor;
    };
    Case const cases[] = {
        {57, Mode::minor, 0, true}, {64, Mode::phrygian, 0, true}, {62, Mode::dorian, 0, true},
        {70, Mode::major, -2, false}, {66, Mode::minor, 3, true}, {67, Mode::mixolydian, 0, false},
        {61, Mode::phrygian_dominant, 3, false}, {65, Mode::major, -1, false}, {71, Mode::phrygian, 1, true},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.tonic);
        Scale const scale(c.tonic, c.mode);
        EXPECT_EQ(scale.key_signature_fifths(), c.fifths);
        EXPECT_EQ(scale.is_minor(), c.minor);
    }
}

TEST(SoundGeneratorTheory, ChordTonesAndCloseVoicings)
{
    EXPECT_TRUE(soundgen::is_chord_tone(4, 0));
    EXPECT_TRUE(soundgen::is_chord_tone(-3, 0));
    EXPECT_FALSE(soundgen::is_chord_tone(3, 0));
    EXPECT_TRUE(soundgen::is_chord_tone(1, 4));
    EXPECT_EQ(soundgen::nearest_chord_tone(3, 0, 1), 4);
    EXPECT_EQ(soundgen::nearest_chord_tone(3, 0, -1), 2);
    EXPECT_EQ(soundgen::nearest_chord_tone(5, 5, 1), 5);

    Scale const c_major(60, Mode::major);
    auto const tonic = soundgen::voice_triad(c_major, 0, 64, {});
    EXPECT_EQ(tonic, (std::vector<int>{60, 64, 67}));
    // From C major to F major the voices move by a semitone and a tone, not by a leap.
    EXPECT_EQ(soundgen::voice_triad(c_major, 3, 64, tonic), (std::vector<int>{60, 65, 69}));
    for (int root = 0; root < 7; ++root) {
        auto const keys = soundgen::voice_triad(c_major, root, 64, tonic);
        ASSERT_EQ(keys.size(), 3u);
        EXPECT_LT(keys[0], keys[1]);
        EXPECT_LT(keys[1], keys[2]);
        EXPECT_LT(keys[2] - keys[0], 12);
        EXPECT_LE(std::abs(keys[1] - 64), 7);
    }
}

TEST(SoundGeneratorMidi, EncodedSongsReadBackWithTheirTempoMap)
{
    soundgen::MidiSong song;
    song.title = "Test";
    song.tempi = {{0, 120.0}, {1920, 60.0}};
    song.end_tick = 3840;
    soundgen::MidiPart part{"Lead", 2, 73, 100, 64, 40, 0, {}};
    for (std::uint32_t beat = 0; beat < 8; ++beat)
        part.notes.push_back({beat * 480, 400, 60 + static_cast<int>(beat), 90});
    song.parts = {part, soundgen::MidiPart{"Drums", 9, 0, 100, 64, 0, 0, {{0, 60, 36, 100}, {99000, 60, 38, 100}}}};
    song.end_tick = 100000;

    auto const midi = read_midi(soundgen::encode_smf(song));
    ASSERT_TRUE(midi.has_value());
    EXPECT_EQ(midi->format, 1);
    EXPECT_EQ(midi->track_count, 3);
    EXPECT_EQ(midi->ticks_per_quarter, 480);
    // Four beats at 120, then the rest (a delta time longer than three bytes) at 60.
    EXPECT_NEAR(midi->seconds, 2.0 + (100000.0 - 1920.0) / 480.0, 1e-6);
    EXPECT_EQ(midi->tempi, (std::vector<double>{120.0, 60.0}));
    EXPECT_EQ(midi->programs.at(2), 73);
    EXPECT_EQ(midi->note_ons.at(2), 8);
    EXPECT_EQ(midi->note_ons.at(9), 2);
}

TEST(SoundGeneratorMidi, AKeyStruckAgainIsNotSilencedByTheNoteBeforeIt)
{
    soundgen::MidiSong song;
    song.tempi = {{0, 100.0}};
    song.end_tick = 4000;
    song.parts = {soundgen::MidiPart{"Lead", 0, 0, 100, 64, 0, 0,
        {{0, 960, 60, 90}, {480, 480, 60, 90}, {480, 480, 60, 80}, {2000, 0, 62, 90}}}};
    auto const midi = read_midi(soundgen::encode_smf(song));
    ASSERT_TRUE(midi.has_value());
    EXPECT_EQ(midi->note_ons.at(0), 3) << "the same strike twice is played once";
    EXPECT_EQ(midi->overlapping_note_ons, 0);
    EXPECT_EQ(midi->unmatched_note_offs, 0);
    EXPECT_EQ(midi->stuck_notes, 0);
}

TEST(SoundGeneratorComposer, EveryPitchedNoteIsInTheTunesKeyAndRange)
{
    for (auto const& style : soundgen::tune_styles()) {
        SCOPED_TRACE(style.file_name);
        auto const song = soundgen::compose(style);
        std::set<int> in_key;
        for (int lift : {0, style.key_lift == soundgen::KeyLift::last_chorus ? 2 : 0})
            for (int degree = 0; degree < 7; ++degree)
                in_key.insert(Scale(60 + style.tonic + lift, style.mode).key(degree) % 12);
        for (auto const& part : song.parts) {
            for (auto const& note : part.notes) {
                EXPECT_LE(note.start + note.length, song.end_tick);
                EXPECT_GE(note.velocity, 1);
                EXPECT_LE(note.velocity, 127);
                if (part.channel == soundgen::k_drum_channel) {
                    EXPECT_GE(note.key, 35);
                    EXPECT_LE(note.key, 81);
                    continue;
                }
                EXPECT_TRUE(in_key.contains(note.key % 12)) << part.name << " plays key " << note.key;
                EXPECT_GE(note.key, 24) << part.name;
                EXPECT_LE(note.key, 100) << part.name;
            }
        }
    }
}

TEST(SoundGeneratorComposer, LiftsRitardandosAndLengthFollowTheStyle)
{
    auto style = soundgen::tune_styles().front();
    style.key_lift = soundgen::KeyLift::none;
    style.ending = soundgen::Ending::held;
    style.seconds = 60.0;
    auto const plain = soundgen::compose(style);

    style.key_lift = soundgen::KeyLift::last_chorus;
    auto const lifted = soundgen::compose(style);
    EXPECT_EQ(lifted.parts.front().notes.back().key, plain.parts.front().notes.back().key + 2);

    style.ending = soundgen::Ending::ritardando;
    auto const slowing = soundgen::compose(style);
    ASSERT_GT(slowing.tempi.size(), 2u);
    for (std::size_t i = 1; i < slowing.tempi.size(); ++i)
        EXPECT_LT(slowing.tempi[i].beats_per_minute, slowing.tempi[i - 1].beats_per_minute);
    EXPECT_EQ(plain.tempi.size(), 1u);

    for (double const target : {60.0, 150.0}) {
        style.seconds = target;
        auto const midi = read_midi(soundgen::encode_smf(soundgen::compose(style)));
        ASSERT_TRUE(midi.has_value());
        EXPECT_GE(midi->seconds, target);
        EXPECT_LE(midi->seconds, target + 40.0);
    }
}

TEST(SoundGeneratorDsp, CurvesInterpolateAndHoldTheirEnds)
{
    Curve const curve{{0.0, 0.0}, {1.0, 10.0}, {2.0, 0.0}};
    EXPECT_DOUBLE_EQ(curve.at(-1.0), 0.0);
    EXPECT_DOUBLE_EQ(curve.at(0.5), 5.0);
    EXPECT_DOUBLE_EQ(curve.at(1.5), 5.0);
    EXPECT_DOUBLE_EQ(curve.at(3.0), 0.0);
    EXPECT_DOUBLE_EQ(Curve(4.0).at(7.0), 4.0);
}

TEST(SoundGeneratorDsp, OscillatorsHoldTheirPitchAndFiltersTheirBand)
{
    soundgen::Oscillator saw;
    Signal buzz(k_sample_rate);
    for (float& sample : buzz)
        sample = saw.saw(441.0);
    EXPECT_NEAR(rising_zero_crossings(buzz), 441, 2);
    EXPECT_NEAR(rising_zero_crossings(sine_wave(100.0, 1.0)), 100, 1);

    auto filtered = [](Signal signal, auto filter) {
        soundgen::Svf svf;
        for (float& sample : signal)
            sample = filter(svf, sample);
        return signal;
    };
    auto const low = [](soundgen::Svf& f, float x) { return f.lowpass(x, 1000.0); };
    auto const high = [](soundgen::Svf& f, float x) { return f.highpass(x, 1000.0); };
    auto const band = [](soundgen::Svf& f, float x) { return f.bandpass(x, 1000.0, 4.0); };
    std::size_t const settle = k_sample_rate / 20;
    EXPECT_NEAR(rms_of(filtered(sine_wave(100.0, 0.5), low), settle), std::sqrt(0.5), 0.03);
    EXPECT_LT(rms_of(filtered(sine_wave(8000.0, 0.5), low), settle), 0.03);
    EXPECT_NEAR(rms_of(filtered(sine_wave(8000.0, 0.5), high), settle), std::sqrt(0.5), 0.03);
    EXPECT_LT(rms_of(filtered(sine_wave(100.0, 0.5), high), settle), 0.03);
    EXPECT_NEAR(rms_of(filtered(sine_wave(1000.0, 0.5), band), settle), std::sqrt(0.5), 0.03);
    EXPECT_LT(rms_of(filtered(sine_wave(4000.0, 0.5), band), settle), 0.1);
}

TEST(SoundGeneratorDsp, ReverbPanningAndResampling)
{
    Signal click(100, 0.0f);
    click[0] = 1.0f;
    auto const wet = soundgen::add_reverb(click, 0.8, 0.3, 1.0, 1.0);
    EXPECT_EQ(wet.size(), 100u + static_cast<std::size_t>(k_sample_rate));
    EXPECT_GT(rms_between(wet, k_sample_rate / 10, k_sample_rate / 5), 1e-4) << "no tail";

    Signal const ones(10, 1.0f);
    auto const hard_left = soundgen::pan(ones, -1.0);
    EXPECT_FLOAT_EQ(hard_left.left[3], 1.0f);
    EXPECT_NEAR(hard_left.right[3], 0.0f, 1e-6);
    auto const centre = soundgen::pan(ones, 0.0);
    EXPECT_NEAR(centre.left[3], std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(centre.right[3], std::sqrt(0.5), 1e-6);

    Signal ramp(1001);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<float>(i) / 1000.0f;
    auto const faster = soundgen::resample(ramp, 2.0);
    EXPECT_EQ(faster.size(), 501u);
    EXPECT_FLOAT_EQ(faster[250], 0.5f);
    EXPECT_EQ(soundgen::trim_silence(Signal{0.0f, 0.0f, 0.5f, -0.5f, 0.0f}, 0.1), (Signal{0.5f, -0.5f}));
}

TEST(SoundGeneratorWav, EncodesClampedSixteenBitPcmThatReadsBack)
{
    soundgen::Sound const sound{2, {0.5f, -0.5f, 2.0f, -2.0f}};
    auto const bytes = soundgen::encode_wav(sound);
    ASSERT_EQ(bytes.size(), 44u + 8u);
    auto const wav = read_wav(bytes);
    ASSERT_TRUE(wav.has_value());
    EXPECT_EQ(wav->channels, 2);
    EXPECT_EQ(wav->sample_rate, 44100);
    EXPECT_EQ(wav->bits, 16);
    EXPECT_DOUBLE_EQ(wav->seconds, 2.0 / 44100.0);
    auto const sample = [&bytes](std::size_t index) {
        return static_cast<std::int16_t>(bytes[44 + 2 * index] | (bytes[45 + 2 * index] << 8));
    };
    EXPECT_EQ(sample(0), 16384);
    EXPECT_EQ(sample(1), -16384);
    EXPECT_EQ(sample(2), 32767) << "loud samples clip instead of wrapping round";
    EXPECT_EQ(sample(3), -32767);
}

TEST(SoundGeneratorVoice, TheVoiceSingsAtItsPitch)
{
    for (double const pitch : {110.0, 200.0, 330.0}) {
        SCOPED_TRACE(pitch);
        auto const sung = soundgen::sing_voice({.length = 0.5, .pitch = Curve(pitch), .breath = Curve(0.0)});
        EXPECT_GT(rms_of(sung), 0.01);
        EXPECT_NEAR(fundamental_of(sung), pitch, pitch * 0.04);
    }
}

TEST(SoundGeneratorSpeech, SpokenWordsAreCleanAndShort)
{
    if (std::system("command -v espeak-ng >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "espeak-ng is not installed";
    auto const word = soundgen::speak("Left!", {});
    ASSERT_TRUE(word.has_value());
    double const seconds = static_cast<double>(word->size()) / k_sample_rate;
    EXPECT_GT(seconds, 0.1);
    EXPECT_LT(seconds, 1.5);
    EXPECT_GT(std::fabs(word->front()) + std::fabs(word->back()), 0.0) << "silence at the ends is trimmed";
    // Bringing the engine's rate up to ours leaves no mirror images above its band.
    soundgen::Svf svf;
    Signal above(word->size());
    for (std::size_t i = 0; i < above.size(); ++i)
        above[i] = svf.highpass((*word)[i], 12000.0);
    EXPECT_LT(rms_of(above), 0.02 * rms_of(*word));
}

TEST(SoundGeneratorSpeech, WithoutTheSpeechEngineTheSpokenEffectsAreSynthesised)
{
    HiddenSpeechEngine const hidden;
    EXPECT_FALSE(soundgen::speak("Up!", {}).has_value());
    for (auto const make : {soundgen::make_thief, soundgen::make_give_up, soundgen::make_way_to_rock,
             soundgen::make_dance_up, soundgen::make_dance_left}) {
        auto const sound = make();
        ASSERT_FALSE(sound.samples.empty());
        EXPECT_GT(rms_of(sound.samples), 0.03);
    }
}

// Running the generator.

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

}
