// Reading WAV effects and MIDI tunes: formats, rates, timing, and damaged files.
#include "platform/audio/midi_song.hpp"
#include "platform/audio/wav_decoder.hpp"
#include "support/audio_files.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace testing_support;
using platform::decode_wav;
using platform::parse_midi;
using platform::parse_wav;

int zero_crossings(std::vector<float> const& stereo, int channel)
{
    int count = 0;
    for (std::size_t i = 2 + static_cast<std::size_t>(channel); i < stereo.size(); i += 2)
        if ((stereo[i - 2] < 0.0f) != (stereo[i] < 0.0f))
            ++count;
    return count;
}

TEST(WavDecoder, SixteenBitMonoAtTheMixRateIsCopiedToBothChannels)
{
    auto const tone = sine_tone(48000, 440.0, 0.25);
    auto const pcm = decode_wav(wav_file(48000, 1, 16, tone));
    ASSERT_TRUE(pcm);
    ASSERT_EQ(pcm->frames(), tone.size());
    for (std::size_t i = 0; i < tone.size(); i += 997) {
        EXPECT_NEAR(pcm->samples[i * 2], tone[i], 1e-4);
        EXPECT_EQ(pcm->samples[i * 2], pcm->samples[i * 2 + 1]);
    }
}

TEST(WavDecoder, EightBitStereoIsResampledKeepingPitchAndChannels)
{
    // Left: a 1 kHz tone; right: silence.
    auto const tone = sine_tone(11025, 1000.0, 1.0);
    std::vector<float> stereo;
    for (auto const sample : tone)
        stereo.insert(stereo.end(), {sample, 0.0f});
    auto const pcm = decode_wav(wav_file(11025, 2, 8, stereo));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->frames(), 48000u);
    EXPECT_NEAR(zero_crossings(pcm->samples, 0), 2000, 4);
    float left_peak = 0.0f;
    float right_peak = 0.0f;
    for (std::size_t i = 0; i < pcm->samples.size(); i += 2) {
        left_peak = std::max(left_peak, std::abs(pcm->samples[i]));
        right_peak = std::max(right_peak, std::abs(pcm->samples[i + 1]));
    }
    EXPECT_NEAR(left_peak, 0.5f, 0.03f);
    EXPECT_LT(right_peak, 0.01f);
}

TEST(WavDecoder, DurationComesFromTheDataChunk)
{
    auto const info = parse_wav(wav_file(22050, 1, 16, std::vector<float>(22050)));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->microseconds(), 1'000'000);
    auto const stereo8 = parse_wav(wav_file(11025, 2, 8, std::vector<float>(2 * 5512)));
    ASSERT_TRUE(stereo8);
    EXPECT_EQ(stereo8->microseconds(), 499'955);
}

TEST(WavDecoder, SkipsOtherChunksAndReadsATruncatedDataChunkAsFarAsItGoes)
{
    auto bytes = wav_file(22050, 1, 16, sine_tone(22050, 300.0, 0.5));
    // An odd-sized chunk (padded to even) between the header and "fmt ".
    std::vector<std::uint8_t> const list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    bytes.insert(bytes.begin() + 12, list.begin(), list.end());
    auto const whole = parse_wav(bytes);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->frames, 11025u);

    bytes.erase(bytes.end() - 1001, bytes.end());
    auto const cut = parse_wav(bytes);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->frames, 11025u - 501);
}

