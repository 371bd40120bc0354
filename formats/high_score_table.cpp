#include "formats/high_score_table.h"

#include <algorithm>

#include "formats/byte_order.h"

namespace coilrun {

namespace {

constexpr std::size_t kScoreInRow = 1 + kMaxNameLength;
constexpr int kDefaultScoreStep = 1000;

}  // namespace

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

HighScoreTable DefaultHighScores() {
  HighScoreTable table;
  for (int row = 0; row < kHighScoreRows; ++row) {
    table[row].Name = "Player" + std::to_string(row);
    table[row].Score = (kHighScoreRows - 1 - row) * kDefaultScoreStep;
  }
  return table;
}

HighScoreRecord EncodeHighScores(const HighScoreTable& table) {
  HighScoreRecord record{};
  for (int row = 0; row < kHighScoreRows; ++row) {
    const std::size_t at = row * kHighScoreRowSize;
    PutShortString(record, at, table[row].Name, kMaxNameLength);
    PutLittleEndian(record, at + kScoreInRow, static_cast<std::uint32_t>(table[row].Score));
  }
  return record;
}

HighScoreTable DecodeHighScores(const HighScoreRecord& record) {
  HighScoreTable table;
  for (int row = 0; row < kHighScoreRows; ++row) {
    const std::size_t at = row * kHighScoreRowSize;
    table[row].Name = GetShortString(record, at, kMaxNameLength);
    table[row].Score = static_cast<std::int32_t>(GetLittleEndian(record, at + kScoreInRow));
  }
  return table;
}

}  // namespace coilrun
