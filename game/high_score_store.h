// Where the game keeps the table of the ten best scores. The table lives
// only in its store: every user reads it afresh and writes it back at once.
#pragma once

#include "formats/high_score_table.h"

namespace coilrun {

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
