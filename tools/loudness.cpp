// Loudness and onset measures over plain sample buffers.
#include "loudness.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace soundgen {

double rms(std::span<float const> samples, std::size_t from, std::size_t to)
{
    to = std::min(to, samples.size());
    if (to <= from) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

double to_db(double amplitude) { return 20.0 * std::log10(std::max(amplitude, 1e-9)); }

double from_db(double decibels) { return std::pow(10.0, decibels / 20.0); }

double loudness_db(std::span<float const> mono, int rate)
{
    return to_db(rms(mono, 0, static_cast<std::size_t>(k_loudness_window * rate)));
}

double seconds_to_full_level(std::span<float const> mono, int rate)
{
    const auto window = static_cast<std::size_t>(rate / 100);
    const auto hop = static_cast<std::size_t>(std::max(rate / 1000, 1));
    if (window == 0 || mono.size() < window) {
        return 0.0;
    }
    // Running sums of squares make every window cost the same.
    std::vector<double> levels;
    double sum = 0.0;
    for (std::size_t i = 0; i < window; ++i) {
        sum += static_cast<double>(mono[i]) * mono[i];
    }
    for (std::size_t start = 0;; start += hop) {
        levels.push_back(std::sqrt(std::max(sum, 0.0) / static_cast<double>(window)));
        if (start + hop + window > mono.size()) {
            break;
        }
        for (std::size_t i = start; i < start + hop; ++i) {
            sum += static_cast<double>(mono[i + window]) * mono[i + window] - static_cast<double>(mono[i]) * mono[i];
        }
    }
    const double loudest = *std::max_element(levels.begin(), levels.end());
    const double full = loudest * from_db(-6.0);
    const auto first = std::find_if(levels.begin(), levels.end(), [full](double level) { return level >= full; });
    const auto index = static_cast<std::size_t>(first - levels.begin());
    return static_cast<double>(index * hop + window) / rate;
}

}  // namespace soundgen
