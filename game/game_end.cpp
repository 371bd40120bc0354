// Every way a game leaves the board: the level list exhausted, Stop, and the
// window closing over a game in play.
#include "engine/game.h"
#include "game/menu_state.h"

namespace coilrun {

void Game::OnEnd() {
  host_.SetTimerEnabled(GameTimer::Game, false);
  OfferScoresInPlay();
  host_.ShowNewMenuItem();
  const bool builtInListFinished = model_.LevelNumber >= kBuiltInLevelCount && model_.Settings.BuiltInLevels;
  if (builtInListFinished && !model_.Settings.LevelsSkipped) {
    ShowScreen(&ScreenView::ShowCongratulations, CongratulationsScreen);
  } else if (builtInListFinished) {
    ShowScreen(&ScreenView::ShowDisappointment, DisappointmentScreen);
  } else {
    --model_.LevelNumber;
    host_.ShowMessage("You have finished all levels.");
    ShowScreen(&ScreenView::ShowTitle, TitleScreen);
  }
}

// Only a game in play can be stopped; anywhere else the players of a game
// that has already ended would be offered to the table again.
void Game::Stop1Click() {
  if (!GameInPlay(model_)) return;
  if (model_.Settings.Paused) Pause1Click();
  RetirePlayers();
  ShowScreen(&ScreenView::ShowTitle, TitleScreen);
  CloseGameLevelFile();
}

// A game paused under a help screen is recorded too, as Stop would record
// it: its players' scores would otherwise be lost with the window.
void Game::ShutDown() {
  if (!GameInPlay(model_)) return;
  RetirePlayers();
  CloseGameLevelFile();
}

void Game::OfferScoresInPlay() {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    if (model_.Players[player].Lives > 0) ReWriteHS(player);
  }
}

// Once out, nobody is offered a second time.
void Game::RetirePlayers() {
  host_.SetTimerEnabled(GameTimer::Game, false);
  OfferScoresInPlay();
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) model_.Players[player].Lives = 0;
}

void Game::CloseGameLevelFile() {
  if (model_.LevelNumber >= kFirstFileLevel) CloseLevelFile();
}

// The view compares the state it replaces to decide whether to clear the
// board first, so the new state is set after it.
void Game::ShowScreen(void (ScreenView::*show)(), ScreenStateValue screen) {
  (view_.screens.*show)();
  model_.ScreenState = screen;
}

}  // namespace coilrun
