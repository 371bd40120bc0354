// The effect sounds the rules ask the media players for.
#include "engine/game.h"

namespace coilrun {

// The crash (Player02) and the ninth target (Player03) are never cut short.
void Game::Mute_Players() {
  host_.MediaStop(MediaPlayer::Player01);
  host_.MediaStop(MediaPlayer::Player04);
  host_.MediaStop(MediaPlayer::Player05);
  host_.MediaStop(MediaPlayer::Player06);
}

// Silent while no target is on the field, that is after "Game Over.".
void Game::Bump_Sound() {
  if (!model_.Settings.Sounds || model_.TargetNumber <= 0) return;
  Mute_Players();
  host_.MediaPlayFromStart(MediaPlayer::Player02);
}

void Game::EffectSound(SoundEffect effect) {
  if (!model_.Settings.Sounds) return;
  switch (effect) {
    case SoundEffect::Target:
      if (model_.TargetNumber <= 0) return;
      host_.MediaStop(MediaPlayer::Player04);
      host_.MediaStop(MediaPlayer::Player01);
      // The ninth plays on from where it stands; it rewinds only at its end.
      if (model_.TargetNumber >= 9) {
        host_.MediaPlay(MediaPlayer::Player03);
      } else {
        host_.MediaPlayFromStart(MediaPlayer::Player01);
      }
      return;
    case SoundEffect::Door:
      Mute_Players();
      host_.MediaPlayFromStart(MediaPlayer::Player05);
      return;
    case SoundEffect::InOut:
      host_.MediaStop(MediaPlayer::Player01);
      host_.MediaPlayFromStart(MediaPlayer::Player05);
      return;
    case SoundEffect::Rebound:
      host_.MediaStop(MediaPlayer::Player01);
      host_.MediaPlayFromStart(MediaPlayer::Player06);
      return;
    case SoundEffect::Score:
      host_.MediaStop(MediaPlayer::Player01);
      host_.MediaPlayFromStart(MediaPlayer::Player04);
      return;
    case SoundEffect::Life:
      Mute_Players();
      host_.MediaPlayFromStart(MediaPlayer::Player04);
      return;
  }
}

// Play rewinds a player that stands at its end, so the music starts over.
void Game::MusicPlayerNotify(bool reachedEnd) {
  if (reachedEnd && model_.Settings.Music) host_.MediaPlay(MediaPlayer::MusicPlayer);
}

}  // namespace coilrun
