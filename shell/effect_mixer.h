// The six effects' channels, mixed as SDL_mixer mixes its channels but with
// SDL 2 alone, so that SDL_mixer and the MIDI synthesizer need not be
// loaded while the music is off. The channels keep their place whatever the
// sound device does in between, asleep or handed over to the music's mixer.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <vector>

#include "shell/audio_library.h"

namespace coilrun {

class EffectMixer {
 public:
  static constexpr int kChannels = 6;
  // A wave at the device's rate in 16-bit samples, mono or stereo as its
  // file has it: a mono wave sounds on both channels of the stereo device,
  // and takes half the memory kept as stereo.
  struct Sound {
    std::vector<std::int16_t> samples;
    int channels = 2;
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
  };
  // Told of a channel whose sound has ended, on the audio thread, or has
  // been halted or replaced, on the caller's thread.
  using Finished = void (*)(int channel);

  // The library and the frame rate of the device the effects play on.
  EffectMixer(const SdlLibrary& library, int frameRate) : library_(library), frameRate_(frameRate) {}
  EffectMixer(const EffectMixer&) = delete;
  EffectMixer& operator=(const EffectMixer&) = delete;

  void setFinished(Finished finished) { finished_ = finished; }

  // A wave file converted to the device's format; empty `error` on success.
  Sound Load(const std::filesystem::path& file, std::string& error) const;
  // From the start; the sound must stay where it is while it plays.
  void Play(int channel, const Sound& sound);
  void Pause(int channel);
  void Resume(int channel);
  void Halt(int channel);
  // Started and not yet at its end, paused or not.
  bool Playing(int channel) const;

  // On the audio thread: adds each sounding channel's next `length` bytes,
  // at full volume and clipped, to what the buffer holds.
  void MixInto(Uint8* stream, int length);

 private:
  struct Channel {
    const Sound* sound = nullptr;  // none: idle
    std::size_t frame = 0;         // the next to sound
    bool paused = false;
  };

  void Report(int channel) const;

  const SdlLibrary& library_;
  int frameRate_;
  // The channels are shared with the audio thread.
  mutable std::mutex mutex_;
  std::array<Channel, kChannels> channels_{};
  std::atomic<Finished> finished_{nullptr};
};

}  // namespace coilrun
