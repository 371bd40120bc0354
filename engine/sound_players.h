// The media players the rules ask for sounds: six effects and the music, each
// a player of its own that plays one sound from its start or from where it
// stopped. Playing one never waits for the sound.
#pragma once

namespace coilrun {

enum class SoundPlayer {
  TargetEaten = 1,  // a target 1..8 eaten
  Crash,
  LevelFinished,  // the ninth target
  BonusBrick,     // a score or life brick
  Passage,        // a door or an in-out brick
  Rebound,
  Music,
};
constexpr int kSoundPlayerCount = 7;

class SoundPlayers {
 public:
  virtual ~SoundPlayers() = default;

  virtual void Stop(SoundPlayer player) = 0;
  // Plays from the current position, rewinding first when at the end.
  virtual void Play(SoundPlayer player) = 0;
  virtual void PlayFromStart(SoundPlayer player) = 0;
};

}  // namespace coilrun
