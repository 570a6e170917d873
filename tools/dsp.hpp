// Signal-processing building blocks for the sound effects: curves, oscillators, filters,
// envelopes, reverb and whole-signal helpers, all at one fixed sample rate.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

namespace soundgen {

constexpr int k_sample_rate = 44100;
constexpr double k_pi = 3.14159265358979323846;

using Signal = std::vector<float>;

struct Stereo {
    Signal left;
    Signal right;
};

std::size_t to_samples(double seconds);
double to_seconds(std::size_t index);

// A piecewise-linear function of time, for pitch contours, cutoffs and loudness shapes.
class Curve {
public:
    Curve(std::initializer_list<std::pair<double, double>> points);
    explicit Curve(double constant);
    double at(double time) const;
    double end_time() const;

private:
    std::vector<std::pair<double, double>> m_points;
};

// An oscillator whose frequency may change on every sample without clicks.
class Oscillator {
public:
    explicit Oscillator(double start_phase = 0.0) : m_phase(start_phase) {}
    float sine(double frequency);
    float saw(double frequency);  // band-limited
    float square(double frequency, double duty = 0.5);  // band-limited
    float triangle(double frequency);

private:
    double advance(double frequency);
    double m_phase = 0.0;
    double m_increment = 0.0;
};

// A state-variable filter that stays stable while its cutoff sweeps.
class Svf {
public:
    float lowpass(float input, double cutoff, double q = 0.707);
    float highpass(float input, double cutoff, double q = 0.707);
    float bandpass(float input, double cutoff, double q);  // unit gain at the centre

private:
    struct Outputs {
        double low;
        double band;
        double high;
    };
    Outputs process(float input, double cutoff, double q);
    double m_ic1 = 0.0;
    double m_ic2 = 0.0;
};

// A cheap one-pole filter for gentle tilts (brown noise, de-essing, hum removal).
class OnePole {
public:
    float lowpass(float input, double cutoff);
    float highpass(float input, double cutoff);

private:
    double m_state = 0.0;
};

// A small room/hall reverb (parallel combs into series allpasses), with a stereo spread.
class Reverb {
public:
    Reverb(double room_size, double damping);
    std::pair<float, float> process(float input);

private:
    struct Comb {
        std::vector<float> line;
        std::size_t index = 0;
        float filter = 0.0f;
    };
    struct Allpass {
        std::vector<float> line;
        std::size_t index = 0;
    };
    static float run(Comb& comb, float input, float feedback, float damping);
    static float run(Allpass& allpass, float input);
    std::vector<Comb> m_combs;
    std::vector<Allpass> m_allpasses;
    float m_feedback = 0.8f;
    float m_damping = 0.3f;
};

// Envelopes, as gains in [0, 1] at a time in seconds.
double exp_decay(double time, double time_constant);
double attack_decay(double time, double attack, double time_constant);
double adsr(double time, double length, double attack, double decay, double sustain, double release);

// Whole-signal helpers.
Signal silence(double seconds);
void mix_into(Signal& target, const Signal& source, double at_seconds, double gain = 1.0);
void mix_into(Stereo& target, const Stereo& source, double at_seconds, double gain = 1.0);
Signal add_reverb(const Signal& dry, double room_size, double damping, double wet, double tail_seconds);
Stereo add_reverb(const Stereo& dry, double room_size, double damping, double wet, double tail_seconds);
// Brings the signal to full scale, then saturates it: more drive, more grit.
void soft_clip(Signal& signal, double drive);
void normalize(Signal& signal, double peak);
// Evens out a spoken line's syllables: every stretch is raised towards the loudest (measured
// over 20 ms), by at most `most_db`, so the line is as clear from its first sound as at its peak.
void even_out(Signal& signal, double most_db);
// Bends peaks above `knee` smoothly under `ceiling` instead of letting them clip.
void limit_peaks(Signal& signal, double knee, double ceiling);
void normalize(Stereo& signal, double peak);
void fade_in(Signal& signal, double seconds);
void fade_out(Signal& signal, double seconds);
Signal trim_silence(const Signal& signal, double threshold);
// Reads the signal at `speed` times its rate (2 = an octave up and half as long).
Signal resample(const Signal& signal, double speed);
Stereo pan(const Signal& mono, const Curve& position);  // position -1 = left, 1 = right
Stereo pan(const Signal& mono, double position);

}  // namespace soundgen
