// A small seeded random generator, so every build writes the same bytes on every platform.
#pragma once

#include <cstdint>

namespace soundgen {

// SplitMix64: fully specified arithmetic, unlike the standard library's distributions.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double range(double low, double high) { return low + (high - low) * uniform(); }

    // Uniform in [-1, 1): white noise.
    float noise() { return static_cast<float>(uniform() * 2.0 - 1.0); }

    // Uniform integer in [0, count).
    int below(int count) { return count <= 0 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(count)); }

    bool chance(double probability) { return uniform() < probability; }

private:
    std::uint64_t m_state = 0;
};

}  // namespace soundgen
