// The one sound device the players use, 16-bit stereo at a fixed rate: a
// device of SDL 2's own while only effects are wanted, and SDL_mixer's
// once the music is first wanted, for the rest of the run (some drivers
// open only one device at a time). Each buffer of it, silent or holding
// the music, is handed to `mixed` on the audio thread to add the effects.
//
// The device sleeps while nothing sounds. SDL 2 wakes its audio thread once
// a mixer buffer even while a device is paused (some 86 times a second), so
// a sleeping device is closed, and opened again in the very same format
// when a sound starts: SDL converts for hardware that would rather have
// another, and the sounds read stay right. Closing lets the audio thread
// play out two more buffers (some 25 ms), so a sleep closes the device on a
// thread of its own. A wake meanwhile opens SDL 2's own device beside the
// one closing, which plays silence from the sleep on, and waits for the
// close only when the driver takes one device at a time; SDL_mixer's
// device opens again only once closed. SDL_mixer cannot seek in MIDI
// music: music stopped in the middle begins again after a sleep.
#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "shell/audio_library.h"

namespace coilrun {

class SoundDevice {
 public:
  using Mixed = void (*)(void* context, Uint8* stream, int length);

  // `musicFinished` is SDL_mixer's end-of-music hook, set with each opening,
  // like the music's volume (of MIX_MAX_VOLUME).
  SoundDevice(int frameRate, int bufferFrames, int musicVolume, Mixed mixed, void* context, void (*musicFinished)());
  ~SoundDevice();
  SoundDevice(const SoundDevice&) = delete;
  SoundDevice& operator=(const SoundDevice&) = delete;

  // Empty on success; the device is then awake. Music that is to play at
  // once has SDL_mixer's device from the start.
  std::string Open(bool forMusic);
  // Moves to SDL_mixer's device, closing SDL 2's own first; empty on
  // success, the mixer then awake.
  std::string MoveToMixer();
  void Close();
  bool open() const { return sdl_ != nullptr; }
  bool awake() const { return awake_; }
  // No device is closing in the background.
  bool settled() const { return !closing_.joinable() || closed_.load(); }
  // Null until the music first wanted SDL_mixer.
  const MixerLibrary* mixer() const { return mixer_; }

  // Nothing may use the mixer while the device sleeps.
  void Sleep();
  // False when the device refuses to open again.
  bool Wake();

 private:
  // Each opening of SDL 2's own device calls back with one of these, so
  // that a device still closing knows it is no longer the live one.
  struct Opening {
    SoundDevice* device;
    int number;
  };

  static void Callback(void* opening, Uint8* stream, int length);
  static void PostMix(void* device, Uint8* stream, int length);
  bool OpenOwn();
  bool OpenMixer();
  void Settle();

  const int frameRate_;
  const int bufferFrames_;
  const int musicVolume_;
  const Mixed mixed_;
  void* const context_;
  void (*const musicFinished_)();
  const SdlLibrary* sdl_ = nullptr;
  const MixerLibrary* mixer_ = nullptr;
  SDL_AudioDeviceID own_ = 0;
  // At most two at a time: one closing, one live.
  std::array<Opening, 2> openings_{{{this, 0}, {this, 1}}};
  std::atomic<int> liveOpening_{-1};
  int nextOpening_ = 0;
  bool awake_ = false;
  std::thread closing_;
  std::atomic<bool> closed_{true};
};

}  // namespace coilrun
