// The game's sound effects as files, with the alert chime standing in for any that cannot play.
#include "platform/audio/sound_file.hpp"

#include "platform/audio/alert_chime.hpp"
#include "platform/audio/background_priority.hpp"
#include "platform/audio/resample.hpp"
#include "platform/audio/file_bytes.hpp"
#include "platform/audio/wav_decoder.hpp"

#include <thread>

namespace platform {

namespace {

constexpr std::size_t max_wav_bytes = std::size_t{256} << 20;
// Sounds longer than this decode in the background: a second of sound decodes in about 1 ms.
constexpr std::size_t background_frames = 2 * mix_rate;

std::shared_ptr<Pcm const> decoded_or_chime(std::span<std::uint8_t const> bytes)
{
    if (auto pcm = decode_wav(bytes))
        return std::make_shared<Pcm const>(std::move(*pcm));
    return alert_chime();
}

}

std::shared_ptr<Pcm const> load_sound(std::filesystem::path const& path)
{
    if (auto const bytes = read_file_bytes(path, max_wav_bytes))
        return decoded_or_chime(*bytes);
    return alert_chime();
}

LoadedSound load_sound_soon(std::filesystem::path const& path)
{
    auto bytes = read_file_bytes(path, max_wav_bytes);
    auto const wav = bytes ? parse_wav(*bytes) : std::nullopt;
    if (!wav || resampled_frames(static_cast<std::int64_t>(wav->frames), wav->rate, mix_rate) <= static_cast<std::int64_t>(background_frames)) {
        auto sound = bytes ? decoded_or_chime(*bytes) : alert_chime();
        auto const microseconds = sound->microseconds();
        return {std::move(sound), {}, microseconds};
    }
    auto const frames = resampled_frames(static_cast<std::int64_t>(wav->frames), wav->rate, mix_rate);
    // The thread owns the bytes and hands the sound over through the task's shared state; it is
    // detached, so that neither a replaced sound nor the game's end waits for it.
    std::packaged_task<std::shared_ptr<Pcm const>()> decode([bytes = std::move(*bytes)] {
        lower_this_threads_priority();
        return decoded_or_chime(bytes);
    });
    auto pending = std::make_shared<PendingSound const>(PendingSound{decode.get_future().share()});
    std::thread(std::move(decode)).detach();
    return {{}, std::move(pending), mix_microseconds(static_cast<std::size_t>(frames))};
}

std::int64_t sound_microseconds(std::filesystem::path const& path)
{
    if (auto const bytes = read_file_bytes(path, max_wav_bytes))
        if (auto const wav = parse_wav(*bytes))
            return wav->microseconds();
    return alert_chime()->microseconds();
}

}
