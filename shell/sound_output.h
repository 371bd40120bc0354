// One sound as it is played: a wave on a channel of the effect mixer, or
// the MIDI music on SDL_mixer. Position is kept while paused; Start always
// begins afresh.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <string>

#include "shell/effect_mixer.h"
#include "shell/sound_device.h"

namespace coilrun {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void Start() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Halt() = 0;
  // Started and not yet at its end; a paused sound is still active.
  virtual bool Active() const = 0;
};

// A wave, read whole when the players open and kept in the device's format.
class WaveOutput : public SoundOutput {
 public:
  // Empty `error` on success.
  WaveOutput(EffectMixer& mixer, int channel, const std::filesystem::path& file, std::string& error);
  ~WaveOutput() override;
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;

  void Start() override;
  void Pause() override;
  void Resume() override;
  void Halt() override;
  bool Active() const override;

 private:
  EffectMixer& mixer_;
  int channel_;
  const EffectMixer::Sound sound_;
};

// The music. Reading a MIDI file loads SDL_mixer, which then takes the
// device over, and the synthesizer's soundfont, which takes long enough to
// be done in the background, and holds the largest part of the program's
// memory: music that is to play at once is read on a thread of its own, and
// the first command waits for it; music that is off is loaded only when it
// first starts.
//
// The synthesizer reports the end of a piece seconds after its last note,
// which would leave a gap each time the music starts over. So a piece whose
// length is known plays looped inside the synthesizer, without a gap, and
// its end is told by counting the frames mixed: it is then already going on
// from its start, and stays Active.
class MusicOutput : public SoundOutput {
 public:
  enum class Loading { Ahead, AtFirstStart };

  // `loaded` is called on the loading thread with an empty text on success.
  // Read ahead, the device is moved to SDL_mixer before this returns.
  MusicOutput(SoundDevice& device, const std::filesystem::path& file, int frameRate, Loading loading,
              std::function<void(const std::string& error)> loaded);
  ~MusicOutput() override;
  MusicOutput(const MusicOutput&) = delete;
  MusicOutput& operator=(const MusicOutput&) = delete;

  void Start() override;
  void Pause() override;
  void Resume() override;
  void Halt() override;
  bool Active() const override;

  // On the audio thread, after each mixer buffer: true when the piece has
  // just come round to its end.
  bool Mixed(std::int64_t frames);
  // Not being read on the loading thread, which uses the mixer.
  bool Settled() const { return piece_.wait_for(std::chrono::seconds(0)) != std::future_status::timeout; }

 private:
  struct Piece {
    Mix_Music* music = nullptr;
    std::int64_t frames = 0;  // 0: length unknown, played once
  };
  // Null until loaded, and while the device sleeps: what was never started
  // has nothing to stop, and a sleep has halted it.
  Mix_Music* Playable() const {
    if (!device_.awake() || piece_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) return nullptr;
    return piece_.get().music;
  }

  SoundDevice& device_;
  std::shared_future<Piece> piece_;
  std::atomic<bool> sounding_{false};
  std::atomic<std::int64_t> framesIntoPiece_{0};
  std::atomic<std::int64_t> pieceFrames_{0};
};

}  // namespace coilrun
