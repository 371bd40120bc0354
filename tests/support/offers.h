// Who was offered to the high score table: with a table that every score
// beats, each offer asks the player for a name, in order.
#pragma once

#include <climits>
#include <string>
#include <vector>

#include "engine/model.h"
#include "tests/support/fake_host.h"

namespace coilrun::testing {

inline void LetEveryScoreRank(MemoryHighScores& highScores) {
  for (HighScoreEntry& row : highScores.table) row.Score = INT32_MIN;
}

// The players asked for a name so far, told apart by their names.
inline std::vector<int> OfferedPlayers(const FakeHost& host, const GameModel& model) {
  std::vector<int> offered;
  for (const std::string& prompt : host.inputPrompts) {
    for (int player = 1; player <= kMaxPlayers; ++player) {
      if (prompt == "High scores|" + model.Players[player].Name + " reenter your name (max 15 characters)")
        offered.push_back(player);
    }
  }
  return offered;
}

}  // namespace coilrun::testing
