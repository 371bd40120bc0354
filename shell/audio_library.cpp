#include "shell/audio_library.h"

#include <dlfcn.h>

#include <future>
#include <mutex>
#include <optional>

namespace coilrun {

namespace {

// The names of every 2.x release.
constexpr char kSdlLibrary[] = "libSDL2-2.0.so.0";
constexpr char kMixerLibrary[] = "libSDL2_mixer-2.0.so.0";

template <typename Library>
struct Loaded {
  Library library;
  std::string error;
};

void* Open(const char* name, std::string& error) {
  void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    error = reason ? reason : std::string(name) + " cannot be loaded";
  }
  return handle;
}

#define COILRUN_RESOLVE(name)                                                                  \
  loaded.library.name = reinterpret_cast<decltype(loaded.library.name)>(dlsym(handle, #name)); \
  if (loaded.library.name == nullptr) {                                                        \
    loaded.error = std::string(library) + " lacks " #name;                                     \
    return loaded;                                                                             \
  }

Loaded<SdlLibrary> LoadSdl(bool startAudio) {
  Loaded<SdlLibrary> loaded;
  const char* library = kSdlLibrary;
  void* handle = Open(library, loaded.error);
  if (handle == nullptr) return loaded;
  COILRUN_SDL_FUNCTIONS(COILRUN_RESOLVE)
  if (startAudio) {
    // The effects open the device later; SDL keeps its audio started meanwhile.
    loaded.library.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    loaded.library.SDL_InitSubSystem(SDL_INIT_AUDIO);
  }
  return loaded;
}

// Its own scope holds SDL 2 as well.
Loaded<MixerLibrary> LoadMixer() {
  Loaded<MixerLibrary> loaded;
  const char* library = kMixerLibrary;
  void* handle = Open(library, loaded.error);
  if (handle == nullptr) return loaded;
  COILRUN_MIXER_FUNCTIONS(COILRUN_RESOLVE)
  COILRUN_RESOLVE(SDL_InitSubSystem)
  COILRUN_RESOLVE(SDL_QuitSubSystem)
  COILRUN_RESOLVE(SDL_GetError)
  return loaded;
}

#undef COILRUN_RESOLVE

std::mutex sdlMutex;
std::future<Loaded<SdlLibrary>> sdlAhead;
std::optional<Loaded<SdlLibrary>> sdl;

const Loaded<SdlLibrary>& SdlResult() {
  const std::lock_guard lock(sdlMutex);
  if (!sdl) sdl = sdlAhead.valid() ? sdlAhead.get() : LoadSdl(false);
  return *sdl;
}

std::mutex mixerMutex;
std::optional<Loaded<MixerLibrary>> mixer;

const Loaded<MixerLibrary>& MixerResult() {
  const std::lock_guard lock(mixerMutex);
  if (!mixer) mixer = LoadMixer();
  return *mixer;
}

}  // namespace

void SdlLibrary::LoadAhead(void (*then)()) {
  const std::lock_guard lock(sdlMutex);
  if (sdl || sdlAhead.valid()) return;
  sdlAhead = std::async(std::launch::async, [then] {
    Loaded<SdlLibrary> loaded = LoadSdl(true);
    then();
    return loaded;
  });
}

const SdlLibrary* Sdl() {
  const auto& result = SdlResult();
  return result.error.empty() ? &result.library : nullptr;
}

std::string SdlLoadError() { return SdlResult().error; }

const MixerLibrary* Mixer() {
  const auto& result = MixerResult();
  return result.error.empty() ? &result.library : nullptr;
}

std::string MixerLoadError() { return MixerResult().error; }

}  // namespace coilrun
