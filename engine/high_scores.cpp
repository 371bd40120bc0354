#include "engine/high_scores.h"

#include <algorithm>

#include "engine/model.h"

namespace coilrun {

int FindHighScoreRank(const HighScoreTable& table, std::int32_t score) {
  const auto beaten =
      std::find_if(table.begin(), table.end(), [score](const HighScoreEntry& entry) { return score > entry.Score; });
  return beaten == table.end() ? 0 : static_cast<int>(beaten - table.begin()) + 1;
}

void InsertHighScore(HighScoreTable& table, int place, std::string_view name, std::int32_t score) {
  HighScoreEntry& entry = table[place - 1];
  std::move_backward(table.begin() + place - 1, table.end() - 1, table.end());
  entry.Name = std::string(name.substr(0, kMaxNameLength));
  entry.Score = score;
}

}  // namespace coilrun
