// Waiting on the steady clock, for synchronous sounds with no device to time them.
#pragma once

#include <cstdint>

namespace platform {

// Returns after `microseconds` have passed on the steady clock; handles no events meanwhile.
void wait_microseconds(std::int64_t microseconds);

}
