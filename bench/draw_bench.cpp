// A full redraw of a field on which every cell of the grid holds a brick.
#include <benchmark/benchmark.h>

#include "bench/silent_game.h"
#include "present/presentation.h"

namespace coilrun {
namespace {

void FillEveryCell(GameModel& model) {
  const std::int32_t kinds[] = {-1, -2, -3, -4, -5, -10, -11};
  int next = 0;
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) {
      BoardCell& cell = model.LevelGrid.at(x, y);
      cell.Content = kinds[next++ % 7];
      cell.Occupied = 1;
      cell.Extra[0] = static_cast<std::uint8_t>('A' + next % 26 - 128);
    }
  }
}

void BM_DrawBricksEveryCellOccupied(benchmark::State& state) {
  GameModel model;
  model.LevelNumber = 1;
  model.Settings.BrickFrame = state.range(0) != 0;
  FillEveryCell(model);
  IdleHost host;
  NoHighScores highScores;
  Presentation presentation(model, highScores);
  for (auto _ : state) {
    presentation.board.DrawBricks();
    benchmark::DoNotOptimize(presentation.surfaces.field().constBits());
  }
}
BENCHMARK(BM_DrawBricksEveryCellOccupied)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace coilrun
