// Spoken lines from the system's espeak-ng, read from its standard output and brought to the
// effects' sample rate. Without espeak-ng the callers fall back to synthesised sounds.
#pragma once

#include "dsp.hpp"

#include <optional>
#include <string>

namespace soundgen {

struct SpeechStyle {
    int pitch = 50;  // espeak-ng's 0 to 99
    int words_per_minute = 160;
    std::string voice = "en-us";  // a language, optionally with a "+variant" timbre
};

// The spoken text without leading and trailing silence, or nothing when espeak-ng is missing or fails.
std::optional<Signal> speak(const std::string& text, const SpeechStyle& style);

}  // namespace soundgen
