// Work the game can wait for (decoding a long sound, loading the soundfont) gives way to the game.
#pragma once

namespace platform {

// Lowers the calling thread's scheduling priority (its nice value), so that on a busy machine the
// game's own thread and the display server come first. Only this thread changes.
void lower_this_threads_priority();

}
