// The media back end that plays: the mixer rendering inside SDL's audio callback.
#include "platform/audio/sdl_audio.hpp"

#include "platform/audio/clock_wait.hpp"
#include "platform/audio/quiet_alsa.hpp"

namespace platform {

namespace {

constexpr Uint16 buffer_frames = 1024;
constexpr auto reopen_interval = std::chrono::seconds(3);
// A synchronous sound waits for its voice to end, but never much longer than its length:
// a device that stops calling back must not hold the game.
constexpr std::int64_t sync_grace_microseconds = 250'000;

}

std::unique_ptr<SdlAudio> SdlAudio::open()
{
    // SDL tries the desktop's sound servers and then ALSA, in its usual order; ALSA's complaints
    // about a missing card are its own business, the game says it once in its own words.
    silence_alsa_errors();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return nullptr;
    std::unique_ptr<SdlAudio> audio(new SdlAudio());
    if (!audio->open_device())
        return nullptr;
    return audio;
}

SdlAudio::~SdlAudio()
{
    if (m_device != 0)
        SDL_CloseAudioDevice(m_device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::open_device()
{
    m_last_attempt = std::chrono::steady_clock::now();
    SDL_AudioSpec wanted{};
    wanted.freq = mix_rate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = mix_channels;
    wanted.samples = buffer_frames;
    wanted.callback = &SdlAudio::on_audio;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0)
        return false;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SDLCALL SdlAudio::on_audio(void* self, Uint8* stream, int bytes)
{
    auto const frames = static_cast<std::size_t>(bytes) / (sizeof(float) * mix_channels);
    static_cast<SdlAudio*>(self)->m_mixer.render(reinterpret_cast<float*>(stream), frames);
}

void SdlAudio::check_device()
{
    if (m_device != 0 && SDL_GetAudioDeviceStatus(m_device) == SDL_AUDIO_STOPPED) {
        SDL_CloseAudioDevice(m_device);
        m_device = 0;
    }
    if (m_device == 0 && std::chrono::steady_clock::now() - m_last_attempt >= reopen_interval)
        open_device();
}

// With no device rendering, commands still take effect at once, so the tune rules hold.
void SdlAudio::drain_without_device()
{
    if (m_device == 0)
        m_mixer.render(static_cast<float*>(nullptr), 0);
}

void SdlAudio::play_wav(std::string const& path, SoundMode mode)
{
    check_device();
    auto const sound = m_control.play_wav(path);
    drain_without_device();
    if (mode != SoundMode::sync)
        return;
    if (m_device == 0) {
        wait_microseconds(sound.microseconds);
        return;
    }
    auto const deadline = std::chrono::steady_clock::now()
        + std::chrono::microseconds(sound.microseconds + sync_grace_microseconds);
    m_mixer.wait_for_sound(sound.number, deadline);
}

void SdlAudio::send_command(std::string const& command)
{
    check_device();
    m_control.send_command(command);
    drain_without_device();
}

void SdlAudio::stop_all()
{
    m_control.stop_all();
    drain_without_device();
}

}
