// Build-time generator of the game's sound files: writes every effect (WAV) and tune (MIDI)
// into the folder given on the command line, the folder of the game's executable.
#include "composer.hpp"
#include "effects.hpp"
#include "smf_writer.hpp"
#include "tunes.hpp"
#include "wav_writer.hpp"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_sounds: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sounds OUTPUT_FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "make_sounds: cannot create %s: %s\n", folder.string().c_str(), error.message().c_str());
        return 1;
    }
    bool ok = true;
    for (const soundgen::EffectFile& effect : soundgen::effect_files()) {
        ok = write_file(folder / effect.file_name, soundgen::encode_wav(effect.make())) && ok;
    }
    for (const soundgen::TuneStyle& style : soundgen::tune_styles()) {
        ok = write_file(folder / style.file_name, soundgen::encode_smf(soundgen::compose(style))) && ok;
    }
    return ok ? 0 : 1;
}
