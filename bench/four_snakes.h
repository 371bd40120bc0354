// Four long snakes for the beat benchmarks, each on its own row.
#pragma once

#include "engine/model.h"

namespace coilrun {

constexpr int kLaneSnakeLength = 46;

// Four snakes of 46 entries wrapping round the field for as long as the
// benchmark runs; the target stands off every lane, so that no snake eats,
// grows into itself and crashes.
inline void PlaceFourSnakes(GameModel& model) {
  model.ScreenState = BoardScreen;
  model.Settings.PlayerCount = 4;
  model.Settings.Wrap = true;
  model.TargetX = 25;
  model.TargetY = 15;
  model.TargetNumber = 1;
  const int rows[] = {0, 1, 28, 0, 29};
  for (int player = 1; player <= 4; ++player) {
    PlayerState& snake = model.Players[player];
    snake.Lives = 5;
    snake.Length = kLaneSnakeLength;
    snake.Direction = Direction::Right;
    snake.Color = StoredSettings{}.PlayerColors[player - 1];
    for (int k = 1; k <= snake.Length + 1; ++k) {
      snake.BodyX[k] = 10;
      snake.BodyY[k] = rows[player];
    }
  }
}

}  // namespace coilrun
