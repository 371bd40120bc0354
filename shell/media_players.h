// The seven media players: each effect's player bound to a channel of the
// effect mixer and a wave of its own (001.wav to 006.wav), the music's to
// the MIDI music (999.mid) on SDL2_mixer.
//
// A stopped player keeps its place: Play goes on from there, or starts over
// when the player stands at its end. Every play ends in one completion
// notification on the window's thread, saying whether it reached the end of
// its sound or was stopped (or superseded by a play from the start).
//
// The sound device sleeps until the first sound, and again once nothing has
// sounded for a while; the next play wakes it. The music, stopped in the
// middle when it is switched off, begins its piece again once the device
// has slept.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/sound_players.h"
#include "shell/sound_output.h"

namespace coilrun {

class MediaPlayers : public QObject, public SoundPlayers {
  Q_OBJECT

 public:
  static constexpr int kPlayerCount = kSoundPlayerCount;
  // A mixer buffer of 512 frames at 44.1 kHz lasts 11.6 ms, so an effect
  // sounds well within 25 ms of its request.
  static constexpr int kSampleRate = 44'100;
  static constexpr int kBufferFrames = 512;
  // The synthesizer plays the music about as loud as the effects; it is
  // background, so it is set 8.5 dB below them (of MIX_MAX_VOLUME, 128).
  static constexpr int kMusicVolume = 48;
  // Sounds in play come closer together than this, so that a game seldom
  // waits for the device to wake.
  static constexpr int kSleepAfterMilliseconds = 2000;

  explicit MediaPlayers(QObject* parent = nullptr);
  ~MediaPlayers() override;
  MediaPlayers(const MediaPlayers&) = delete;
  MediaPlayers& operator=(const MediaPlayers&) = delete;

  // Opens the sound device, then binds the players to their files in
  // `directory` and opens them in the order target, ninth target, crash,
  // bonus, passage, rebound, music. Returns one message for each failure;
  // a player that failed stays silent. Without a device nothing opens.
  std::vector<std::string> Open(const std::filesystem::path& directory,
                                MusicOutput::Loading music = MusicOutput::Loading::AtFirstStart);
  // Closes the music, then the effects, then the device.
  void Close();

  bool deviceOpen() const { return device_.open(); }
  // The device sleeps once nothing has sounded for `milliseconds`.
  void setSleepAfter(int milliseconds) { idle_.setInterval(milliseconds); }
  bool deviceAwake() const { return device_.awake(); }
  // No device is closing in the background after a sleep: what SDL's disk
  // driver captures then goes to its file from one device alone.
  bool deviceSettled() const { return device_.settled(); }
  // While a game is in play a device once woken stays awake, so that only
  // the first sound of a play waits for it; once the game stands, it sleeps
  // after the usual silence. A sleeping device is not woken by this.
  void KeepAwake(bool awake);
  // Playing now: neither stopped nor at its end.
  bool Sounding(SoundPlayer player) const;

  void Play(SoundPlayer player) override;
  void PlayFromStart(SoundPlayer player) override;
  void Stop(SoundPlayer player) override;

 signals:
  void PlayFinished(coilrun::SoundPlayer player, bool reachedEnd);
  // The music is opened in the background; its failure comes later.
  void OpenFailed(const QString& message);

 private:
  enum class PlayState { Idle, Playing, Stopped, AtEnd };
  struct Slot {
    std::unique_ptr<SoundOutput> output;
    PlayState state = PlayState::Idle;
    // Numbers the plays, so that the end of an earlier play, reported late,
    // is not taken for the end of the current one.
    std::atomic<std::uint32_t> play{0};
  };

  static void ChannelFinished(int channel);
  static void MusicFinished();
  // Each buffer of the device, on the audio thread.
  static void Mixed(void* players, Uint8* stream, int length);

  Slot& SlotOf(SoundPlayer player) { return slots_[static_cast<std::size_t>(player) - 1]; }
  const Slot& SlotOf(SoundPlayer player) const { return slots_[static_cast<std::size_t>(player) - 1]; }
  // Any thread: the output of `player` has stopped sounding.
  void OutputEnded(SoundPlayer player);
  void Ended(SoundPlayer player, std::uint32_t play);
  void Begin(SoundPlayer player);
  void Notify(SoundPlayer player, bool reachedEnd);
  void SleepWhenSilent();

  SoundDevice device_;
  // Also reached from the audio thread, while the device is open.
  std::unique_ptr<EffectMixer> effects_;
  std::array<Slot, kPlayerCount> slots_;
  std::atomic<MusicOutput*> music_{nullptr};
  bool keptAwake_ = false;
  // Started again by every command and every end of a sound.
  QTimer idle_;
};

}  // namespace coilrun
