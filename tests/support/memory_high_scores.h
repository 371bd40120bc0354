// A high score store in memory, for tests: the table and how often it was written.
#pragma once

#include "game/high_score_store.h"

namespace coilrun::testing {

class MemoryHighScores : public HighScoreStore {
 public:
  HighScoreTable ReadHighScores() override { return table; }
  void WriteHighScores(const HighScoreTable& written) override {
    table = written;
    ++writes;
  }
  bool DeleteHighScores() override {
    table = {};
    return true;
  }

  HighScoreTable table{};
  int writes = 0;
};

}  // namespace coilrun::testing
