// A formant voice: a pitched glottal buzz shaped by three vocal-tract resonances, used for the
// animal calls, the howl, the beast's snarl, groans and laughs.
#pragma once

#include "dsp.hpp"

#include <cstdint>
#include <vector>

namespace soundgen {

// Three resonances of the vocal tract and their relative strengths.
struct Vowel {
    double f1 = 500.0;
    double f2 = 1500.0;
    double f3 = 2500.0;
    double a1 = 1.0;
    double a2 = 0.6;
    double a3 = 0.3;
};

namespace vowels {
inline constexpr Vowel aa{730, 1090, 2440, 1.0, 0.7, 0.3};  // "father"
inline constexpr Vowel ae{660, 1720, 2410, 1.0, 0.6, 0.35};  // "cat"
inline constexpr Vowel eh{530, 1840, 2480, 1.0, 0.55, 0.35};  // "bed"
inline constexpr Vowel ih{390, 1990, 2550, 1.0, 0.5, 0.3};  // "bit"
inline constexpr Vowel iy{270, 2290, 3010, 1.0, 0.4, 0.3};  // "see"
inline constexpr Vowel uh{520, 1190, 2390, 1.0, 0.55, 0.25};  // "but"
inline constexpr Vowel ao{570, 840, 2410, 1.0, 0.6, 0.2};  // "law"
inline constexpr Vowel oh{460, 820, 2600, 1.0, 0.5, 0.15};  // "go"
inline constexpr Vowel oo{300, 870, 2240, 1.0, 0.35, 0.1};  // "boot"
inline constexpr Vowel mm{250, 1100, 2200, 1.0, 0.08, 0.04};  // closed lips, nasal murmur
inline constexpr Vowel rr{490, 1350, 1690, 1.0, 0.6, 0.4};  // growled "r"
}  // namespace vowels

struct VowelPoint {
    double time = 0.0;
    Vowel vowel;
};

struct VoiceSpec {
    double length = 1.0;
    Curve pitch{150.0};  // fundamental in Hz
    Curve loudness{1.0};
    Curve breath{0.05};  // share of noise in the source: 1 is a whisper or a hiss
    std::vector<VowelPoint> vowels{{0.0, vowels::aa}};
    double formant_scale = 1.0;  // smaller vocal tracts have higher resonances
    double vibrato_rate = 0.0;  // Hz
    double vibrato_depth = 0.0;  // share of the pitch
    double tremolo_rate = 0.0;  // Hz
    double tremolo_depth = 0.0;  // share of the loudness
    double jitter = 0.0;  // slow random wander of the pitch, as a share
    double roughness = 0.0;  // subharmonic rattle of a growl, 0 to 1
    double brightness = 3500.0;  // cutoff of the glottal source
    std::uint64_t seed = 1;
};

Signal sing_voice(const VoiceSpec& voice_shape);

}  // namespace soundgen
