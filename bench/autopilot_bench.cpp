// The decision of four autopilot snakes for one beat, over positions taken
// from a four-player game on the built-in levels. At speed 10 a beat lasts
// 17 ms; the decisions for all four should take at most 100 us of it.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "bench/silent_game.h"
#include "engine/autopilot.h"
#include "game/autopilot_keys.h"
#include "game/game.h"

namespace coilrun {
namespace {

constexpr int kPositions = 256;
constexpr int kBeatsBetweenPositions = 40;

std::vector<GameModel> PositionsOfAFourPlayerGame(bool wrap) {
  GameModel model;
  IdleHost host;
  SilentView view;
  GameParts parts(model, view.views(), host.ports());
  Game game(parts);
  game.CopyBuiltInLevels();
  model.Settings.Wrap = wrap;
  std::array<Autopilot, kMaxPlayers> pilots{Autopilot(1, 1), Autopilot(2, 2), Autopilot(3, 3), Autopilot(4, 4)};
  NewGameChoice fourPlayers;
  fourPlayers.PlayerCount = 4;
  std::vector<GameModel> positions;
  while (positions.size() < kPositions) {
    if (model.ScreenState != BoardScreen) game.StartButtonClick(fourPlayers);
    for (int beat = 0; beat < kBeatsBetweenPositions; ++beat) {
      for (Autopilot& pilot : pilots) Steer(pilot, game);
      game.TimerTimer();
    }
    positions.push_back(model);
  }
  return positions;
}

void BM_DecisionsOfFourSnakes(benchmark::State& state) {
  const std::vector<GameModel> positions = PositionsOfAFourPlayerGame(state.range(0) != 0);
  std::array<Autopilot, kMaxPlayers> pilots{Autopilot(1, 1), Autopilot(2, 2), Autopilot(3, 3), Autopilot(4, 4)};
  std::size_t next = 0;
  for (auto _ : state) {
    const GameModel& position = positions[next];
    next = (next + 1) % positions.size();
    for (Autopilot& pilot : pilots) benchmark::DoNotOptimize(pilot.ChooseKey(position));
  }
}
BENCHMARK(BM_DecisionsOfFourSnakes)->ArgName("wrap")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coilrun

BENCHMARK_MAIN();