TEST(WavDecoder, RefusesWhatItCannotPlay)
{
    auto const good = wav_file(22050, 1, 16, sine_tone(22050, 300.0, 0.1));
    auto with = [&](std::size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_FALSE(decode_wav({}));
    EXPECT_FALSE(decode_wav(std::vector<std::uint8_t>(good.begin(), good.begin() + 30)));
    EXPECT_FALSE(decode_wav(with(0, 'X')));  // not RIFF
    EXPECT_FALSE(decode_wav(with(20, 3)));   // floating-point samples
    EXPECT_FALSE(decode_wav(with(22, 0)));   // no channels
    EXPECT_FALSE(decode_wav(with(22, 6)));   // 5.1
    EXPECT_FALSE(decode_wav(with(34, 24)));  // 24-bit
    EXPECT_FALSE(decode_wav(with(12, 'x'))); // the format chunk is unknown: data comes first
    std::vector<std::uint8_t> noise(4000);
    for (std::size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    EXPECT_FALSE(decode_wav(noise));
}

TEST(MidiSong, NotesLandOnTheirFramesAndTheSongLastsToItsEnd)
{
    auto const song = parse_midi(midi_file({{500, 250, 60}, {1000, 500, 64}}, 2000));
    ASSERT_TRUE(song);
    std::vector<std::int64_t> note_frames;
    for (auto const& event : song->events)
        if ((event.status & 0xF0) == 0x90 || (event.status & 0xF0) == 0x80)
            note_frames.push_back(event.frame);
    EXPECT_EQ(note_frames, (std::vector<std::int64_t>{24000, 36000, 48000, 72000}));
    EXPECT_EQ(song->length_frames, 96000);
}

// Two tracks (format 1), tempo changes in the first, running status in the second.
std::vector<std::uint8_t> two_track_song()
{
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96,
            // Tempo track: 120 bpm, then at tick 96 60 bpm.
            'M', 'T', 'r', 'k', 0, 0, 0, 11, 96, 0xFF, 0x51, 3, 0x0F, 0x42, 0x40, 0, 0xFF, 0x2F, 0,
            // Notes: on at 96, off (running status, velocity 0) at 192, end at 288.
            'M', 'T', 'r', 'k', 0, 0, 0, 11, 96, 0x91, 60, 90, 0x60, 60, 0, 0x60, 0xFF, 0x2F, 0};
}

TEST(MidiSong, MergesTracksAndFollowsTempoChanges)
{
    auto const song = parse_midi(two_track_song());
    ASSERT_TRUE(song);
    ASSERT_EQ(song->events.size(), 2u);
    EXPECT_EQ(song->events[0].frame, 24000); // a quarter at 120 bpm: 0.5 s
    EXPECT_EQ(song->events[0].status, 0x91);
    EXPECT_EQ(song->events[1].frame, 72000); // then a quarter at 60 bpm: 1 s more
    EXPECT_EQ(song->events[1].data2, 0);
    EXPECT_EQ(song->length_frames, 120000);
}

TEST(MidiSong, TimeCodeDivisionCountsTicksPerSecond)
{
    auto bytes = midi_file({{0, 100, 60}}, 1000);
    bytes[12] = static_cast<std::uint8_t>(-25); // 25 frames a second
    bytes[13] = 40;                             // 40 ticks a frame: a tick per millisecond
    auto const song = parse_midi(bytes);
    ASSERT_TRUE(song);
    EXPECT_EQ(song->length_frames, 48000);
}

TEST(MidiSong, EveryTruncationOfAFileIsRefused)
{
    auto const bytes = midi_file(note_run(0, 3000, 100, 80), 3000);
    ASSERT_TRUE(parse_midi(bytes));
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(parse_midi(std::span(bytes).first(size))) << size << " bytes";
}

TEST(MidiSong, RefusesDamagedFiles)
{
    auto const good = midi_file({{0, 100, 60}}, 500);
    auto with = [&](std::size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    EXPECT_FALSE(parse_midi(with(0, 'X')));   // not a MIDI file
    EXPECT_FALSE(parse_midi(with(11, 0)));    // no tracks
    auto no_division = with(12, 0);
    no_division[13] = 0;
    EXPECT_FALSE(parse_midi(no_division));
    EXPECT_FALSE(parse_midi(with(11, 2)));    // a second track that is not there
    EXPECT_FALSE(parse_midi(with(30, 0x3C))); // a data byte with no status before it
    EXPECT_FALSE(parse_midi(with(30, 0xF2))); // a system message inside a track
    EXPECT_FALSE(parse_midi(with(31, 0x80))); // a status byte where data belongs
}

}
