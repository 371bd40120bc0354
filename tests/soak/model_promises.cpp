#include "tests/soak/model_promises.h"

#include <algorithm>

namespace coilrun::testing {

namespace {

// A door jump or an in-out exit may leave a head one cell beyond the edge of
// the field (its landing is not tested), and the body follows it there. The
// levels soaked send in-out heads onto the field, so nothing lies further out.
bool OnGridOrJustBeyond(int x, int y) { return x >= -1 && x <= kGridColumns - 1 && y >= -1 && y <= kGridRows - 1; }

std::string CellText(int x, int y) {
  std::string text(1, '(');
  text += std::to_string(x) + ", " + std::to_string(y) + ")";
  return text;
}

}  // namespace

void ModelPromises::GameStarted() {
  levelSaved_ = false;
  levelStarts_ = 0;
  wins_ = {};
}

void ModelPromises::LevelStarted() {
  // A death replays the level with the same number; so does a competition
  // that has run out of built-in levels, while its number counts on.
  const bool replay = levelSaved_ && (model_.LevelNumber == levelNumber_ ||
                                      (model_.Settings.BuiltInLevels && model_.LevelNumber > kBuiltInLevelCount));
  if (replay && !(model_.LevelBackup == savedLevel_)) {
    replayBreaches_.push_back("level " + std::to_string(model_.LevelNumber) +
                              " was replayed with other bricks than it started with");
  }
  savedLevel_ = model_.LevelBackup;
  levelSaved_ = true;
  levelNumber_ = model_.LevelNumber;
  ++levelStarts_;
}

bool ModelPromises::DoorLinks(int x, int y) const {
  for (int doorX = 0; doorX < kGridColumns; ++doorX) {
    for (int doorY = 0; doorY < kGridRows; ++doorY) {
      const BoardCell& door = model_.LevelGrid.at(doorX, doorY);
      if (door.Content != -DoorBrick) continue;
      for (int link = 0; link < 4; ++link) {
        if (door.Extra[2 * link] == x && door.Extra[2 * link + 1] == y) return true;
      }
    }
  }
  return false;
}

void ModelPromises::CheckPlayers(std::vector<std::string>& breaches) {
  const int playerCount = model_.Settings.PlayerCount;
  if (playerCount < 1 || playerCount > kMaxPlayers) {
    breaches.push_back("PlayerCount is " + std::to_string(playerCount));
    return;
  }
  for (int player = 1; player <= kMaxPlayers; ++player) {
    const PlayerState& snake = model_.Players[player];
    const std::string who = "player " + std::to_string(player) + ": ";
    const bool living = snake.Lives > 0;
    if (snake.Lives < 0 || (model_.Settings.Competition && snake.Lives > 1)) {
      breaches.push_back(who + "Lives is " + std::to_string(snake.Lives));
    }
    if (player > playerCount && living) breaches.push_back(who + "alive outside the game");
    if (snake.Score < 0 || snake.RoundScore < 0) {
      breaches.push_back(who + "scores " + std::to_string(snake.Score) + " / " + std::to_string(snake.RoundScore));
    }
    if (model_.Settings.Competition) {
      // Wins only grow within a competition, by at most one a play.
      if (snake.Wins < wins_[player] || snake.Wins > levelStarts_) {
        breaches.push_back(who + "Wins went from " + std::to_string(wins_[player]) + " to " +
                           std::to_string(snake.Wins) + " in " + std::to_string(levelStarts_) + " plays");
      }
      wins_[player] = snake.Wins;
    }
    if (snake.Length < (living ? 1 : 0) || snake.Length > kBodyCapacity) {
      breaches.push_back(who + "Length is " + std::to_string(snake.Length));
      continue;
    }
    if (!living || player > playerCount) continue;
    for (int k = 1; k <= snake.Length; ++k) {
      if (!OnGridOrJustBeyond(snake.BodyX[k], snake.BodyY[k])) {
        breaches.push_back(who + "entry " + std::to_string(k) + " at " + CellText(snake.BodyX[k], snake.BodyY[k]));
        break;
      }
    }
  }
}

void ModelPromises::CheckTarget(std::vector<std::string>& breaches) const {
  const int x = model_.TargetX;
  const int y = model_.TargetY;
  if (x == 255 && y == 255) return;  // no cell was free
  if (!OnField(x, y)) {
    breaches.push_back("the target stands off the field at " + CellText(x, y));
    return;
  }
  // A door may close its wall on the target: the rules let it, and a head
  // that comes for the target then crashes into the wall.
  if (model_.LevelGrid.at(x, y).Occupied != 0 && !DoorLinks(x, y)) {
    breaches.push_back("the target at " + CellText(x, y) + " stands in a brick");
  }
  const int playerCount = std::min<int>(model_.Settings.PlayerCount, kMaxPlayers);
  for (int player = 1; player <= playerCount; ++player) {
    const PlayerState& snake = model_.Players[player];
    if (snake.Lives <= 0) continue;
    for (int k = 1; k <= std::min(snake.Length - 1, kBodyCapacity); ++k) {
      if (snake.BodyX[k] == x && snake.BodyY[k] == y) {
        breaches.push_back("the target at " + CellText(x, y) + " lies under player " + std::to_string(player));
        return;
      }
    }
  }
}

void ModelPromises::CheckBeat(bool levelInPlay, std::vector<std::string>& breaches) {
  breaches.insert(breaches.end(), replayBreaches_.begin(), replayBreaches_.end());
  replayBreaches_.clear();
  const auto guardIntact = [](const auto& band) {
    return std::all_of(band.begin(), band.end(), [](std::uint64_t word) { return word == GuardedModel::kGuard; });
  };
  if (!guardIntact(guarded_.before) || !guardIntact(guarded_.after)) breaches.push_back("a write beside the model");
  if (model_.ScreenState > DisappointmentScreen)
    breaches.push_back("ScreenState " + std::to_string(model_.ScreenState));
  if (model_.TargetNumber < 0 || model_.TargetNumber > 9) {
    breaches.push_back("TargetNumber " + std::to_string(model_.TargetNumber));
  }
  if (levelSaved_ && model_.LevelNumber < 1) breaches.push_back("LevelNumber " + std::to_string(model_.LevelNumber));
  if (levelSaved_ && !(model_.LevelBackup == savedLevel_)) {
    breaches.push_back("the saved copy of level " + std::to_string(model_.LevelNumber) + " changed during play");
  }
  CheckPlayers(breaches);
  // Once a game has ended, the last target stays where it was eaten.
  if (levelInPlay && model_.ScreenState == BoardScreen && model_.TargetNumber >= 1) CheckTarget(breaches);
}

}  // namespace coilrun::testing
