// Scales, chord tones and voicings for the composer.
#include "music_theory.hpp"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace soundgen {

int floor_div(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

int floor_mod(int value, int divisor) { return value - floor_div(value, divisor) * divisor; }

namespace {

std::array<int, 7> steps_of(Mode mode)
{
    switch (mode) {
    case Mode::major:
        return {0, 2, 4, 5, 7, 9, 11};
    case Mode::minor:
        return {0, 2, 3, 5, 7, 8, 10};
    case Mode::harmonic_minor:
        return {0, 2, 3, 5, 7, 8, 11};
    case Mode::dorian:
        return {0, 2, 3, 5, 7, 9, 10};
    case Mode::phrygian:
        return {0, 1, 3, 5, 7, 8, 10};
    case Mode::mixolydian:
        return {0, 2, 4, 5, 7, 9, 10};
    case Mode::phrygian_dominant:
        return {0, 1, 4, 5, 7, 8, 10};
    }
    return {0, 2, 4, 5, 7, 9, 11};
}

// How far above the tonic the major key with the same notes begins.
int parent_major_offset(Mode mode)
{
    switch (mode) {
    case Mode::major:
        return 0;
    case Mode::minor:
    case Mode::harmonic_minor:
        return 3;
    case Mode::dorian:
        return 10;
    case Mode::phrygian:
        return 8;
    case Mode::mixolydian:
        return 5;
    case Mode::phrygian_dominant:
        return 8;
    }
    return 0;
}

}  // namespace

Scale::Scale(int tonic_key, Mode mode) : m_tonic_key(tonic_key), m_mode(mode), m_steps(steps_of(mode)) {}

int Scale::key(int degree) const { return m_tonic_key + 12 * floor_div(degree, 7) + m_steps[floor_mod(degree, 7)]; }

Scale Scale::transposed(int semitones) const { return Scale(m_tonic_key + semitones, m_mode); }

int Scale::key_signature_fifths() const
{
    // Sharps or flats of each major key, indexed by its pitch class.
    static constexpr int fifths[12] = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};
    return fifths[floor_mod(m_tonic_key + parent_major_offset(m_mode), 12)];
}

bool Scale::is_minor() const
{
    return m_mode == Mode::minor || m_mode == Mode::harmonic_minor || m_mode == Mode::dorian || m_mode == Mode::phrygian;
}

bool is_chord_tone(int degree, int root)
{
    const int interval = floor_mod(degree - root, 7);
    return interval == 0 || interval == 2 || interval == 4;
}

int nearest_chord_tone(int degree, int root, int direction)
{
    if (is_chord_tone(degree, root)) {
        return degree;
    }
    const int first = direction >= 0 ? 1 : -1;
    for (int distance = 1; distance < 4; ++distance) {
        if (is_chord_tone(degree + first * distance, root)) {
            return degree + first * distance;
        }
        if (is_chord_tone(degree - first * distance, root)) {
            return degree - first * distance;
        }
    }
    return degree;
}

std::vector<int> voice_triad(const Scale& scale, int root, int centre_key, const std::vector<int>& previous)
{
    std::vector<int> best;
    int best_score = std::numeric_limits<int>::max();
    // Try each chord tone at the bottom, in each nearby octave, stacked in close position.
    for (int bottom = root - 7; bottom <= root + 14; ++bottom) {
        if (!is_chord_tone(bottom, root)) {
            continue;
        }
        std::vector<int> keys;
        for (int degree = bottom; keys.size() < 3; ++degree) {
            if (is_chord_tone(degree, root)) {
                keys.push_back(scale.key(degree));
            }
        }
        const int middle = keys[1];
        if (std::abs(middle - centre_key) > 7) {
            continue;
        }
        int score = std::abs(middle - centre_key);
        if (previous.size() == keys.size()) {
            for (std::size_t i = 0; i < keys.size(); ++i) {
                score += 2 * std::abs(keys[i] - previous[i]);
            }
        }
        if (score < best_score) {
            best_score = score;
            best = keys;
        }
    }
    return best;
}

}  // namespace soundgen
