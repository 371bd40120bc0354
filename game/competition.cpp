// How a competition is decided after every play of a level.
#include "engine/game.h"

namespace coilrun {

void Game::ExtendCompetition() {
  if (model_.Settings.ExtendedMessageShown == 0) {
    model_.Settings.ExtendedMessageShown = 1;
    Comp_ShowExtendedMessage();
  }
  competition_.EliminateTrailing();
}

bool Game::CompetitionEnded() {
  competition_.AwardRoundWins();
  if (competition_.NobodyReachedTarget()) return false;
  competition_.MarkTrailing();
  if (competition_.AtMostOneWinner()) {
    Comp_End();
    return true;
  }
  ExtendCompetition();
  return false;
}

void Game::Comp_End() {
  host_.SetTimerEnabled(GameTimer::Game, false);
  ShowScreen(&ScreenView::ShowWinner, WinnerScreen);
}

void Game::Comp_ShowExtendedMessage() { host_.ShowMessage("Competition will be extend."); }

}  // namespace coilrun
