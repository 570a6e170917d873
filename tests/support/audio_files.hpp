// Small WAV and MIDI files written by the audio tests themselves, in a folder they remove.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the system's temporary folder, named with a space and a non-ASCII letter
// as a player's folder may be; removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(TempFolder const&) = delete;
    TempFolder& operator=(TempFolder const&) = delete;

    std::filesystem::path const& path() const { return m_path; }
    // The folder as the game spells it: followed by the game's names, "\gundead.wav".
    std::string program_folder() const { return m_path.string(); }
    std::string game_path(std::string const& name) const { return program_folder() + "\\" + name; }
    void write(std::string const& name, std::span<std::uint8_t const> bytes) const;

private:
    std::filesystem::path m_path;
};

// Interleaved samples in -1..1 as a PCM WAV file of 8 or 16 bits.
std::vector<std::uint8_t> wav_file(int rate, int channels, int bits,
                                   std::vector<float> const& samples);
// A gunshot-like sound: a loud burst of noise dying away within `seconds`, mono.
std::vector<float> noise_burst(int rate, double seconds);
// A steady sine tone, mono.
std::vector<float> sine_tone(int rate, double frequency, double seconds);

struct TestNote {
    int start_ms = 0;
    int length_ms = 0;
    int key = 60;
};

// A one-track tune at one tick per millisecond on a piano, ending at `end_ms`.
std::vector<std::uint8_t> midi_file(std::vector<TestNote> const& notes, int end_ms);
// Notes of `length_ms`, one every `every_ms`, from `from_ms` until `until_ms`.
std::vector<TestNote> note_run(int from_ms, int until_ms, int every_ms, int length_ms);

// The largest absolute sample.
float peak(std::span<float const> samples);

}
