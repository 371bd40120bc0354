// The decision of four computer snakes for one beat, at each skill, over
// positions taken from a four-player competition of Master computers on the
// built-in levels, with and without Wrap. At speed 10 a beat lasts 17 ms;
// the decisions for all four should take at most 100 us of it.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "bench/silent_game.h"
#include "engine/autopilot.h"
#include "game/game.h"

namespace coilrun {
namespace {

constexpr int kPositions = 256;
constexpr int kBeatsBetweenPositions = 40;

std::vector<GameModel> PositionsOfAFourPlayerCompetition(bool wrap) {
  GameModel model;
  IdleHost host;
  SilentView view;
  GameParts parts(model, view.views(), host.ports());
  Game game(parts);
  game.CopyBuiltInLevels();
  model.Settings.Wrap = wrap;
  NewGameChoice fourMasters{.PlayerCount = 4, .Competition = true, .WinsTarget = kMaxWinsTarget};
  for (int player = 1; player <= kMaxPlayers; ++player)
    fourMasters.Seats.seat[player] = {SeatKind::Computer, Skill::Master};
  std::vector<GameModel> positions;
  while (positions.size() < kPositions) {
    if (model.ScreenState != BoardScreen) game.StartButtonClick(fourMasters);
    for (int beat = 0; beat < kBeatsBetweenPositions; ++beat) game.TimerTimer();
    positions.push_back(model);
  }
  return positions;
}

void BM_DecisionsOfFourSnakes(benchmark::State& state) {
  const std::vector<GameModel> positions = PositionsOfAFourPlayerCompetition(state.range(1) != 0);
  const SkillParameters skill = SkillParametersOf(kSkills[state.range(0)]);
  std::array<Autopilot, kMaxPlayers> pilots{Autopilot(1, 1, skill), Autopilot(2, 2, skill), Autopilot(3, 3, skill),
                                            Autopilot(4, 4, skill)};
  std::size_t next = 0;
  for (auto _ : state) {
    const GameModel& position = positions[next];
    next = (next + 1) % positions.size();
    for (Autopilot& pilot : pilots) benchmark::DoNotOptimize(pilot.ChooseKey(position));
  }
  state.SetLabel(std::string(SkillName(kSkills[state.range(0)])));
}
BENCHMARK(BM_DecisionsOfFourSnakes)
    ->ArgNames({"skill", "wrap"})
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coilrun

BENCHMARK_MAIN();
