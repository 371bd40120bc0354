// One beat of four snakes on an empty field, with a view that draws nothing.
#include <benchmark/benchmark.h>

#include "bench/silent_game.h"
#include "engine/game.h"

namespace coilrun {
namespace {

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
