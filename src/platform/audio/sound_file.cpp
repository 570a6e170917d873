// The game's sound effects as files, with the alert chime standing in for any that cannot play.
#include "platform/audio/sound_file.hpp"

#include "platform/audio/alert_chime.hpp"
#include "platform/audio/file_bytes.hpp"
#include "platform/audio/wav_decoder.hpp"

namespace platform {

namespace {

constexpr std::size_t max_wav_bytes = std::size_t{256} << 20;

}

std::shared_ptr<Pcm const> load_sound(std::filesystem::path const& path)
{
    if (auto const bytes = read_file_bytes(path, max_wav_bytes))
        if (auto pcm = decode_wav(*bytes))
            return std::make_shared<Pcm const>(std::move(*pcm));
    return alert_chime();
}

std::int64_t sound_microseconds(std::filesystem::path const& path)
{
    if (auto const bytes = read_file_bytes(path, max_wav_bytes))
        if (auto const wav = parse_wav(*bytes))
            return wav->microseconds();
    return alert_chime()->microseconds();
}

}
