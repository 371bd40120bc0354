// A Game that records which players were offered to the high score table,
// in order, instead of opening the table.
#pragma once

#include <vector>

#include "engine/game.h"

namespace coilrun::testing {

class OfferRecordingGame : public Game {
 public:
  using Game::Game;
  void ReWriteHS(int player) override { offered.push_back(player); }

  std::vector<int> offered;
};

}  // namespace coilrun::testing
