// Scales and chords for the composer: scale degrees map to MIDI keys, chords are stacked thirds
// of the scale, so each mode gives its own chord colours.
#pragma once

#include <array>
#include <vector>

namespace soundgen {

enum class Mode { major, minor, harmonic_minor, dorian, phrygian, mixolydian, phrygian_dominant };

class Scale {
public:
    // `tonic_key` is the MIDI key of degree 0; degrees below 0 or above 6 continue into other octaves.
    Scale(int tonic_key, Mode mode);

    int key(int degree) const;
    int tonic_key() const { return m_tonic_key; }
    Mode mode() const { return m_mode; }
    // The same scale with its tonic moved by a number of semitones.
    Scale transposed(int semitones) const;

    // Standard MIDI File key signature: sharps (positive) or flats (negative), and minor or not.
    int key_signature_fifths() const;
    bool is_minor() const;

private:
    int m_tonic_key = 60;
    Mode m_mode = Mode::major;
    std::array<int, 7> m_steps{};
};

// Whether a degree belongs to the triad built on `root`.
bool is_chord_tone(int degree, int root);
// The chord tone of `root` nearest to `degree`; ties go towards `direction` (+1 up, -1 down).
int nearest_chord_tone(int degree, int root, int direction);
// A close voicing of the triad on `root` around `centre_key`, moving little from `previous`.
std::vector<int> voice_triad(const Scale& scale, int root, int centre_key, const std::vector<int>& previous);

int floor_div(int value, int divisor);
int floor_mod(int value, int divisor);

}  // namespace soundgen
