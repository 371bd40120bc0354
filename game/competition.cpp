// How a competition is counted and decided after every play of a level.
#include <algorithm>

#include "engine/game.h"

namespace coilrun {

namespace {

bool Living(const PlayerState& snake) { return snake.Lives > 0; }

}  // namespace

int Game::MaxWins() const {
  const int playerCount = PlayersInGame();
  int most = 0;
  for (int player = 1; player <= playerCount; ++player) {
    if (Living(model_.Players[player])) most = std::max<int>(most, model_.Players[player].Wins);
  }
  return most;
}

int Game::MaxRoundScore() const {
  const int playerCount = PlayersInGame();
  int best = 0;
  for (int player = 1; player <= playerCount; ++player) {
    if (Living(model_.Players[player])) best = std::max(best, model_.Players[player].RoundScore);
  }
  return best;
}

// Ties all win; a play in which no living player scored has no winner.
void Game::AwardRoundWins() {
  const int best = MaxRoundScore();
  if (best <= 0) return;
  const int playerCount = PlayersInGame();
  for (int player = 1; player <= playerCount; ++player) {
    PlayerState& snake = model_.Players[player];
    // An endless run of ties must not wrap the count back to 0.
    if (Living(snake) && snake.RoundScore == best && snake.Wins < UINT8_MAX) ++snake.Wins;
  }
}

bool Game::NobodyReachedTarget() const {
  const int playerCount = PlayersInGame();
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    if (Living(snake) && snake.Wins >= model_.Settings.WinsTarget) return false;
  }
  return true;
}

void Game::MarkTrailing() {
  const int best = MaxRoundScore();
  const int playerCount = PlayersInGame();
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    TrailingMarks[player] = (!Living(snake) || snake.RoundScore < best) ? 1 : 0;
  }
}

bool Game::AtMostOneWinner() const {
  const int most = MaxWins();
  const int playerCount = PlayersInGame();
  int leaders = 0;
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    if (Living(snake) && snake.Wins >= model_.Settings.WinsTarget && snake.Wins == most && TrailingMarks[player] == 0) {
      ++leaders;
    }
  }
  return leaders <= 1;
}

void Game::ExtendCompetition() {
  if (model_.Settings.ExtendedMessageShown == 0) {
    model_.Settings.ExtendedMessageShown = 1;
    Comp_ShowExtendedMessage();
  }
  EliminateTrailing();
}

void Game::EliminateTrailing() {
  const int playerCount = PlayersInGame();
  for (int player = 1; player <= playerCount; ++player) {
    if (TrailingMarks[player] == 1) model_.Players[player].Lives = 0;
  }
}

bool Game::CompetitionEnded() {
  AwardRoundWins();
  if (NobodyReachedTarget()) return false;
  MarkTrailing();
  if (AtMostOneWinner()) {
    Comp_End();
    return true;
  }
  ExtendCompetition();
  return false;
}

void Game::Comp_End() {
  host_.SetTimerEnabled(GameTimer::Game, false);
  // As with the title: the view clears the board when the state changes.
  view_.screens.ShowWinner();
  model_.ScreenState = WinnerScreen;
}

void Game::Comp_ShowExtendedMessage() { host_.ShowMessage("Competition will be extend."); }

}  // namespace coilrun
