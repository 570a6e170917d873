// Cost of the audio callback: the share of one core spent mixing a tune and a sound effect.
//
// Usage: audio_mix_bench [TUNE.mid [SOUND.wav [SOUNDFONT.sf2]]]
// By default it plays the game's W1L1.mid and gundead.wav from the program folder when they are
// there, else a busy four-part tune and a noise burst made here.
#include "platform/audio/file_bytes.hpp"
#include "platform/audio/midi_song.hpp"
#include "platform/audio/mixer.hpp"
#include "platform/audio/sound_file.hpp"
#include "platform/audio/soundfont_finder.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>

namespace {

using namespace platform;

constexpr int seconds_rendered = 60;
constexpr std::size_t block_frames = 1024;
// A new shot every half second: the voice is never idle.
constexpr std::int64_t sound_every_frames = mix_rate / 2;

double thread_seconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void add_note(Song& song, std::int64_t at, std::int64_t length, int channel, int key, int velocity)
{
    auto const status = static_cast<std::uint8_t>(channel);
    song.events.push_back({at, static_cast<std::uint8_t>(0x90 | status),
                           static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(velocity)});
    song.events.push_back({at + length, static_cast<std::uint8_t>(0x80 | status),
                           static_cast<std::uint8_t>(key), 0});
}

// 140 bpm: sixteenth-note lead and hi-hats, eighth-note bass, four-note chords on every beat.
std::shared_ptr<Song const> busy_tune()
{
    Song song;
    song.events.push_back({0, 0xC0, 81, 0}); // lead
    song.events.push_back({0, 0xC1, 48, 0}); // strings
    song.events.push_back({0, 0xC2, 34, 0}); // bass
    constexpr std::int64_t sixteenth = mix_rate * 60 / 140 / 4;
    int const scale[] = {0, 3, 5, 7, 10, 12, 10, 7};
    for (std::int64_t step = 0; step * sixteenth < seconds_rendered * mix_rate; ++step) {
        auto const at = step * sixteenth;
        add_note(song, at, sixteenth, 0, 72 + scale[step % 8], 90);
        add_note(song, at, sixteenth / 2, 9, 42, 70); // closed hi-hat
        if (step % 2 == 0)
            add_note(song, at, sixteenth * 2, 2, 36 + scale[(step / 8) % 4], 100);
        if (step % 4 == 0) {
            add_note(song, at, sixteenth * 4, 9, step % 8 == 0 ? 36 : 38, 110);
            for (int chord_note : {48, 55, 60, 63})
                add_note(song, at, sixteenth * 4, 1, chord_note + scale[(step / 16) % 4], 70);
        }
    }
    std::ranges::stable_sort(song.events, {}, &MidiEvent::frame);
    song.length_frames = seconds_rendered * mix_rate;
    return std::make_shared<Song const>(std::move(song));
}

std::shared_ptr<Pcm const> noise_shot()
{
    std::mt19937 random(1);
    std::uniform_real_distribution<float> noise(-0.8f, 0.8f);
    Pcm shot;
    for (int frame = 0; frame < mix_rate * 2 / 5; ++frame) {
        auto const sample = noise(random) * std::exp(-8.0f * static_cast<float>(frame) / mix_rate);
        shot.samples.insert(shot.samples.end(), {sample, sample});
    }
    return std::make_shared<Pcm const>(std::move(shot));
}

std::optional<std::filesystem::path> soundfont_from(int argc, char** argv)
{
    if (argc > 3)
        return std::filesystem::path(argv[3]);
    return find_soundfont([](char const* name) { return static_cast<char const*>(std::getenv(name)); });
}

}

int main(int argc, char** argv)
{
    auto const program_folder = std::filesystem::absolute(argv[0]).parent_path().parent_path();
    auto const tune_path = argc > 1 ? std::filesystem::path(argv[1]) : program_folder / "W1L1.mid";
    auto const sound_path = argc > 2 ? std::filesystem::path(argv[2]) : program_folder / "gundead.wav";

    auto tune = load_song(tune_path);
    std::printf("tune:  %s\n", tune ? tune_path.c_str() : "a busy four-part tune made here");
    if (!tune)
        tune = busy_tune();
    std::error_code error;
    bool const have_sound = std::filesystem::is_regular_file(sound_path, error);
    auto const sound = have_sound ? load_sound(sound_path) : noise_shot();
    std::printf("sound: %s, %.2f s, every %.1f s\n",
                have_sound ? sound_path.c_str() : "a noise burst made here",
                static_cast<double>(sound->frames()) / mix_rate,
                static_cast<double>(sound_every_frames) / mix_rate);

    auto const soundfont = soundfont_from(argc, argv);
    Mixer mixer;
    if (soundfont)
        mixer.load_soundfont(*soundfont, SoundfontLoading::blocking);
    if (!soundfont || !mixer.wait_for_soundfont()) {
        std::fprintf(stderr, "audio_mix_bench: no usable soundfont; pass one as the third argument\n");
        return 1;
    }
    std::printf("soundfont: %s\n", soundfont->c_str());

    mixer.tune_command(MediaVerb::play, "bench", tune);
    std::vector<float> block(block_frames * mix_channels);
    std::int64_t const total_frames = std::int64_t{seconds_rendered} * mix_rate;
    double worst_block = 0.0;
    float loudest = 0.0f;
    auto const start = thread_seconds();
    for (std::int64_t frame = 0; frame < total_frames; frame += block_frames) {
        if (frame % sound_every_frames < static_cast<std::int64_t>(block_frames))
            mixer.play_sound(sound);
        auto const block_start = thread_seconds();
        mixer.render(block.data(), block_frames);
        worst_block = std::max(worst_block, thread_seconds() - block_start);
        for (auto const sample : block)
            loudest = std::max(loudest, std::abs(sample));
    }
    auto const spent = thread_seconds() - start;

    auto const block_seconds = static_cast<double>(block_frames) / mix_rate;
    std::printf("rendered %d s at %d Hz stereo in %zu-frame blocks (peak %.2f)\n",
                seconds_rendered, mix_rate, block_frames, static_cast<double>(loudest));
    std::printf("CPU: %.3f s = %.2f%% of one core (goal: under 5%%)\n", spent,
                100.0 * spent / seconds_rendered);
    std::printf("worst block: %.2f ms of its %.2f ms\n", worst_block * 1e3, block_seconds * 1e3);
    return 0;
}
