#include "shell/sound_library_messages.h"

#include <dlfcn.h>

namespace coilrun {

namespace {

using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error, const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler handler);

void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void ShowSoundLibraryMessages(bool shown) {
  // SDL reaches libasound through dlopen by this same name, so it finds the
  // one loaded copy and the handler set here. The library is never closed:
  // its handler would go with it. Without libasound there is nothing to quieten.
  void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
  if (alsa == nullptr) return;
  const auto setHandler = reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
  // A null handler is libasound's own, which prints.
  if (setHandler != nullptr) setHandler(shown ? nullptr : &IgnoreAlsaError);
}

}  // namespace coilrun
