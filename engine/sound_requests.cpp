#include "engine/sound_requests.h"

namespace coilrun {

// The crash and the ninth target are never cut short.
void SoundRequests::Mute_Players() {
  players_.Stop(SoundPlayer::TargetEaten);
  players_.Stop(SoundPlayer::BonusBrick);
  players_.Stop(SoundPlayer::Passage);
  players_.Stop(SoundPlayer::Rebound);
}

// Silent while no target is on the field, that is after "Game Over.".
void SoundRequests::Bump_Sound() {
  if (!model_.Settings.Sounds || model_.TargetNumber <= 0) return;
  Mute_Players();
  players_.PlayFromStart(SoundPlayer::Crash);
}

void SoundRequests::EffectSound(SoundEffect effect) {
  if (!model_.Settings.Sounds) return;
  switch (effect) {
    case SoundEffect::Target:
      if (model_.TargetNumber <= 0) return;
      players_.Stop(SoundPlayer::BonusBrick);
      players_.Stop(SoundPlayer::TargetEaten);
      // The ninth plays on from where it stands; it rewinds only at its end.
      if (model_.TargetNumber >= 9) {
        players_.Play(SoundPlayer::LevelFinished);
      } else {
        players_.PlayFromStart(SoundPlayer::TargetEaten);
      }
      return;
    case SoundEffect::Door:
      Mute_Players();
      players_.PlayFromStart(SoundPlayer::Passage);
      return;
    case SoundEffect::InOut:
      players_.Stop(SoundPlayer::TargetEaten);
      players_.PlayFromStart(SoundPlayer::Passage);
      return;
    case SoundEffect::Rebound:
      players_.Stop(SoundPlayer::TargetEaten);
      players_.PlayFromStart(SoundPlayer::Rebound);
      return;
    case SoundEffect::Score:
      players_.Stop(SoundPlayer::TargetEaten);
      players_.PlayFromStart(SoundPlayer::BonusBrick);
      return;
    case SoundEffect::Life:
      Mute_Players();
      players_.PlayFromStart(SoundPlayer::BonusBrick);
      return;
  }
}

}  // namespace coilrun
