// The effect sounds the rules ask for, and which players each one silences
// first. Nothing sounds while Sounds is off.
#pragma once

#include "engine/model.h"
#include "engine/sound_players.h"

namespace coilrun {

// The effects of the rules; the crash has its own Bump_Sound.
enum class SoundEffect { Target, Door, InOut, Rebound, Score, Life };

class SoundRequests {
 public:
  SoundRequests(const GameModel& model, SoundPlayers& players) : model_(model), players_(players) {}

  void Bump_Sound();
  void EffectSound(SoundEffect effect);

 private:
  void Mute_Players();

  const GameModel& model_;
  SoundPlayers& players_;
};

}  // namespace coilrun
