#include "game/high_score_offers.h"

#include <optional>
#include <string>

namespace coilrun {

// The table is written back even when nothing entered it, so a longer file
// is brought to its exact size.
void HighScoreOffers::ReWriteHS(int player) {
  if (!offering_ || seats_.IsComputer(player)) return;
  HighScoreTable table = store_.ReadHighScores();
  const PlayerState& snake = model_.Players[player];
  const int place = FindHighScoreRank(table, snake.Score);
  if (place != 0) {
    // The typed name is for the table only; the player keeps the name of the options.
    const std::string name =
        model_.Settings.ReEnterName
            ? prompts_.InputBox("High scores", snake.Name + " reenter your name (max 15 characters)", "").value_or("")
            : snake.Name;
    if (!name.empty()) InsertHighScore(table, place, name, snake.Score);
  }
  store_.WriteHighScores(table);
}

void HighScoreOffers::ResetHighScores() {
  if (!store_.DeleteHighScores())
    prompts_.ShowMessage(std::string("Unable to find the file \"") + kHighScoreFileName + "\".");
}

}  // namespace coilrun
