// Writes a whole tune from a style: a form of sections, then melody, harmony, bass, an optional
// colour voice and drums over it.
#pragma once

#include "smf_writer.hpp"
#include "tune_style.hpp"

namespace soundgen {

MidiSong compose(const TuneStyle& style);

}  // namespace soundgen
