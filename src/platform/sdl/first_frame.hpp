// An opt-in stamp for start-up measurements: when GRAWN2_FIRST_FRAME_STAMP is set, the moment the
// first window picture reaches the display is written to stderr once.
#pragma once

namespace platform::sdl {

// Call after a window's picture was handed to the display. With GRAWN2_FIRST_FRAME_STAMP set,
// the first call writes "first-frame NANOSECONDS" (CLOCK_MONOTONIC) as one line on stderr.
void frame_presented();

}
