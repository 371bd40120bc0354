// The level editor with a file of ten thousand levels (the 82 built-in ones
// over and over): opening and saving it, a screenful of the level list, and
// what one mouse step costs: a pencil cell, the field's repaint, the checks.
#include <benchmark/benchmark.h>

#include "game/builtin_level_block.h"
#include "shell/editor/field_tools.h"
#include "shell/editor/level_book.h"
#include "shell/editor/level_checks.h"
#include "shell/editor/level_document.h"
#include "shell/editor/level_list_model.h"
#include "shell/editor/level_preview.h"

namespace coilrun {
namespace {

constexpr int kLevels = 10000;
constexpr int kRowsInView = 40;

LevelBook TenThousandLevels() {
  LevelBook book;
  for (int i = 0; i < kLevels; ++i) book.Insert(book.size(), *BuiltInLevelOf(BuiltInLevelBlock(), 1 + i % 82));
  return book;
}

const std::vector<std::uint8_t>& TenThousandLevelFile() {
  static const std::vector<std::uint8_t> bytes = TenThousandLevels().Encode(LevelFileFormat::Stream);
  return bytes;
}

// The built-in level with the most bricks.
LevelDesign DenseLevel() {
  LevelBook book;
  for (int number = 1; number <= 82; ++number) book.Insert(book.size(), *BuiltInLevelOf(BuiltInLevelBlock(), number));
  std::size_t densest = 0;
  for (std::size_t i = 1; i < book.size(); ++i) {
    if (book.CensusOf(i).bricks > book.CensusOf(densest).bricks) densest = i;
  }
  return book.Level(densest);
}

void BM_OpenTenThousandLevels(benchmark::State& state) {
  const auto& bytes = TenThousandLevelFile();
  LevelDocument document;
  for (auto _ : state) {
    LevelFileRead read = ReadLevelBytes(bytes);
    document.Reset(std::move(read.levels), read.format, {}, false);
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_OpenTenThousandLevels)->Unit(benchmark::kMillisecond);

void BM_SaveTenThousandLevels(benchmark::State& state) {
  const LevelBook book = ReadLevelBytes(TenThousandLevelFile()).levels;
  for (auto _ : state) benchmark::DoNotOptimize(book.Encode(LevelFileFormat::Stream));
}
BENCHMARK(BM_SaveTenThousandLevels)->Unit(benchmark::kMillisecond);

void BM_ListScreenfulAtTheEnd(benchmark::State& state) {
  LevelDocument document;
  LevelFileRead read = ReadLevelBytes(TenThousandLevelFile());
  document.Reset(std::move(read.levels), read.format, {}, false);
  LevelListModel list(document);
  for (auto _ : state) {
    for (int row = kLevels - kRowsInView; row < kLevels; ++row) {
      benchmark::DoNotOptimize(list.data(list.index(row), Qt::DisplayRole));
    }
  }
}
BENCHMARK(BM_ListScreenfulAtTheEnd)->Unit(benchmark::kMicrosecond);

void BM_PencilStepOnADenseLevel(benchmark::State& state) {
  LevelDocument document;
  LevelBook book;
  book.Insert(0, DenseLevel());
  document.Reset(std::move(book), LevelFileFormat::Stream, {}, false);
  FieldTools tools(document);
  tools.SetPaletteKind(ScoreBrick);
  tools.Press({0, 15}, false);
  // Back and forth along a row, each pass in the other kind, so that every
  // step changes a cell.
  int x = 0;
  int step = 1;
  for (auto _ : state) {
    if (x + step < 0 || x + step >= kFieldColumns) {
      step = -step;
      tools.SetPaletteKind(tools.paletteKind() == ScoreBrick ? LifeBrick : ScoreBrick);
    }
    x += step;
    tools.Move({x, 15});
  }
  tools.Release();
}
BENCHMARK(BM_PencilStepOnADenseLevel)->Unit(benchmark::kMicrosecond);

void BM_RepaintDenseField(benchmark::State& state) {
  GameModel game;
  LevelPreview preview(game);
  const LevelDesign level = DenseLevel();
  for (auto _ : state) benchmark::DoNotOptimize(preview.Paint(level, kFirstFileLevel));
}
BENCHMARK(BM_RepaintDenseField)->Unit(benchmark::kMicrosecond);

void BM_ChecksOfADenseLevel(benchmark::State& state) {
  const LevelDesign level = DenseLevel();
  for (auto _ : state) benchmark::DoNotOptimize(CheckLevel(level, false));
}
BENCHMARK(BM_ChecksOfADenseLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace coilrun
