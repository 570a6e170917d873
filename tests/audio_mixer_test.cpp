// The mixer rendered offline: the tune rules on a real synthesiser, and the sound-effect voice.
#include "platform/audio/alert_chime.hpp"
#include "platform/audio/fluid_synth.hpp"
#include "platform/audio/media_control.hpp"
#include "platform/audio/mixer.hpp"
#include "platform/audio/sound_file.hpp"
#include "platform/audio/soundfont_finder.hpp"
#include "platform/audio/upsampler.hpp"
#include "support/audio_files.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <thread>

namespace {

using namespace testing_support;
using platform::Mixer;
using platform::SoundfontLoading;

constexpr std::int64_t second = 48000;
// Below -100 dB: what is left of a synthesiser with nothing sounding.
constexpr float silent = 1e-5f;

std::optional<std::filesystem::path> test_soundfont()
{
    std::filesystem::path const usual = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    std::error_code error;
    if (std::filesystem::is_regular_file(usual, error))
        return usual;
    return platform::find_soundfont([](char const* name) { return std::getenv(name); });
}

class MixerTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_folder.write("A.mid", midi_file(note_run(0, 6000, 250, 200), 6000));
        m_folder.write("B.mid", midi_file(note_run(0, 6000, 300, 250), 6000));
        m_folder.write("gunshot.wav", wav_file(22050, 1, 16, noise_burst(22050, 0.4)));
    }

    bool load_soundfont()
    {
        auto const soundfont = test_soundfont();
        if (!soundfont)
            return false;
        m_mixer.load_soundfont(*soundfont, SoundfontLoading::blocking);
        return true;
    }

    void send(std::string const& verb, std::string const& name)
    {
        m_control.send_command(verb + " " + m_folder.game_path(name));
    }

    std::vector<float> render(std::int64_t frames)
    {
        std::vector<float> out(static_cast<std::size_t>(frames) * 2);
        // In device-sized blocks, as the audio callback asks for it.
        for (std::int64_t done = 0; done < frames; done += 1024) {
            auto const block = std::min<std::int64_t>(1024, frames - done);
            m_mixer.render(out.data() + done * 2, static_cast<std::size_t>(block));
        }
        return out;
    }

    std::string playing() const
    {
        auto const& tune = m_mixer.current_tune();
        return tune.empty() ? "" : tune.substr(tune.rfind('\\') + 1);
    }

    TempFolder m_folder;
    Mixer m_mixer;
    platform::MediaControl m_control{m_mixer};
};

#define REQUIRE_SOUNDFONT()                                                                     \
    if (!load_soundfont())                                                                      \
    GTEST_SKIP() << "no General MIDI soundfont installed"

TEST_F(MixerTest, ATuneRendersSoundAndASecondPlayOfItChangesNothing)
{
    REQUIRE_SOUNDFONT();
    send("play", "A.mid");
    EXPECT_GT(peak(render(second)), 0.02f);
    EXPECT_EQ(playing(), "A.mid");
    send("play", "A.mid");
    render(second / 2);
    EXPECT_EQ(m_mixer.tune_position(), second * 3 / 2);
}

TEST_F(MixerTest, PauseHoldsTheTuneAndPlayContinuesWhereItWas)
{
    REQUIRE_SOUNDFONT();
    send("play", "A.mid");
    render(second);
    send("pause", "A.mid");
    auto const paused = render(4 * second);
    EXPECT_EQ(playing(), "");
    // The last notes ring out, then nothing.
    EXPECT_LT(peak(std::span(paused).last(second)), silent);

    send("play", "A.mid");
    EXPECT_GT(peak(render(second / 2)), 0.02f);
    EXPECT_EQ(playing(), "A.mid");
    EXPECT_EQ(m_mixer.tune_position(), second * 3 / 2);
}

TEST_F(MixerTest, APausedTuneKeepsItsPlaceWhileAnotherPlays)
{
    REQUIRE_SOUNDFONT();
    send("play", "A.mid");
    render(second);
    send("pause", "A.mid");
    send("play", "B.mid");
    render(second);
    send("stop", "B.mid");
    send("play", "A.mid");
    render(second / 4);
    EXPECT_EQ(playing(), "A.mid");
    EXPECT_EQ(m_mixer.tune_position(), second * 5 / 4);
}

TEST_F(MixerTest, ASecondTuneReplacesTheFirstWhichThenStartsAgainFromTheTop)
{
    REQUIRE_SOUNDFONT();
    send("play", "A.mid");
    render(second);
    send("play", "B.mid");
    EXPECT_GT(peak(render(second / 2)), 0.02f);
    EXPECT_EQ(playing(), "B.mid");
    EXPECT_EQ(m_mixer.tune_position(), second / 2);
    send("play", "A.mid");
    render(second / 4);
    EXPECT_EQ(playing(), "A.mid");
    EXPECT_EQ(m_mixer.tune_position(), second / 4);
}

