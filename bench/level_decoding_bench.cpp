// Decoding all 82 built-in levels into the grid, one after the other as a
// game that plays them through does.
#include <benchmark/benchmark.h>

#include "bench/silent_game.h"
#include "game/game.h"

namespace coilrun {
namespace {

void BM_DecodeAllBuiltInLevels(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  SilentView view;
  GameParts parts(model, view.views(), host.ports());
  Game game(parts);
  game.CopyBuiltInLevels();
  for (auto _ : state) {
    parts.sources.SetBuiltInPos(-1);
    for (int level = 1; level <= 82; ++level) {
      model.LevelNumber = static_cast<std::int16_t>(level);
      parts.sources.ClearGrid();
      parts.sources.DecodeBuiltInLevel();
    }
    benchmark::DoNotOptimize(model.LevelGrid);
  }
}
BENCHMARK(BM_DecodeAllBuiltInLevels)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coilrun

BENCHMARK_MAIN();
