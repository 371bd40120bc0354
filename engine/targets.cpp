#include "engine/targets.h"

#include <algorithm>

namespace coilrun {

namespace {

constexpr int kLastTarget = 9;
constexpr int kTargetPoints = 130;
constexpr int kWrapDiscount = 15;
// Past this many random draws the field is nearly full, so it is scanned.
constexpr int kRandomPlacementAttempts = 10000;
// Where a target stands when no cell is free: off the field, where no head
// can reach it and no cell compares equal to it.
constexpr std::uint8_t kNoTargetCell = 255;
// Growth stops here so that entry Length + 1 still exists.
constexpr int kLongestBody = kBodyCapacity - 1;

}  // namespace

void Targets::NewNumber(int player) {
  if (model_.TargetNumber >= kLastTarget) {
    NumberIncScore(player);
    events_.LevelFinished();
    return;
  }

  // Every body gets copies of its tail entry beyond its end; only the eater
  // takes them in, so its tail end waits while its head moves on.
  const int playerCount = PlayersInGame(model_.Settings);
  const bool eaterIsPlayer = player >= 1 && player <= kMaxPlayers;
  for (int i = 1; i <= playerCount; ++i) {
    PlayerState& snake = model_.Players[i];
    if (snake.Length < 1) continue;
    const int tail = std::min(snake.Length, kBodyCapacity);
    const int lastCopy = std::min(snake.Length + model_.TargetNumber + 1, kBodyCapacity);
    for (int k = snake.Length + 1; k <= lastCopy; ++k) {
      snake.BodyX[k] = snake.BodyX[tail];
      snake.BodyY[k] = snake.BodyY[tail];
    }
  }
  if (eaterIsPlayer) {
    PlayerState& eater = model_.Players[player];
    eater.Length = std::min(eater.Length + model_.TargetNumber, kLongestBody);
  }
  ++model_.TargetNumber;
  if (eaterIsPlayer) board_.DrawWholeSnake(player);

  random_.seed(clock_.ClockSeed());
  bool placed = false;
  for (int attempt = 0; attempt < kRandomPlacementAttempts && !placed; ++attempt) {
    model_.TargetX = static_cast<std::uint8_t>(Below(kFieldColumns));
    model_.TargetY = static_cast<std::uint8_t>(Below(kFieldRows));
    placed = TargetCellFree(model_);
  }
  for (int y = 0; y < kFieldRows && !placed; ++y) {
    for (int x = 0; x < kFieldColumns && !placed; ++x) {
      model_.TargetX = static_cast<std::uint8_t>(x);
      model_.TargetY = static_cast<std::uint8_t>(y);
      placed = TargetCellFree(model_);
    }
  }
  // With every cell a brick or a snake there is nowhere to put the target:
  // the level goes on without one until a crash replays or ends it.
  if (placed) {
    board_.DrawNumber();
  } else {
    model_.TargetX = kNoTargetCell;
    model_.TargetY = kNoTargetCell;
  }

  NumberIncScore(player);
}

// The standard library leaves the distributions' arithmetic to each library,
// but the generator's numbers are fixed; scaling them here keeps a target's
// cell the same for the same seed wherever the game was built.
int Targets::Below(int bound) {
  return static_cast<int>((std::uint64_t{random_()} * static_cast<std::uint64_t>(bound)) >> 32);
}

void Targets::NumberIncScore(int player) {
  if (player >= 1 && player <= kMaxPlayers) {
    const int points = model_.Settings.Wrap ? kTargetPoints - kWrapDiscount : kTargetPoints;
    PlayerState& eater = model_.Players[player];
    eater.Score = AddPoints(eater.Score, points);
    eater.RoundScore = AddPoints(eater.RoundScore, points);
  }
  report_.ShowNumber();
}

// A head crashes into any cell whose Occupied is not 0, so the target must
// avoid them all, whatever value a level file stored there. An open door's
// wall is free, even though the door may close on the target later.
bool TargetCellFree(const GameModel& model) {
  const int x = model.TargetX;
  const int y = model.TargetY;
  const int playerCount = PlayersInGame(model.Settings);
  for (int i = 1; i <= playerCount; ++i) {
    const PlayerState& snake = model.Players[i];
    const int lastEntry = std::min(snake.Length + 1, kBodyCapacity);
    for (int k = 1; k <= lastEntry; ++k) {
      if (snake.BodyX[k] == x && snake.BodyY[k] == y) return false;
    }
  }
  return model.LevelGrid.at(x, y).Occupied == 0;
}

}  // namespace coilrun
