// The course of a game: level starts, pausing and the skip-level prompt.
#include "engine/game.h"

namespace coilrun {

void Game::Startlevel1Click() {}  // not yet: skipping levels arrives with the level loaders
void Game::PlaceSnakes() {}       // not yet: arrives with the rules
void Game::StartLevel() {}        // not yet: arrives with the rules
void Game::LevelFinished() {}     // not yet: arrives with the rules
void Game::OnEnd() {}             // not yet: the end of a game arrives later

void Game::Pause1Click() {
  if (host_.TimerEnabled(GameTimer::Game)) {
    model_.ScreenState = PauseScreen;
    host_.SetTimerEnabled(GameTimer::Game, false);
    model_.Settings.Paused = true;
    view_.DrawPauseBox();
  } else if (model_.Settings.Paused) {
    // A help screen may cover the paused board.
    if (model_.ScreenState != PauseScreen) view_.ClearBoard();
    model_.ScreenState = BoardScreen;
    model_.Settings.Paused = false;
    host_.SetTimerEnabled(GameTimer::Game, true);
    view_.ErasePauseBox();
  }
}

}  // namespace coilrun
