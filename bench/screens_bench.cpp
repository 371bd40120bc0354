// The information screens' full repaints and the moving report's tick.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/silent_game.h"
#include "game/game.h"
#include "present/presentation.h"
#include "shell/high_score_file.h"

namespace coilrun {
namespace {

void RepeatedMedian(benchmark::internal::Benchmark* bench) {
  bench->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

// A presentation whose game shows one page, with the table of a real
// hscores.dat, read from the file on every draw.
class PageOnShow {
 public:
  explicit PageOnShow(ScreenStateValue screen) {
    store_.WriteDefaultsWhenMissing();
    presentation_.report.InitMessages(1);
    game_.ShowHelpScreen(screen);
  }
  ~PageOnShow() { std::filesystem::remove(file_); }

  GameModel model;

  Presentation& presentation() { return presentation_; }
  Game& game() { return game_; }

 private:
  IdleHost host_;
  std::filesystem::path file_ = std::filesystem::temp_directory_path() / "coilrun-bench-hscores.dat";
  FileHighScores store_{file_, host_};
  Presentation presentation_{model, store_};
  GameParts parts_{model, presentation_.views(), host_.ports()};
  Game game_{parts_};
};

void RepaintPage(benchmark::State& state, ScreenStateValue screen) {
  PageOnShow page(screen);
  for (auto _ : state) {
    page.presentation().screens.RepaintBoard();
    benchmark::DoNotOptimize(page.presentation().surfaces.field().constBits());
  }
}

// The title page's repaint rebuilds the logo's see-through copy every time.
void BM_RepaintTitlePage(benchmark::State& state) { RepaintPage(state, TitleScreen); }
BENCHMARK(BM_RepaintTitlePage)->Apply(RepeatedMedian);

void BM_RepaintHighScorePage(benchmark::State& state) { RepaintPage(state, HighScoreScreen); }
BENCHMARK(BM_RepaintHighScorePage)->Apply(RepeatedMedian);

void BM_ReportTimerTimerMoving(benchmark::State& state) {
  PageOnShow page(TitleScreen);
  page.game().options().SetReportMode(ReportMoving);
  for (auto _ : state) {
    page.game().ReportTimerTimer();
    benchmark::DoNotOptimize(page.presentation().surfaces.report().constBits());
  }
}
BENCHMARK(BM_ReportTimerTimerMoving)->Apply(RepeatedMedian);

}  // namespace
}  // namespace coilrun
