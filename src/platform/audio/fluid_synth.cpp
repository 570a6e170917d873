// One FluidSynth synthesiser with a General MIDI soundfont, rendering at the mixer's rate.
#include "platform/audio/fluid_synth.hpp"

#include "platform/audio/pcm.hpp"

#include <fluidsynth.h>

#include <mutex>

namespace platform {

namespace {

// Sets the tunes some 8 dB under the effects (whose level the generator fixes), so that a shot
// or a call is always heard over the music.
constexpr double synth_gain = 0.38;
// The synthesiser's cost grows with its rate and its sounding voices. Half the mixer's rate
// still holds everything a General MIDI soundfont's samples carry (a small one's are mostly
// recorded at 22 to 32 kHz); the tunes never need more than about 24 voices at once, and the
// cap keeps a dense moment from costing more.
constexpr int synth_rate = mix_rate / 2;
constexpr int polyphony = 32;
// Every note's release half as long as the soundfont has it (in timecents): the tails of pads
// and strings under the reverb kept twice the voices sounding for what little is heard of them.
constexpr float release_offset = -1200.0f;
// Room for the largest block the audio device asks for, so rendering does not allocate.
constexpr std::size_t reserved_frames = 8192;

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
    fluid_settings_setnum(settings, "synth.sample-rate", synth_rate);
    fluid_settings_setnum(settings, "synth.gain", synth_gain);
    fluid_settings_setint(settings, "synth.polyphony", polyphony);
    // Only the samples a tune plays are read into memory: a large soundfont costs what it plays.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
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
    loaded->lighten();
    return loaded;
}

FluidSynth::FluidSynth(fluid_settings_t* settings, fluid_synth_t* synth)
    : m_settings(settings), m_synth(synth)
{
    m_low_rate.resize(reserved_frames * mix_channels);
}

FluidSynth::~FluidSynth()
{
    delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

// Each frame the synthesiser renders gives two at the mixer's rate; an odd count leaves one
// over for the next call.
void FluidSynth::render(float* out, int frames)
{
    int done = 0;
    if (m_has_pending && frames > 0) {
        out[0] = m_pending[0];
        out[1] = m_pending[1];
        m_has_pending = false;
        done = 1;
    }
    int const needed = (frames - done + 1) / 2;
    if (needed <= 0)
        return;
    if (m_low_rate.size() < static_cast<std::size_t>(needed) * mix_channels)
        m_low_rate.resize(static_cast<std::size_t>(needed) * mix_channels);
    fluid_synth_write_float(m_synth, needed, m_low_rate.data(), 0, 2, m_low_rate.data(), 1, 2);
    float pair[4];
    for (int i = 0; i < needed; ++i) {
        m_upsampler.push(m_low_rate[static_cast<std::size_t>(2 * i)], m_low_rate[static_cast<std::size_t>(2 * i + 1)], pair);
        out[2 * done] = pair[0];
        out[2 * done + 1] = pair[1];
        ++done;
        if (done < frames) {
            out[2 * done] = pair[2];
            out[2 * done + 1] = pair[3];
            ++done;
        } else {
            m_pending = { pair[2], pair[3] };
            m_has_pending = true;
        }
    }
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

// Linear interpolation costs a fifth less than the default and is as clean at these rates.
void FluidSynth::lighten()
{
    fluid_synth_set_interp_method(m_synth, -1, FLUID_INTERP_LINEAR);
    for (int channel = 0; channel < fluid_synth_count_midi_channels(m_synth); ++channel)
        fluid_synth_set_gen(m_synth, channel, GEN_VOLENVRELEASE, release_offset);
}

void FluidSynth::reset()
{
    fluid_synth_system_reset(m_synth);
    lighten();
    m_upsampler.clear();
    m_has_pending = false;
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
