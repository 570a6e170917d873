// How loud a sound is and how soon it gets there: the measures the effects are levelled by,
// and that the tests and the listening bench check them with.
#pragma once

#include <cstddef>
#include <span>

namespace soundgen {

// The game cuts a sound off when the next one starts, half a second later at most on the
// title screen's parade: an effect's loudness is what is heard of it in that time.
constexpr double k_loudness_window = 0.5;
// Every effect is levelled to this loudness (RMS of its first half second, dBFS).
constexpr double k_effect_loudness_db = -17.0;

double rms(std::span<float const> samples, std::size_t from, std::size_t to);
double to_db(double amplitude);
double from_db(double decibels);

// RMS in dBFS of the first `k_loudness_window` seconds of a mono signal at `rate`.
double loudness_db(std::span<float const> mono, int rate);

// When a sound first comes within 6 dB of its loudest 10 ms: the end of the first 10-ms
// window (stepping by 1 ms) that is that loud, in seconds from its start.
double seconds_to_full_level(std::span<float const> mono, int rate);

}  // namespace soundgen
