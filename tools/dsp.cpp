// Signal-processing building blocks shared by every sound effect.
#include "dsp.hpp"

#include <algorithm>
#include <cmath>

namespace soundgen {

std::size_t to_samples(double seconds)
{
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * k_sample_rate));
}

double to_seconds(std::size_t index) { return static_cast<double>(index) / k_sample_rate; }

Curve::Curve(std::initializer_list<std::pair<double, double>> points) : m_points(points) {}

Curve::Curve(double constant) : m_points{{0.0, constant}} {}

double Curve::at(double time) const
{
    if (m_points.empty()) {
        return 0.0;
    }
    if (time <= m_points.front().first) {
        return m_points.front().second;
    }
    for (std::size_t i = 1; i < m_points.size(); ++i) {
        const auto& [t1, v1] = m_points[i];
        if (time < t1) {
            const auto& [t0, v0] = m_points[i - 1];
            const double share = (time - t0) / (t1 - t0);
            return v0 + (v1 - v0) * share;
        }
    }
    return m_points.back().second;
}

double Curve::end_time() const { return m_points.empty() ? 0.0 : m_points.back().first; }

namespace {

// Smooths the jump of a sawtooth or square wave so it does not alias.
double poly_blep(double phase, double increment)
{
    if (increment <= 0.0) {
        return 0.0;
    }
    if (phase < increment) {
        const double x = phase / increment;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - increment) {
        const double x = (phase - 1.0) / increment;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

}  // namespace

double Oscillator::advance(double frequency)
{
    const double phase = m_phase;
    m_increment = std::clamp(frequency / k_sample_rate, 0.0, 0.5);
    m_phase += m_increment;
    m_phase -= std::floor(m_phase);
    return phase;
}

float Oscillator::sine(double frequency) { return static_cast<float>(std::sin(2.0 * k_pi * advance(frequency))); }

float Oscillator::saw(double frequency)
{
    const double phase = advance(frequency);
    return static_cast<float>(2.0 * phase - 1.0 - poly_blep(phase, m_increment));
}

float Oscillator::square(double frequency, double duty)
{
    const double phase = advance(frequency);
    double value = phase < duty ? 1.0 : -1.0;
    value += poly_blep(phase, m_increment);
    double shifted = phase + 1.0 - duty;
    shifted -= std::floor(shifted);
    value -= poly_blep(shifted, m_increment);
    return static_cast<float>(value);
}

float Oscillator::triangle(double frequency)
{
    const double phase = advance(frequency);
    return static_cast<float>(1.0 - 4.0 * std::fabs(phase - 0.5));
}

Svf::Outputs Svf::process(float input, double cutoff, double q)
{
    const double limited = std::clamp(cutoff, 10.0, 0.45 * k_sample_rate);
    const double g = std::tan(k_pi * limited / k_sample_rate);
    const double k = 1.0 / std::max(q, 0.05);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = input - m_ic2;
    const double v1 = a1 * m_ic1 + a2 * v3;
    const double v2 = m_ic2 + a2 * m_ic1 + a3 * v3;
    m_ic1 = 2.0 * v1 - m_ic1;
    m_ic2 = 2.0 * v2 - m_ic2;
    return {v2, v1 * k, input - k * v1 - v2};
}

float Svf::lowpass(float input, double cutoff, double q) { return static_cast<float>(process(input, cutoff, q).low); }

float Svf::highpass(float input, double cutoff, double q)
{
    return static_cast<float>(process(input, cutoff, q).high);
}

float Svf::bandpass(float input, double cutoff, double q) { return static_cast<float>(process(input, cutoff, q).band); }

float OnePole::lowpass(float input, double cutoff)
{
    const double a = std::exp(-2.0 * k_pi * std::max(cutoff, 1.0) / k_sample_rate);
    m_state = input * (1.0 - a) + m_state * a;
    return static_cast<float>(m_state);
}

float OnePole::highpass(float input, double cutoff) { return input - lowpass(input, cutoff); }

Reverb::Reverb(double room_size, double damping)
    : m_feedback(static_cast<float>(0.7 + 0.28 * std::clamp(room_size, 0.0, 1.0))),
      m_damping(static_cast<float>(0.4 * std::clamp(damping, 0.0, 1.0)))
{
    // Mutually prime delay lengths keep the echoes from lining up into a metallic ring; the
    // right channel's are a little longer for width.
    static constexpr std::size_t comb_lengths[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static constexpr std::size_t allpass_lengths[] = {556, 441, 341, 225};
    static constexpr std::size_t spread = 23;
    for (std::size_t side = 0; side < 2; ++side) {
        for (const std::size_t length : comb_lengths) {
            m_combs.push_back(Comb{std::vector<float>(length + side * spread, 0.0f)});
        }
        for (const std::size_t length : allpass_lengths) {
            m_allpasses.push_back(Allpass{std::vector<float>(length + side * spread, 0.0f)});
        }
    }
}

float Reverb::run(Comb& comb, float input, float feedback, float damping)
{
    const float output = comb.line[comb.index];
    comb.filter = output * (1.0f - damping) + comb.filter * damping;
    comb.line[comb.index] = input + comb.filter * feedback;
    if (++comb.index == comb.line.size()) {
        comb.index = 0;
    }
    return output;
}

float Reverb::run(Allpass& allpass, float input)
{
    const float delayed = allpass.line[allpass.index];
    allpass.line[allpass.index] = input + delayed * 0.5f;
    if (++allpass.index == allpass.line.size()) {
        allpass.index = 0;
    }
    return delayed - input;
}

std::pair<float, float> Reverb::process(float input)
{
    const float scaled = input * 0.015f;
    float sides[2] = {0.0f, 0.0f};
    const std::size_t combs_per_side = m_combs.size() / 2;
    const std::size_t allpasses_per_side = m_allpasses.size() / 2;
    for (std::size_t side = 0; side < 2; ++side) {
        float sum = 0.0f;
        for (std::size_t i = 0; i < combs_per_side; ++i) {
            sum += run(m_combs[side * combs_per_side + i], scaled, m_feedback, m_damping);
        }
        for (std::size_t i = 0; i < allpasses_per_side; ++i) {
            sum = run(m_allpasses[side * allpasses_per_side + i], sum);
        }
        sides[side] = sum;
    }
    return {sides[0], sides[1]};
}

double exp_decay(double time, double time_constant)
{
    return time < 0.0 ? 0.0 : std::exp(-time / std::max(time_constant, 1e-6));
}

double attack_decay(double time, double attack, double time_constant)
{
    if (time < 0.0) {
        return 0.0;
    }
    if (time < attack) {
        return time / attack;
    }
    return exp_decay(time - attack, time_constant);
}

double adsr(double time, double length, double attack, double decay, double sustain, double release)
{
    if (time < 0.0 || time >= length + release) {
        return 0.0;
    }
    double level = sustain;
    if (time < attack) {
        level = time / attack;
    } else if (time < attack + decay) {
        level = 1.0 - (1.0 - sustain) * (time - attack) / decay;
    }
    if (time >= length) {
        // Release from wherever the note was when it ended.
        const double at_end = adsr(std::max(length - 1e-9, 0.0), length, attack, decay, sustain, release);
        return at_end * (1.0 - (time - length) / release);
    }
    return level;
}

Signal silence(double seconds) { return Signal(to_samples(seconds), 0.0f); }

void mix_into(Signal& target, const Signal& source, double at_seconds, double gain)
{
    const std::size_t offset = to_samples(at_seconds);
    if (target.size() < offset + source.size()) {
        target.resize(offset + source.size(), 0.0f);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[offset + i] += static_cast<float>(source[i] * gain);
    }
}

void mix_into(Stereo& target, const Stereo& source, double at_seconds, double gain)
{
    mix_into(target.left, source.left, at_seconds, gain);
    mix_into(target.right, source.right, at_seconds, gain);
}

Stereo add_reverb(const Stereo& dry, double room_size, double damping, double wet, double tail_seconds)
{
    Reverb reverb(room_size, damping);
    const std::size_t length = std::max(dry.left.size(), dry.right.size()) + to_samples(tail_seconds);
    Stereo out{Signal(length, 0.0f), Signal(length, 0.0f)};
    for (std::size_t i = 0; i < length; ++i) {
        const float left = i < dry.left.size() ? dry.left[i] : 0.0f;
        const float right = i < dry.right.size() ? dry.right[i] : 0.0f;
        const auto [wet_left, wet_right] = reverb.process(0.5f * (left + right));
        out.left[i] = left + static_cast<float>(wet * wet_left);
        out.right[i] = right + static_cast<float>(wet * wet_right);
    }
    return out;
}

Signal add_reverb(const Signal& dry, double room_size, double damping, double wet, double tail_seconds)
{
    const Stereo wide = add_reverb(Stereo{dry, dry}, room_size, damping, wet, tail_seconds);
    Signal out(wide.left.size());
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = 0.5f * (wide.left[i] + wide.right[i]);
    }
    return out;
}

void soft_clip(Signal& signal, double drive)
{
    normalize(signal, 1.0);
    const double scale = std::tanh(drive);
    for (float& sample : signal) {
        sample = static_cast<float>(std::tanh(sample * drive) / scale);
    }
}

namespace {

float peak_of(const Signal& signal)
{
    float peak = 0.0f;
    for (const float sample : signal) {
        peak = std::max(peak, std::fabs(sample));
    }
    return peak;
}

void scale(Signal& signal, double gain)
{
    for (float& sample : signal) {
        sample = static_cast<float>(sample * gain);
    }
}

}  // namespace

void normalize(Signal& signal, double peak)
{
    const float current = peak_of(signal);
    if (current > 0.0f) {
        scale(signal, peak / current);
    }
}

void normalize(Stereo& signal, double peak)
{
    const float current = std::max(peak_of(signal.left), peak_of(signal.right));
    if (current > 0.0f) {
        scale(signal.left, peak / current);
        scale(signal.right, peak / current);
    }
}

void even_out(Signal& signal, double most_db)
{
    if (signal.empty()) {
        return;
    }
    const std::size_t half = to_samples(0.01);
    std::vector<double> sums(signal.size() + 1, 0.0);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        sums[i + 1] = sums[i] + static_cast<double>(signal[i]) * signal[i];
    }
    const auto level_at = [&](std::size_t i) {
        const std::size_t from = i > half ? i - half : 0;
        const std::size_t to = std::min(i + half, signal.size());
        return std::sqrt((sums[to] - sums[from]) / static_cast<double>(std::max<std::size_t>(to - from, 1)));
    };
    double loudest = 0.0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        loudest = std::max(loudest, level_at(i));
    }
    const double most = std::pow(10.0, most_db / 20.0);
    // Raising is smoothed over 10 ms so that it never moves faster than the syllables do.
    std::vector<double> gains(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double level = std::max(level_at(i), loudest * 1e-3);
        gains[i] = std::clamp(std::pow(loudest / level, 0.75), 1.0, most);
    }
    std::vector<double> gain_sums(gains.size() + 1, 0.0);
    for (std::size_t i = 0; i < gains.size(); ++i) {
        gain_sums[i + 1] = gain_sums[i] + gains[i];
    }
    const std::size_t smooth = to_samples(0.005);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const std::size_t from = i > smooth ? i - smooth : 0;
        const std::size_t to = std::min(i + smooth, signal.size());
        signal[i] = static_cast<float>(signal[i] * (gain_sums[to] - gain_sums[from]) / static_cast<double>(to - from));
    }
}

