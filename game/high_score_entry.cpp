// A player's score offered to the table of the ten best, and the table's reset.
#include <optional>
#include <string>

#include "engine/game.h"

namespace coilrun {

// The table is written back even when nothing entered it, so a longer file
// is brought to its exact size.
void Game::ReWriteHS(int player) {
  HighScoreStore& store = host_.HighScores();
  HighScoreTable table = store.ReadHighScores();
  const PlayerState& snake = model_.Players[player];
  const int place = FindHighScoreRank(table, snake.Score);
  if (place != 0) {
    // The typed name is for the table only; the player keeps the name of the options.
    const std::string name =
        model_.Settings.ReEnterName
            ? host_.InputBox("High scores", snake.Name + " reenter your name (max 15 characters)", "").value_or("")
            : snake.Name;
    if (!name.empty()) InsertHighScore(table, place, name, snake.Score);
  }
  store.WriteHighScores(table);
}

void Game::ResetHighScores() {
  if (!host_.HighScores().DeleteHighScores())
    host_.ShowMessage(std::string("Unable to find the file \"") + kHighScoreFileName + "\".");
}

}  // namespace coilrun
