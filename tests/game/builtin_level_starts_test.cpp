// A snake must not be placed where it dies before its player has seen the
// level: every start keeps twelve free cells straight ahead, a little over a
// second at the default speed, with the head cell and the cell behind free.
#include <gtest/gtest.h>

#include <sstream>

#include "engine/model.h"
#include "formats/level_stream.h"
#include "game/builtin_level_block.h"
#include "game/level_writing.h"

namespace coilrun::testing {
namespace {

constexpr int kRunAhead = 12;

struct Start {
  int player;
  int headX;
  int headY;
  int step;  // +1 heading Right, -1 heading Left
};

constexpr Start kStarts[] = {{1, 9, 1, +1}, {2, 40, 28, -1}, {3, 40, 0, -1}, {4, 9, 29, +1}};

// A cell off the field counts as blocked: with wrap switched off it is a
// crash, and a start must not depend on the option.
bool IsFree(const BoardGrid& grid, int x, int y) { return OnField(x, y) && grid.at(x, y).Occupied == 0; }

TEST(BuiltInLevelStartsTest, EveryStartHasTwelveFreeCellsAheadOfAFreeHeadAndTail) {
  const auto block = BuiltInLevelBlock();
  ASSERT_FALSE(block.empty());
  std::ostringstream failures;
  for (int level = 1; level <= kBuiltInLevelCount; ++level) {
    // The game advances its position before every read, so a level's first
    // byte is the one after the position the search answers.
    SpanByteSource source(block.subspan(BuiltInLevelStartIn(block, level) + 1));
    GameModel model;
    LevelGridWriter writer(model);
    ASSERT_EQ(ReadLevelRecord(source, kBuiltInShift, writer).End, LevelEnd::EndMarker) << "level " << level;

    for (const Start& start : kStarts) {
      const BoardGrid& grid = model.LevelGrid;
      const bool headAndTailFree =
          IsFree(grid, start.headX, start.headY) && IsFree(grid, start.headX - start.step, start.headY);
      int run = 0;
      while (run < kRunAhead && IsFree(grid, start.headX + (run + 1) * start.step, start.headY)) ++run;
      if (!headAndTailFree || run < kRunAhead) {
        failures << "\n  level " << level << " player " << start.player << ": " << run << " free ahead"
                 << (headAndTailFree ? "" : ", head or the cell behind it is a brick");
      }
    }
  }
  EXPECT_TRUE(failures.str().empty()) << "starts without a free run of " << kRunAhead << ":" << failures.str();
}

}  // namespace
}  // namespace coilrun::testing
