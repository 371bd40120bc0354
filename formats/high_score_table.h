// The table of the ten best scores, and hscores.dat, which holds it as one
// 200-byte record: ten rows of a name (a length byte and 15 characters) and
// a 32-bit score.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "formats/short_string.h"

namespace coilrun {

struct HighScoreEntry {
  std::string Name;  // Latin-1, at most 15 characters
  std::int32_t Score = 0;

  friend bool operator==(const HighScoreEntry&, const HighScoreEntry&) = default;
};

constexpr int kHighScoreRows = 10;

// Row 1, the best, first. Rows are only ever inserted at their place, never
// sorted, so the order is whatever the stored table had.
using HighScoreTable = std::array<HighScoreEntry, kHighScoreRows>;

// Where the table is kept, beside settings.dat; also named in the reset's
// message.
inline constexpr char kHighScoreFileName[] = "hscores.dat";

// The place (1..10) a score earns: the first row, from the top, whose score
// it beats strictly; 0 when it beats none. An equal score goes below.
int FindHighScoreRank(const HighScoreTable& table, std::int32_t score);
// Moves the rows from `place` (1..10) down by one, losing row 10, and puts the name
// (cut to 15 characters) and score at `place`.
void InsertHighScore(HighScoreTable& table, int place, std::string_view name, std::int32_t score);

// Player0 with 9000 down to Player9 with 0.
HighScoreTable DefaultHighScores();

constexpr std::size_t kHighScoreRowSize = 1 + kMaxNameLength + 4;
constexpr std::size_t kHighScoreRecordSize = kHighScoreRows * kHighScoreRowSize;
using HighScoreRecord = std::array<std::uint8_t, kHighScoreRecordSize>;

HighScoreRecord EncodeHighScores(const HighScoreTable& table);
// A name's length byte beyond 15 counts as 15; any score is taken as stored.
HighScoreTable DecodeHighScores(const HighScoreRecord& record);

}  // namespace coilrun
