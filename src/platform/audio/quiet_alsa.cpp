// Silencing ALSA through the library SDL itself loads, so no link to it is needed.
#include "platform/audio/quiet_alsa.hpp"

#include <dlfcn.h>

namespace platform {

namespace {

using AlsaErrorHandler = void (*)(char const* file, int line, char const* function, int error, char const* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler);

void ignore_alsa_error(char const*, int, char const*, int, char const*, ...) { }

}

void silence_alsa_errors()
{
    // Loaded once and kept: SDL opens the same library later and shares its error handler.
    static void* const alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa)
        return;
    if (auto* set = reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(&ignore_alsa_error);
}

}
