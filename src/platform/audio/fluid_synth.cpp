// One FluidSynth synthesiser with a General MIDI soundfont, rendering at the mixer's rate.
#include "platform/audio/fluid_synth.hpp"

#include "platform/audio/pcm.hpp"

#include <fluidsynth.h>

#include <mutex>

namespace platform {

namespace {

// Leaves headroom for the sound effect mixed on top of the tune.
constexpr double synth_gain = 0.5;

// FluidSynth reports its own troubles on stderr; the game's rule is silence, and the one line
// about a missing soundfont is ours.
void silence_fluidsynth_log()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

}

std::unique_ptr<FluidSynth> FluidSynth::load(std::filesystem::path const& soundfont)
{
    silence_fluidsynth_log();
    std::error_code error;
    // Anything but a SoundFont would go to other loaders, which complain on stderr.
    if (!std::filesystem::is_regular_file(soundfont, error) || !fluid_is_soundfont(soundfont.c_str()))
        return nullptr;
    auto* settings = new_fluid_settings();
    if (!settings)
        return nullptr;
    fluid_settings_setnum(settings, "synth.sample-rate", mix_rate);
    fluid_settings_setnum(settings, "synth.gain", synth_gain);
    // Only the audio thread talks to the synthesiser once it is handed over, so it needs no lock.
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);
    // Chorus costs a tenth of the mixing time and adds little to these small tunes.
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    auto* synth = new_fluid_synth(settings);
    if (!synth) {
        delete_fluid_settings(settings);
        return nullptr;
    }
    std::unique_ptr<FluidSynth> loaded(new FluidSynth(settings, synth));
    if (fluid_synth_sfload(synth, soundfont.c_str(), 1) == FLUID_FAILED)
        return nullptr;
    return loaded;
}

FluidSynth::FluidSynth(fluid_settings_t* settings, fluid_synth_t* synth)
    : m_settings(settings), m_synth(synth)
{
}

FluidSynth::~FluidSynth()
{
    delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

void FluidSynth::render(float* out, int frames)
{
    fluid_synth_write_float(m_synth, frames, out, 0, 2, out, 1, 2);
}

void FluidSynth::send(unsigned char status, unsigned char data1, unsigned char data2)
{
    int const channel = status & 0x0F;
    switch (status & 0xF0) {
    case 0x80:
        fluid_synth_noteoff(m_synth, channel, data1);
        break;
    case 0x90:
        fluid_synth_noteon(m_synth, channel, data1, data2);
        break;
    case 0xA0:
        fluid_synth_key_pressure(m_synth, channel, data1, data2);
        break;
    case 0xB0:
        fluid_synth_cc(m_synth, channel, data1, data2);
        break;
    case 0xC0:
        fluid_synth_program_change(m_synth, channel, data1);
        break;
    case 0xD0:
        fluid_synth_channel_pressure(m_synth, channel, data1);
        break;
    case 0xE0:
        fluid_synth_pitch_bend(m_synth, channel, data1 | (data2 << 7));
        break;
    default:
        break;
    }
}

void FluidSynth::reset()
{
    fluid_synth_system_reset(m_synth);
}

void FluidSynth::release_all()
{
    constexpr int sustain = 64;
    constexpr int sostenuto = 66;
    for (int channel = 0; channel < fluid_synth_count_midi_channels(m_synth); ++channel) {
        fluid_synth_cc(m_synth, channel, sustain, 0);
        fluid_synth_cc(m_synth, channel, sostenuto, 0);
    }
    fluid_synth_all_notes_off(m_synth, -1);
}

bool FluidSynth::is_sounding() const
{
    return fluid_synth_get_active_voice_count(m_synth) > 0;
}

}
