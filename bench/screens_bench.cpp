// The information screens' full repaints and the moving report's tick.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/silent_game.h"
#include "present/presentation.h"
#include "shell/high_score_file.h"

namespace coilrun {
namespace {

void RepeatedMedian(benchmark::internal::Benchmark* bench) {
  bench->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

// The table of a real hscores.dat, read from the file on every draw.
class FileTableHost : public IdleHost {
 public:
  FileTableHost() { store_.WriteDefaultsWhenMissing(); }
  ~FileTableHost() override { std::filesystem::remove(file_); }
  HighScoreStore& HighScores() override { return store_; }

 private:
  std::filesystem::path file_ = std::filesystem::temp_directory_path() / "coilrun-bench-hscores.dat";
  FileHighScores store_{file_, [](const std::string&) {}};
};

template <typename PageHost>
void RepaintPage(benchmark::State& state, void (InformationScreens::*enter)()) {
  GameModel model;
  PageHost host;
  Presentation presentation(model, host);
  presentation.report.InitMessages();
  (presentation.screens.*enter)();
  for (auto _ : state) {
    presentation.screens.RepaintBoard();
    benchmark::DoNotOptimize(presentation.surfaces.field().constBits());
  }
}

// The title page's repaint rebuilds the logo's see-through copy every time.
void BM_RepaintTitlePage(benchmark::State& state) { RepaintPage<IdleHost>(state, &InformationScreens::ShowTitle); }
BENCHMARK(BM_RepaintTitlePage)->Apply(RepeatedMedian);

void BM_RepaintHighScorePage(benchmark::State& state) {
  RepaintPage<FileTableHost>(state, &InformationScreens::HighScores1Click);
}
BENCHMARK(BM_RepaintHighScorePage)->Apply(RepeatedMedian);

void BM_ReportTimerTimerMoving(benchmark::State& state) {
  GameModel model;
  model.Settings.ReportMode = ReportMoving;
  IdleHost host;
  Presentation presentation(model, host);
  presentation.report.InitMessages();
  presentation.screens.ShowTitle();
  for (auto _ : state) {
    presentation.report.ReportTimerTimer();
    benchmark::DoNotOptimize(presentation.surfaces.report().constBits());
  }
}
BENCHMARK(BM_ReportTimerTimerMoving)->Apply(RepeatedMedian);

}  // namespace
}  // namespace coilrun
