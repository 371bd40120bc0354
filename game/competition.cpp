// How a competition is decided after every play of a level.
#include "game/course.h"

namespace coilrun {

void Course::ExtendCompetition() {
  if (model_.Settings.ExtendedMessageShown == 0) {
    model_.Settings.ExtendedMessageShown = 1;
    Comp_ShowExtendedMessage();
  }
  competition_.EliminateTrailing();
}

bool Course::CompetitionEnded() {
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

void Course::Comp_End() {
  timers_.SetTimerEnabled(GameTimer::Game, false);
  screens_.ShowScreen(WinnerScreen);
}

void Course::Comp_ShowExtendedMessage() { prompts_.ShowMessage("Competition will be extend."); }

}  // namespace coilrun
