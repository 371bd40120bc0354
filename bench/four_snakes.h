// What the beat benchmarks share: a host that asks nothing of anyone and a
// board with four long snakes on it.
#pragma once

#include "engine/host.h"
#include "engine/model.h"

namespace coilrun {

class IdleHost : public Host {
 public:
  void ShowMessage(const std::string&) override {}
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void SetTimerEnabled(GameTimer, bool) override {}
  bool TimerEnabled(GameTimer) const override { return true; }
  void SetTimerInterval(GameTimer, int) override {}
  void MediaStop(MediaPlayer) override {}
  void MediaPlay(MediaPlayer) override {}
  void MediaPlayFromStart(MediaPlayer) override {}
  std::uint32_t ClockSeed() override { return 1; }
};

// Four snakes of 46 entries, each on its own row, wrapping round the field
// for as long as the benchmark runs.
inline void PlaceFourSnakes(GameModel& model) {
  model.ScreenState = BoardScreen;
  model.Settings.PlayerCount = 4;
  model.Settings.Wrap = true;
  const int rows[] = {0, 1, 28, 0, 29};
  for (int player = 1; player <= 4; ++player) {
    PlayerState& snake = model.Players[player];
    snake.Lives = 5;
    snake.Length = 46;
    snake.Direction = Direction::Right;
    snake.Color = model.Settings.PlayerColors[player - 1];
    for (int k = 1; k <= snake.Length + 1; ++k) {
      snake.BodyX[k] = 10;
      snake.BodyY[k] = rows[player];
    }
  }
}

}  // namespace coilrun
