#include "engine/competition_count.h"

#include <algorithm>

namespace coilrun {

namespace {

bool Living(const PlayerState& snake) { return snake.Lives > 0; }

}  // namespace

int CompetitionCount::MaxWins() const {
  const int playerCount = PlayersInGame(model_.Settings);
  int most = 0;
  for (int player = 1; player <= playerCount; ++player) {
    if (Living(model_.Players[player])) most = std::max<int>(most, model_.Players[player].Wins);
  }
  return most;
}

int CompetitionCount::MaxRoundScore() const {
  const int playerCount = PlayersInGame(model_.Settings);
  int best = 0;
  for (int player = 1; player <= playerCount; ++player) {
    if (Living(model_.Players[player])) best = std::max(best, model_.Players[player].RoundScore);
  }
  return best;
}

// Ties all win; a play in which no living player scored has no winner.
void CompetitionCount::AwardRoundWins() {
  const int best = MaxRoundScore();
  if (best <= 0) return;
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    PlayerState& snake = model_.Players[player];
    // An endless run of ties must not wrap the count back to 0.
    if (Living(snake) && snake.RoundScore == best && snake.Wins < UINT8_MAX) ++snake.Wins;
  }
}

bool CompetitionCount::NobodyReachedTarget() const {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    if (Living(snake) && snake.Wins >= model_.Settings.WinsTarget) return false;
  }
  return true;
}

void CompetitionCount::MarkTrailing() {
  const int best = MaxRoundScore();
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    TrailingMarks[player] = (!Living(snake) || snake.RoundScore < best) ? 1 : 0;
  }
}

bool CompetitionCount::AtMostOneWinner() const {
  const int most = MaxWins();
  const int playerCount = PlayersInGame(model_.Settings);
  int leaders = 0;
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    if (Living(snake) && snake.Wins >= model_.Settings.WinsTarget && snake.Wins == most && TrailingMarks[player] == 0) {
      ++leaders;
    }
  }
  return leaders <= 1;
}

void CompetitionCount::EliminateTrailing() {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    if (TrailingMarks[player] == 1) model_.Players[player].Lives = 0;
  }
}

int CompetitionWinner(const GameModel& model) {
  const int playerCount = PlayersInGame(model.Settings);
  int winner = 1;
  for (int player = 2; player <= playerCount; ++player) {
    if (model.Players[player].Wins >= model.Players[winner].Wins) winner = player;
  }
  return winner;
}

}  // namespace coilrun
