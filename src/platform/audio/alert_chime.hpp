// The default alert: a short two-tone chime that plays in place of a sound that cannot be played.
#pragma once

#include "platform/audio/pcm.hpp"

#include <memory>

namespace platform {

// Synthesised once, on first use; the same sound every time.
std::shared_ptr<Pcm const> alert_chime();

}
