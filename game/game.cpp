#include "game/game.h"

#include "engine/keys.h"
#include "game/menu_state.h"

namespace coilrun {

void Game::TimerTimer() {
  parts_.computers.Steer(*this);
  parts_.rules.TimerTimer();
}

void Game::FormKeyDown(int key, unsigned shift) {
  if (parts_.computers.RefusesKey(key, shift)) return;
  if (key == VkPause || key == VkP) Pause1Click();
  parts_.rules.RotateSnake(key);
}

void Game::Pause1Click() {
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
  if (GameInPlay(parts_.model)) {
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
