// Keeps the ALSA library's own error printing off the terminal: a machine without a sound card
// would otherwise print a screenful of "Unknown PCM default" at every start.
#pragma once

namespace platform {

// Safe to call any number of times, and where ALSA is not installed at all.
void silence_alsa_errors();

}
