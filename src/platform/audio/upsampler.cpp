// A windowed-sinc half-band interpolator: every other output sample is an input sample, the
// ones between come from the filter, so images above the low rate's band are suppressed.
#include "platform/audio/upsampler.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

using Coefficients = std::array<float, Upsampler::taps_per_side>;

// The filter's taps halfway between input samples, Blackman-windowed, for unity gain at DC.
Coefficients make_coefficients()
{
    constexpr int side = Upsampler::taps_per_side;
    std::array<double, side> raw {};
    double sum = 0;
    for (int k = 0; k < side; ++k) {
        double const t = k + 0.5;
        double const sinc = std::sin(std::numbers::pi * t) / (std::numbers::pi * t);
        double const window = 0.42 + 0.5 * std::cos(std::numbers::pi * t / side) + 0.08 * std::cos(2 * std::numbers::pi * t / side);
        raw[static_cast<std::size_t>(k)] = sinc * window;
        sum += 2 * raw[static_cast<std::size_t>(k)];
    }
    Coefficients coefficients {};
    for (std::size_t k = 0; k < coefficients.size(); ++k)
        coefficients[k] = static_cast<float>(raw[k] / sum);
    return coefficients;
}

Coefficients const coefficients = make_coefficients();

}

void Upsampler::push(float left, float right, float* out)
{
    constexpr int side = taps_per_side;
    float const input[2] = { left, right };
    for (int channel = 0; channel < 2; ++channel) {
        auto& history = m_history[static_cast<std::size_t>(channel)];
        std::shift_left(history.begin(), history.end(), 1);
        history.back() = input[channel];
        float between = 0;
        for (int k = 0; k < side; ++k)
            between += coefficients[static_cast<std::size_t>(k)]
                * (history[static_cast<std::size_t>(side - 1 - k)] + history[static_cast<std::size_t>(side + k)]);
        out[channel] = history[side - 1];
        out[2 + channel] = between;
    }
}

void Upsampler::clear()
{
    for (auto& history : m_history)
        history.fill(0);
}

}
