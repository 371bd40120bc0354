// One beat of four snakes on an empty field, with a view that draws nothing.
#include <benchmark/benchmark.h>

#include "engine/game.h"

namespace coilrun {
namespace {

class SilentView : public GameView {
 public:
  void Draw_Brick_1(int, int) override {}
  void Draw_Brick_2(int, int) override {}
  void Draw_Brick_3(int, int) override {}
  void Draw_Brick_4(int, int) override {}
  void Draw_Brick_5(int, int) override {}
  void Draw_Brick_10(int, int) override {}
  void Draw_Brick_11(int, int) override {}
  void DrawBricks() override {}
  void ClearBrick(int, int) override {}
  void ClearBoard() override {}
  void DrawNumber() override {}
  void DrawSnake(int) override {}
  void DrawWholeSnake(int) override {}
  void ShowScore(int) override {}
  void ShowLives(int) override {}
  void ShowNumber() override {}
  void ClearReport() override {}
  void RepaintReport() override {}
  void ShowTitle() override {}
  void ShowWinner() override {}
  void DrawPauseBox() override {}
  void ErasePauseBox() override {}
};

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

void BM_BeatOfFourSnakes(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  SilentView view;
  Game game(model, host, view);
  model.ScreenState = BoardScreen;
  model.Settings.PlayerCount = 4;
  model.Settings.Wrap = true;
  const int rows[] = {0, 1, 28, 0, 29};
  for (int player = 1; player <= 4; ++player) {
    PlayerState& snake = model.Players[player];
    snake.Lives = 5;
    snake.Length = 46;
    snake.Direction = Direction::Right;
    for (int k = 1; k <= snake.Length + 1; ++k) {
      snake.BodyX[k] = 10;
      snake.BodyY[k] = rows[player];
    }
  }
  for (auto _ : state) {
    game.TimerTimer();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BeatOfFourSnakes)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace coilrun

BENCHMARK_MAIN();
