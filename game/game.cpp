#include "game/game.h"

#include "engine/keys.h"
#include "game/menu_state.h"

namespace coilrun {

// Before the snakes step, the computer players press their keys. They are
// part of the beat: a replay or a network game runs them again from the
// seats and seeds it carries, rather than taking their keys as inputs.
void Game::TimerTimer() {
  const auto entry = parts_.inputs.Beat();
  if (entry.taken()) return;
  parts_.computers.Steer(*this);
  parts_.rules.TimerTimer();
  parts_.inputs.BeatDone();
}

void Game::FormKeyDown(int key, unsigned shift) {
  const auto entry = parts_.inputs.Input({InputKind::Key, 0, static_cast<std::uint32_t>(key)});
  if (entry.taken()) return;
  if (parts_.computers.RefusesKey(key, shift)) return;
  if (key == VkPause || key == VkP) Pause1Click();
  parts_.rules.RotateSnake(key);
}

void Game::Pause1Click() {
  const auto entry = parts_.inputs.Input({InputKind::Pause});
  if (entry.taken()) return;
  GameModel& model = parts_.model;
  GameTimers& timers = parts_.ports.timers;
  if (timers.TimerEnabled(GameTimer::Game)) {
    model.ScreenState = PauseScreen;
    timers.SetTimerEnabled(GameTimer::Game, false);
    model.Settings.Paused = true;
    parts_.view.screens.DrawPauseBox();
  } else if (model.Settings.Paused) {
    // A help screen may cover the paused board.
    if (model.ScreenState != PauseScreen) parts_.view.board.ClearBoard();
    model.ScreenState = BoardScreen;
    model.Settings.Paused = false;
    timers.SetTimerEnabled(GameTimer::Game, true);
    parts_.view.screens.ErasePauseBox();
  }
}

// Only a game in play can be stopped; anywhere else the players of a game
// that has already ended would be offered to the table again.
void Game::Stop1Click() {
  const auto entry = parts_.inputs.Input({InputKind::Stop});
  if (entry.taken()) return;
  if (!GameInPlay(parts_.model)) return;
  if (parts_.model.Settings.Paused) Pause1Click();
  RetirePlayers();
  parts_.screens.ShowScreen(TitleScreen);
  CloseGameLevelFile();
}

// A game paused under a help screen is recorded too, as Stop would record
// it: its players' scores would otherwise be lost with the window.
// A play-test gives the settings back before they are saved.
void Game::ShutDown() {
  const auto entry = parts_.inputs.Command(GameCommand::ShutDown);
  if (!entry.taken() && GameInPlay(parts_.model)) {
    RetirePlayers();
    CloseGameLevelFile();
  }
  playTest_.End();
}

// Once out, nobody is offered a second time.
void Game::RetirePlayers() {
  parts_.ports.timers.SetTimerEnabled(GameTimer::Game, false);
  parts_.course.OfferScoresInPlay();
  const int playerCount = PlayersInGame(parts_.model.Settings);
  for (int player = 1; player <= playerCount; ++player) parts_.model.Players[player].Lives = 0;
}

void Game::CloseGameLevelFile() {
  if (parts_.model.LevelNumber >= kFirstFileLevel) parts_.course.CloseLevelFile();
}

// Play rewinds a player that stands at its end, so the music starts over.
void Game::MusicPlayerNotify(bool reachedEnd) {
  if (reachedEnd && parts_.model.Settings.Music) parts_.ports.sounds.Play(SoundPlayer::Music);
}

}  // namespace coilrun
