// The information screens' full repaints and the moving report's tick.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "bench/silent_game.h"
#include "present/presentation.h"

namespace coilrun {
namespace {

void RepeatedMedian(benchmark::internal::Benchmark* bench) {
  bench->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

// The title page's repaint rebuilds the logo's see-through copy every time.
void BM_RepaintTitlePage(benchmark::State& state) {
  GameModel model;
  IdleHost host;
  Presentation presentation(model, host);
  presentation.report.InitMessages();
  presentation.screens.ShowTitle();
  for (auto _ : state) {
    presentation.screens.RepaintBoard();
    benchmark::DoNotOptimize(presentation.surfaces.field().constBits());
  }
}
BENCHMARK(BM_RepaintTitlePage)->Apply(RepeatedMedian);

// Reads the 200 bytes of a table file on every read, as a store on disk does.
class FileReadingHighScores : public HighScoreStore {
 public:
  explicit FileReadingHighScores(std::filesystem::path file) : file_(std::move(file)) {
    std::ofstream(file_, std::ios::binary).write(std::array<char, 200>{}.data(), 200);
  }
  ~FileReadingHighScores() override { std::filesystem::remove(file_); }

  HighScoreTable ReadHighScores() override {
    std::array<char, 200> bytes{};
    std::ifstream(file_, std::ios::binary).read(bytes.data(), bytes.size());
    HighScoreTable table;
    for (int row = 0; row < kHighScoreRows; ++row) {
      table[row].Name = "Player" + std::to_string(row + 1);
      table[row].Score = 10000 - 1000 * row + bytes[row];
    }
    return table;
  }
  void WriteHighScores(const HighScoreTable&) override {}
  bool DeleteHighScores() override { return false; }

 private:
  std::filesystem::path file_;
};

class FileTableHost : public IdleHost {
 public:
  HighScoreStore& HighScores() override { return store_; }

 private:
  FileReadingHighScores store_{std::filesystem::temp_directory_path() / "coilrun-bench-hscores.dat"};
};

void BM_RepaintHighScorePage(benchmark::State& state) {
  GameModel model;
  FileTableHost host;
  Presentation presentation(model, host);
  presentation.report.InitMessages();
  presentation.screens.HighScores1Click();
  for (auto _ : state) {
    presentation.screens.RepaintBoard();
    benchmark::DoNotOptimize(presentation.surfaces.field().constBits());
  }
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