TEST_F(MixerTest, StopThenPlayStartsFromTheTop)
{
    REQUIRE_SOUNDFONT();
    send("play", "A.mid");
    render(second);
    send("stop", "B.mid"); // not playing: no effect
    EXPECT_EQ(playing(), "A.mid");
    send("stop", "A.mid");
    EXPECT_EQ(playing(), "A.mid"); // commands take effect at the next rendered block
    render(1);
    EXPECT_EQ(playing(), "");
    send("play", "A.mid");
    render(second / 2);
    EXPECT_EQ(m_mixer.tune_position(), second / 2);
}

TEST_F(MixerTest, ATunePlaysOnceToItsEnd)
{
    REQUIRE_SOUNDFONT();
    m_folder.write("short.mid", midi_file({{0, 300, 67}}, 1000));
    send("play", "short.mid");
    render(second);
    EXPECT_EQ(playing(), "");
    auto const after = render(5 * second);
    EXPECT_LT(peak(std::span(after).last(second)), silent);
    EXPECT_EQ(playing(), "");
}

TEST_F(MixerTest, ATruncatedOrMissingTuneNeitherCrashesNorPlays)
{
    REQUIRE_SOUNDFONT();
    auto bytes = midi_file(note_run(0, 4000, 250, 200), 4000);
    bytes.resize(bytes.size() * 2 / 3);
    m_folder.write("cut.mid", bytes);
    send("play", "cut.mid");
    EXPECT_LT(peak(render(second)), silent);
    EXPECT_EQ(playing(), "");
    send("play", "nowhere.mid");
    send("pause", "nowhere.mid");
    send("stop", "nowhere.mid");
    EXPECT_LT(peak(render(second)), silent);
}

TEST_F(MixerTest, ATuneAskedForBeforeTheSoundfontStartsWhenItIsReady)
{
    send("play", "A.mid");
    EXPECT_EQ(peak(render(second / 2)), 0.0f);
    EXPECT_EQ(m_mixer.tune_position(), 0);
    REQUIRE_SOUNDFONT();
    EXPECT_GT(peak(render(second / 2)), 0.02f);
    EXPECT_EQ(m_mixer.tune_position(), second / 2);
}

TEST_F(MixerTest, TheSoundfontLoadsInTheBackground)
{
    auto const soundfont = test_soundfont();
    if (!soundfont)
        GTEST_SKIP() << "no General MIDI soundfont installed";
    m_mixer.load_soundfont(*soundfont, SoundfontLoading::background);
    send("play", "A.mid");
    ASSERT_TRUE(m_mixer.wait_for_soundfont());
    EXPECT_GT(peak(render(second)), 0.02f);
}

TEST_F(MixerTest, WithoutASoundfontTunesAreSilentAndEffectsStillPlay)
{
    m_folder.write("broken.sf2", wav_file(22050, 1, 16, noise_burst(22050, 0.1)));
    int failures = 0;
    m_mixer.load_soundfont(m_folder.path() / "broken.sf2", SoundfontLoading::background,
                           [&] { ++failures; });
    EXPECT_FALSE(m_mixer.wait_for_soundfont());
    EXPECT_EQ(failures, 1);
    send("play", "A.mid");
    EXPECT_EQ(peak(render(second / 2)), 0.0f);
    m_control.play_wav(m_folder.game_path("gunshot.wav"));
    EXPECT_GT(peak(render(second / 2)), 0.3f);
}

