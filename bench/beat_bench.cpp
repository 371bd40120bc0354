// One beat of four snakes, on an empty field and on a level with bricks of
// every kind, with a view that draws nothing and with the real painter.
#include <benchmark/benchmark.h>

#include <array>

#include "bench/four_snakes.h"
#include "bench/silent_game.h"
#include "game/game.h"
#include "present/presentation.h"

namespace coilrun {
namespace {

void BeatOfFourSnakes(benchmark::State& state, GameModel& model, IdleHost& host, GameView view) {
  GameParts parts(model, view, host.ports());
  Game game(parts);
  PlaceFourSnakes(model);
  for (auto _ : state) {
    game.TimerTimer();
    benchmark::ClobberMemory();
  }
}

void BM_BeatOfFourSnakes(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  SilentView view;
  BeatOfFourSnakes(state, model, host, view.views());
}
BENCHMARK(BM_BeatOfFourSnakes)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_BeatOfFourSnakesDrawn(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  NoHighScores highScores;
  Presentation presentation(model, highScores);
  BeatOfFourSnakes(state, model, host, presentation.views());
}
BENCHMARK(BM_BeatOfFourSnakesDrawn)->Repetitions(9)->ReportAggregatesOnly(true);

void Lay(GameModel& model, int x, int y, std::int32_t content, std::array<std::uint8_t, 8> extra = {}) {
  model.LevelGrid.at(x, y) = BoardCell{content, 1, extra};
}

// Each snake runs its own lane from its start cell and meets a brick of
// every kind on the way: player 1 jumps a door and is sent back by an
// in-out brick, player 2 pushes a rebound brick until a wall stops it and
// it crashes, player 3 takes a score and a life brick, which then kill it
// on its next lap, player 4 jumps a door and an in-out brick. Every crash
// replays the level from its backup, as in play.
void LayBrickLevel(GameModel& model) {
  Lay(model, 20, 1, -DoorBrick, {20, 10, 21, 10, 22, 10, 23, 10});
  for (int x = 20; x <= 23; ++x) Lay(model, x, 10, -NormalBrick);
  Lay(model, 35, 1, -InOutBrick, {5, 1});
  Lay(model, 30, 28, -ReboundBrick);
  Lay(model, 5, 28, -NormalBrick);
  Lay(model, 30, 0, -ScoreBrick);
  Lay(model, 25, 0, -LifeBrick);
  Lay(model, 20, 29, -DoorBrick, {30, 15, 31, 15, 32, 15, 33, 15});
  for (int x = 30; x <= 33; ++x) Lay(model, x, 15, -CharacterBrick, {static_cast<std::uint8_t>(x)});
  Lay(model, 40, 29, -InOutBrick, {12, 29});
  for (int y = 5; y <= 25; y += 4) {
    for (int x = 2; x <= 47; x += 3) Lay(model, x, y, static_cast<std::int32_t>(RgbColor(x * 5, y * 9, 90)));
  }
}

void BeatOnABrickLevel(benchmark::State& state, GameModel& model, IdleHost& host, GameView view) {
  GameParts parts(model, view, host.ports());
  Game game(parts);
  model.Settings.PlayerCount = 4;
  model.Settings.Wrap = true;
  model.Settings.Sounds = true;
  LayBrickLevel(model);
  for (int player = 1; player <= 4; ++player) model.Players[player].Lives = 100;
  parts.course.StartLevel();
  for (auto _ : state) {
    game.TimerTimer();
    // Crashes cost lives; keep every snake in play.
    for (int player = 1; player <= 4; ++player) model.Players[player].Lives = 100;
    benchmark::ClobberMemory();
  }
}

void BM_BeatOnABrickLevel(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  SilentView view;
  BeatOnABrickLevel(state, model, host, view.views());
}
BENCHMARK(BM_BeatOnABrickLevel)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_BeatOnABrickLevelDrawn(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  NoHighScores highScores;
  Presentation presentation(model, highScores);
  BeatOnABrickLevel(state, model, host, presentation.views());
}
BENCHMARK(BM_BeatOnABrickLevelDrawn)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace coilrun
