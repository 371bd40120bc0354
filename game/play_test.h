// A game on a level the player is still drawing: it starts as a game from
// the command line does, paused, but it leaves the player's files alone. No
// score is offered to the table, and the settings go back to the level file
// and the source of the player's own games once it is over.
#pragma once

#include <string>

#include "engine/model.h"
#include "game/high_score_offers.h"

namespace coilrun {

class PlayTest {
 public:
  PlayTest(GameModel& model, HighScoreOffers& highScores) : model_(model), highScores_(highScores) {}

  void Begin();
  bool Running() const { return running_; }
  // Gives the settings back; nothing when no play-test runs.
  void End();

 private:
  GameModel& model_;
  HighScoreOffers& highScores_;
  bool running_ = false;
  std::string keptLevelFileName_;
  bool keptBuiltInLevels_ = true;
};

}  // namespace coilrun