TEST_F(MixerTest, AGunshotPlaysOnceForItsLength)
{
    auto const started = m_control.play_wav(m_folder.game_path("gunshot.wav"));
    EXPECT_EQ(started.microseconds, 400'000);
    auto const shot = render(second / 2);
    EXPECT_GT(peak(shot), 0.3f);
    EXPECT_FALSE(m_mixer.sound_playing());
    EXPECT_EQ(peak(std::span(shot).subspan(static_cast<std::size_t>(second * 2 * 2 / 5))), 0.0f);
}

TEST_F(MixerTest, AMissingOrDamagedSoundPlaysTheAlertChime)
{
    Mixer reference;
    reference.play_sound(platform::alert_chime());
    auto const frames = static_cast<std::int64_t>(platform::alert_chime()->frames());
    std::vector<float> chime(static_cast<std::size_t>(frames) * 2);
    reference.render(chime.data(), static_cast<std::size_t>(frames));
    ASSERT_GT(peak(chime), 0.1f);

    auto garbage = wav_file(22050, 1, 16, noise_burst(22050, 0.2));
    garbage[34] = 12; // 12-bit samples
    m_folder.write("damaged.wav", garbage);
    for (auto const* name : {"missing.wav", "damaged.wav"}) {
        EXPECT_EQ(m_control.play_wav(m_folder.game_path(name)).microseconds,
                  platform::alert_chime()->microseconds());
        EXPECT_EQ(render(frames), chime) << name;
    }
}

TEST_F(MixerTest, ANewSoundCutsOffTheOneStillPlaying)
{
    m_folder.write("long.wav", wav_file(48000, 1, 16, sine_tone(48000, 220.0, 2.0)));
    m_control.play_wav(m_folder.game_path("long.wav"));
    render(second / 10);
    m_control.play_wav(m_folder.game_path("gunshot.wav"));
    auto const after = render(second / 2);
    EXPECT_FALSE(m_mixer.sound_playing());
    EXPECT_EQ(peak(std::span(after).last(second / 10 * 2)), 0.0f);
}

// A long sound decodes on a thread of its own: meanwhile the mix is silent, then the sound plays
// from its start exactly as if it had been decoded at once; stopped while it decodes, it ends.
TEST_F(MixerTest, ALongSoundPlaysFromItsStartOnceDecodedAndCanBeStoppedBefore)
{
    m_folder.write("music.wav", wav_file(44100, 2, 16, noise_burst(44100 * 2, 3.0)));
    auto const path = m_folder.game_path("music.wav");
    Mixer reference;
    auto const decoded = platform::load_sound(platform::map_game_path(path));
    reference.play_sound(decoded);
    std::vector<float> expected(second * 2);
    reference.render(expected.data(), second);

    platform::MediaControl control{m_mixer, platform::SoundDecoding::long_ones_in_background};
    auto const started = control.play_wav(path);
    EXPECT_EQ(started.microseconds, decoded->microseconds());
    std::vector<float> block(1024 * 2);
    for (int tries = 0; tries < 5000 && peak(block) == 0.0f; ++tries) {
        m_mixer.render(block.data(), 1024);
        if (peak(block) == 0.0f)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    auto const rest = render(second - 1024);
    block.insert(block.end(), rest.begin(), rest.end());
    EXPECT_EQ(block, expected);

    // The sound still playing fades out for 10 ms under the stop.
    auto const stopped = control.play_wav(path);
    control.stop_all();
    auto const after = render(second);
    EXPECT_EQ(peak(std::span(after).subspan(second / 50 * 2)), 0.0f);
    EXPECT_FALSE(m_mixer.sound_playing());
    EXPECT_TRUE(m_mixer.wait_for_sound(stopped.number, std::chrono::steady_clock::now()));
}

TEST_F(MixerTest, StopAllSilencesTheTuneAndTheSound)
{
    REQUIRE_SOUNDFONT();
    send("play", "A.mid");
    m_control.play_wav(m_folder.game_path("gunshot.wav"));
    render(second / 10);
    m_control.stop_all();
    auto const after = render(4 * second);
    EXPECT_EQ(playing(), "");
    EXPECT_FALSE(m_mixer.sound_playing());
    EXPECT_LT(peak(std::span(after).last(second)), silent);
}

TEST_F(MixerTest, SixteenBitOutputFollowsTheFloatMix)
{
    m_control.play_wav(m_folder.game_path("gunshot.wav"));
    std::vector<std::int16_t> out(4096 * 2);
    m_mixer.render(out.data(), 4096);
    auto const loudest = std::ranges::max(out, {}, [](std::int16_t v) { return std::abs(v); });
    EXPECT_GT(std::abs(loudest), 10000);
}

// RMS in dB of both channels together.
double loudness_db(std::span<float const> stereo)
{
    double sum = 0;
    for (std::size_t i = 0; i + 1 < stereo.size(); i += 2) {
        double const mono = 0.5 * (stereo[i] + stereo[i + 1]);
        sum += mono * mono;
    }
    return 10 * std::log10(std::max(sum / static_cast<double>(stereo.size() / 2), 1e-18));
}

// The game's own files, when the build has made them: every tune plays, some 8 dB under the
// effects (each over what is heard of it before the game's longest cut, half a second), so that
// a shot or a call always rises above the music without the music fading away.
TEST_F(MixerTest, TheGamesTunesPlayASetAmountUnderItsEffects)
{
    std::filesystem::path const folder = GRAWN2_PROGRAM_DIR;
    std::error_code error;
    if (!std::filesystem::is_regular_file(folder / "INTRO.mid", error) || !std::filesystem::is_regular_file(folder / "gundead.wav", error))
        GTEST_SKIP() << "the game's sound files are not built";
    REQUIRE_SOUNDFONT();
    std::vector<std::pair<std::string, double>> effects, tunes;
    for (auto const& entry : std::filesystem::directory_iterator(folder)) {
        auto const name = entry.path().filename().string();
        if (entry.path().extension() == ".wav") {
            m_control.play_wav(folder.string() + "\\" + name);
            effects.emplace_back(name, loudness_db(render(second / 2)));
            m_mixer.stop_all();
        } else if (entry.path().extension() == ".mid") {
            m_control.send_command("play " + folder.string() + "\\" + name);
            // The shortest tune, a memory in the flashback, lasts four seconds.
            tunes.emplace_back(name, loudness_db(render(7 * second / 2)));
            EXPECT_EQ(playing(), name);
        }
    }
    ASSERT_EQ(effects.size(), 22u);
    ASSERT_EQ(tunes.size(), 30u);
    double effect_level = 0;
    for (auto const& [name, level] : effects)
        effect_level += level / static_cast<double>(effects.size());
    for (auto const& [name, level] : effects)
        EXPECT_NEAR(level, effect_level, 2.0) << name;
    for (auto const& [name, level] : tunes)
        EXPECT_NEAR(effect_level - level, 8.0, 3.0) << name << " at " << level << " dB under effects at " << effect_level << " dB";
}

// Sounds replaced one after another, even two posted within one block, fade out: the mix never
// jumps by more than the sounds themselves move.
TEST_F(MixerTest, ReplacedSoundsFadeWithoutAJump)
{
    auto const low_hum = wav_file(48000, 1, 16, sine_tone(48000, 60.0, 2.0));
    m_folder.write("hum.wav", low_hum);
    m_control.play_wav(m_folder.game_path("hum.wav"));
    // A quarter of the hum's period past a whole number of them: it is at its crest.
    auto mix = render(second / 10 + 200);
    m_control.play_wav(m_folder.game_path("hum.wav"));
    m_control.play_wav(m_folder.game_path("hum.wav"));
    auto const after = render(second / 10);
    mix.insert(mix.end(), after.begin(), after.end());
    float steepest = 0;
    for (std::size_t i = 2; i < mix.size(); ++i)
        steepest = std::max(steepest, std::abs(mix[i] - mix[i - 2]));
    // A 60 Hz sine at full scale moves by 0.008 a frame; a cut at its crest would jump by 0.8.
    EXPECT_LT(steepest, 0.03f);
}

// The synthesiser runs at half the mixer's rate: what it renders comes up to the full rate with
// its pitch and level, without images of itself above the half rate's band.
TEST(Upsampler, DoublesTheRateKeepingPitchAndLevel)
{
    platform::Upsampler upsampler;
    std::vector<float> out;
    for (int i = 0; i < 24000; ++i) {
        float const sample = static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * 1000.0 * i / 24000.0));
        float frames[4];
        upsampler.push(sample, -sample, frames);
        out.insert(out.end(), frames, frames + 4);
    }
    // Correlate the left channel with 1 kHz and with its image at 23 kHz.
    auto const strength = [&](double frequency) {
        double re = 0, im = 0;
        std::size_t const from = 4800;
        for (std::size_t frame = from; frame < out.size() / 2; ++frame) {
            double const phase = 2 * std::numbers::pi * frequency * static_cast<double>(frame) / 48000.0;
            re += out[2 * frame] * std::cos(phase);
            im += out[2 * frame] * std::sin(phase);
        }
        return 2 * std::hypot(re, im) / static_cast<double>(out.size() / 2 - from);
    };
    EXPECT_NEAR(strength(1000.0), 0.5, 0.01);
    EXPECT_LT(strength(23000.0), 0.005) << "the image above the band";
    EXPECT_FLOAT_EQ(out[2 * 30001], -out[2 * 30001 + 1]);
}

TEST(FluidSynthRendering, AnyBlockSizesGiveTheSameSound)
{
    auto const soundfont = test_soundfont();
    if (!soundfont)
        GTEST_SKIP() << "no General MIDI soundfont installed";
    auto whole = platform::FluidSynth::load(*soundfont);
    auto pieces = platform::FluidSynth::load(*soundfont);
    ASSERT_TRUE(whole && pieces);
    for (auto* synth : {whole.get(), pieces.get()})
        synth->send(0x90, 69, 100);
    std::size_t const frames = 12000;
    std::vector<float> one(frames * 2), many(frames * 2);
    whole->render(one.data(), static_cast<int>(frames));
    // Odd and even pieces, so that half-rate frames are split across calls.
    for (std::size_t done = 0, piece = 1; done < frames; done += piece, piece = piece % 7 + 2) {
        piece = std::min(piece, frames - done);
        pieces->render(many.data() + done * 2, static_cast<int>(piece));
    }
    EXPECT_GT(peak(one), 0.01f);
    EXPECT_EQ(one, many);
}

}