void limit_peaks(Signal& signal, double knee, double ceiling)
{
    for (float& sample : signal) {
        const double size = std::fabs(sample);
        if (size > knee) {
            const double bent = knee + (ceiling - knee) * std::tanh((size - knee) / (ceiling - knee));
            sample = static_cast<float>(std::copysign(bent, sample));
        }
    }
}

void fade_in(Signal& signal, double seconds)
{
    const std::size_t length = std::min(to_samples(seconds), signal.size());
    for (std::size_t i = 0; i < length; ++i) {
        signal[i] *= static_cast<float>(i) / static_cast<float>(length);
    }
}

void fade_out(Signal& signal, double seconds)
{
    const std::size_t length = std::min(to_samples(seconds), signal.size());
    const std::size_t start = signal.size() - length;
    for (std::size_t i = 0; i < length; ++i) {
        signal[start + i] *= 1.0f - static_cast<float>(i + 1) / static_cast<float>(length);
    }
}

Signal trim_silence(const Signal& signal, double threshold)
{
    const auto loud = [threshold](float sample) { return std::fabs(sample) > threshold; };
    const auto first = std::find_if(signal.begin(), signal.end(), loud);
    if (first == signal.end()) {
        return {};
    }
    const auto last = std::find_if(signal.rbegin(), signal.rend(), loud).base();
    return Signal(first, last);
}

Signal resample(const Signal& signal, double speed)
{
    if (signal.size() < 2 || speed <= 0.0) {
        return signal;
    }
    const auto length = static_cast<std::size_t>(static_cast<double>(signal.size() - 1) / speed) + 1;
    Signal out(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double position = static_cast<double>(i) * speed;
        const auto index = std::min(static_cast<std::size_t>(position), signal.size() - 2);
        const double share = position - static_cast<double>(index);
        out[i] = static_cast<float>(signal[index] * (1.0 - share) + signal[index + 1] * share);
    }
    return out;
}

Stereo pan(const Signal& mono, const Curve& position)
{
    Stereo out{Signal(mono.size()), Signal(mono.size())};
    for (std::size_t i = 0; i < mono.size(); ++i) {
        const double angle = (std::clamp(position.at(to_seconds(i)), -1.0, 1.0) + 1.0) * k_pi / 4.0;
        out.left[i] = static_cast<float>(mono[i] * std::cos(angle));
        out.right[i] = static_cast<float>(mono[i] * std::sin(angle));
    }
    return out;
}

Stereo pan(const Signal& mono, double position) { return pan(mono, Curve(position)); }

}  // namespace soundgen
