// A player's score offered to the table of the ten best, and the table's reset.
#pragma once

#include "engine/model.h"
#include "game/high_score_store.h"
#include "game/prompts.h"
#include "game/seats.h"

namespace coilrun {

class HighScoreOffers {
 public:
  // `seats` are the game's: a computer's score is never offered.
  HighScoreOffers(const GameModel& model, const Seats& seats, HighScoreStore& store, Prompts& prompts)
      : model_(model), seats_(seats), store_(store), prompts_(prompts) {}

  // The player's score enters the table at its place, under the name the
  // player types (or the player's name, when the options say not to ask).
  // The table is the people's: a computer is neither asked nor entered.
  void ReWriteHS(int player);
  // Off while a level is play-tested: the table is neither read nor written.
  void SetOffering(bool offering) { offering_ = offering; }
  // Deletes the table; the next user writes the default one.
  void ResetHighScores();

 private:
  const GameModel& model_;
  const Seats& seats_;
  HighScoreStore& store_;
  Prompts& prompts_;
  bool offering_ = true;
};

}  // namespace coilrun
