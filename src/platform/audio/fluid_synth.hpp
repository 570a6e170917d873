// One FluidSynth synthesiser with a General MIDI soundfont, owned as a C++ object.
#pragma once

#include "platform/audio/upsampler.hpp"

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_hashtable_t fluid_settings_t;

namespace platform {

class FluidSynth {
public:
    // Nothing when the soundfont cannot be loaded. Slow (it reads the whole soundfont): call it
    // away from the game's thread.
    static std::unique_ptr<FluidSynth> load(std::filesystem::path const& soundfont);

    ~FluidSynth();
    FluidSynth(FluidSynth const&) = delete;
    FluidSynth& operator=(FluidSynth const&) = delete;

    // Every call after loading comes from one thread at a time: the one rendering the audio.
    fluid_synth_t* get() const { return m_synth; }

    // Renders `frames` stereo frames at the mixer's rate over `out` (interleaved left, right).
    void render(float* out, int frames);
    // Sends a channel message.
    void send(unsigned char status, unsigned char data1, unsigned char data2);
    // Back to the power-on state: no sound, every channel's program and controllers reset.
    void reset();
    // Lets every sounding note fade out as if its key were released.
    void release_all();
    bool is_sounding() const;

private:
    FluidSynth(fluid_settings_t* settings, fluid_synth_t* synth);
    // The settings that keep the synthesiser's cost down, again after every reset.
    void lighten();

    fluid_settings_t* m_settings = nullptr;
    fluid_synth_t* m_synth = nullptr;
    // The synthesiser runs at half the mixer's rate; these bring it up.
    std::vector<float> m_low_rate;
    Upsampler m_upsampler;
    std::array<float, 2> m_pending {};
    bool m_has_pending = false;
};

}
