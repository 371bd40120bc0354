// One beat of four snakes, first with a view that draws nothing, then with
// the real painter on the field surface.
#include <benchmark/benchmark.h>

#include "bench/four_snakes.h"
#include "engine/game.h"
#include "present/surface_view.h"

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

void BM_BeatOfFourSnakes(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  SilentView view;
  Game game(model, host, view);
  PlaceFourSnakes(model);
  for (auto _ : state) {
    game.TimerTimer();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BeatOfFourSnakes)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_BeatOfFourSnakesDrawn(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  SurfaceView view(model);
  Game game(model, host, view);
  PlaceFourSnakes(model);
  for (auto _ : state) {
    game.TimerTimer();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BeatOfFourSnakesDrawn)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace coilrun
