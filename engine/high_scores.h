// The table of the ten best scores, and where the game keeps it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

// The stored table. The table lives only in its store: every user reads it
// afresh and writes it back at once.
class HighScoreStore {
 public:
  virtual ~HighScoreStore() = default;

  // The stored table. A missing table is first stored as the default one; a
  // damaged one is reported, kept aside and replaced by the default one, so
  // a table always comes back.
  virtual HighScoreTable ReadHighScores() = 0;
  // Replaces the stored table; a failure is reported and leaves the old one.
  virtual void WriteHighScores(const HighScoreTable& table) = 0;
  // Removes the stored table; false when there was none to remove.
  virtual bool DeleteHighScores() = 0;
};

}  // namespace coilrun
