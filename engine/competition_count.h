// How a competition is counted after every play of a level. Each step looks
// at players 1..PlayerCount; a living player is one with Lives > 0. Wins are
// compared unsigned, everything else signed.
#pragma once

#include <array>
#include <cstdint>

#include "engine/model.h"

namespace coilrun {

class CompetitionCount {
 public:
  explicit CompetitionCount(GameModel& model) : model_(model) {}

  // The largest Wins among living players; 0 if none.
  int MaxWins() const;
  // The largest RoundScore among living players, never below 0.
  int MaxRoundScore() const;
  void AwardRoundWins();
  bool NobodyReachedTarget() const;
  void MarkTrailing();
  bool AtMostOneWinner() const;
  // Puts every player marked as trailing out of the competition.
  void EliminateTrailing();

 private:
  GameModel& model_;
  // Per player 1..4: dead or below the best RoundScore when last marked.
  // Kept from one competition to the next.
  std::array<std::uint8_t, kMaxPlayers + 1> TrailingMarks{};
};

// The player the winner page names: the most Wins among players
// 1..PlayerCount, living or not; a tie goes to the higher-numbered player.
int CompetitionWinner(const GameModel& model);

}  // namespace coilrun
