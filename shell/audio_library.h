// SDL 2 and SDL2_mixer, loaded while the program runs rather than by the
// loader before it starts. SDL 2, which plays the effects, is loaded by main
// on a thread while Qt starts, with SDL's audio started too (it
// asks the session's message bus for a while); the sound step of the
// start-up takes it from there. SDL2_mixer, which plays the music through
// the MIDI synthesizer and brings some thirty more libraries and several
// megabytes with it, is loaded only when the music is first wanted. The
// gamepads use SDL 2's game controllers from the same load.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace coilrun {

#define COILRUN_SDL_FUNCTIONS(X)   \
  X(SDL_SetHint)                   \
  X(SDL_InitSubSystem)             \
  X(SDL_QuitSubSystem)             \
  X(SDL_GetError)                  \
  X(SDL_RWFromFile)                \
  X(SDL_LoadWAV_RW)                \
  X(SDL_FreeWAV)                   \
  X(SDL_BuildAudioCVT)             \
  X(SDL_ConvertAudio)              \
  X(SDL_OpenAudioDevice)           \
  X(SDL_PauseAudioDevice)          \
  X(SDL_CloseAudioDevice)          \
  X(SDL_GameControllerEventState)  \
  X(SDL_JoystickEventState)        \
  X(SDL_GameControllerUpdate)      \
  X(SDL_GameControllerGetAttached) \
  X(SDL_GameControllerOpen)        \
  X(SDL_GameControllerClose)       \
  X(SDL_GameControllerName)        \
  X(SDL_GameControllerGetJoystick) \
  X(SDL_GameControllerGetButton)   \
  X(SDL_GameControllerGetAxis)     \
  X(SDL_JoystickGetGUID)           \
  X(SDL_JoystickGetGUIDString)     \
  X(SDL_NumJoysticks)              \
  X(SDL_IsGameController)          \
  X(SDL_JoystickGetDeviceInstanceID)

#define COILRUN_MIXER_FUNCTIONS(X) \
  X(Mix_OpenAudioDevice)           \
  X(Mix_CloseAudio)                \
  X(Mix_VolumeMusic)               \
  X(Mix_HookMusicFinished)         \
  X(Mix_SetPostMix)                \
  X(Mix_LoadMUS)                   \
  X(Mix_FreeMusic)                 \
  X(Mix_PlayMusic)                 \
  X(Mix_PauseMusic)                \
  X(Mix_ResumeMusic)               \
  X(Mix_HaltMusic)                 \
  X(Mix_PlayingMusic)

#define COILRUN_AUDIO_FUNCTION_POINTER(name) decltype(&::name) name = nullptr;

// The functions of SDL 2 the sounds and the gamepads use, by their own names.
struct SdlLibrary {
  COILRUN_SDL_FUNCTIONS(COILRUN_AUDIO_FUNCTION_POINTER)

  // Starts loading SDL 2 and its audio on a thread, which then runs then();
  // the first Sdl() waits for both. Without it, Sdl() loads the library
  // itself.
  static void LoadAhead(void (*then)());
};

// The functions of SDL2_mixer the music uses, and the few of SDL 2 it
// needs beside them.
struct MixerLibrary {
  COILRUN_MIXER_FUNCTIONS(COILRUN_AUDIO_FUNCTION_POINTER)
  decltype(&::SDL_InitSubSystem) SDL_InitSubSystem = nullptr;
  decltype(&::SDL_QuitSubSystem) SDL_QuitSubSystem = nullptr;
  decltype(&::SDL_GetError) SDL_GetError = nullptr;
};

#undef COILRUN_AUDIO_FUNCTION_POINTER

// Each library is loaded once for the whole run, from any thread, and never
// unloaded; null when it cannot be loaded, which the error then explains.
const SdlLibrary* Sdl();
std::string SdlLoadError();
const MixerLibrary* Mixer();
std::string MixerLoadError();

}  // namespace coilrun
