// The properties every built-in level must have for play to be fair.
#include <array>
#include <deque>
#include <set>
#include <utility>

#include "formats/level_stream.h"
#include "game/builtin_level_block.h"
#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

constexpr int kLevelCount = 82;

using Grid = std::array<std::array<BoardCell, kGridRows>, kGridColumns>;

class BuiltInLevelsTest : public GameFixture {
 protected:
  BuiltInLevelsTest() {
    game.CopyBuiltInLevels();
    parts.sources.SetBuiltInPos(-1);
    for (int level = 1; level <= kLevelCount; ++level) {
      model.LevelNumber = static_cast<std::int16_t>(level);
      parts.sources.ClearGrid();
      parts.sources.DecodeBuiltInLevel();
      for (int x = 0; x < kGridColumns; ++x) {
        for (int y = 0; y < kGridRows; ++y) levels[level][x][y] = model.LevelGrid.at(x, y);
      }
    }
    endOfLastLevel = parts.sources.BuiltInPos();
  }

  static bool IsBrick(const Grid& grid, int x, int y, int kind) {
    const BoardCell& cell = grid[x][y];
    return cell.Occupied != 0 && (kind == NormalBrick ? IsNormalContent(cell.Content) : cell.Content == -kind);
  }
  static int Count(const Grid& grid, int kind) {
    int count = 0;
    for (int x = 0; x < kFieldColumns; ++x) {
      for (int y = 0; y < kFieldRows; ++y) count += IsBrick(grid, x, y, kind);
    }
    return count;
  }
  int FirstLevelWith(int kind) const {
    for (int level = 1; level <= kLevelCount; ++level) {
      if (Count(levels[level], kind) > 0) return level;
    }
    return 0;
  }

  std::array<Grid, kLevelCount + 1> levels{};
  std::int32_t endOfLastLevel = 0;
};

TEST_F(BuiltInLevelsTest, TheBlockHoldsEightyTwoLevelsAndTheSearchFindsEachOfThem) {
  const auto block = BuiltInLevelBlock();
  ASSERT_LE(block.size(), kBuiltInLevelCapacity);
  EXPECT_EQ(static_cast<std::size_t>(endOfLastLevel), block.size() - 1);
  for (int level = 1; level <= kLevelCount; ++level) {
    parts.sources.SetBuiltInPos(parts.sources.BuiltInLevelStart(level));
    parts.sources.ClearGrid();
    model.LevelNumber = static_cast<std::int16_t>(level);
    parts.sources.DecodeBuiltInLevel();
    for (int x = 0; x < kGridColumns; ++x) {
      for (int y = 0; y < kGridRows; ++y) {
        // Cells left empty keep whatever earlier decodes wrote into them.
        const BoardCell& cell = model.LevelGrid.at(x, y);
        ASSERT_EQ(cell.Occupied, levels[level][x][y].Occupied) << "level " << level;
        if (cell.Occupied != 0) {
          ASSERT_EQ(cell.Content, levels[level][x][y].Content) << "level " << level;
        }
      }
    }
  }
}

// Doors, their linked cells and in-out bricks count as passages; a rebound,
// score or life brick must not be the only way to a cell.
TEST_F(BuiltInLevelsTest, EveryFreeCellCanBeReachedFromTheFirstStart) {
  for (int level = 1; level <= kLevelCount; ++level) {
    const Grid& grid = levels[level];
    std::set<std::pair<int, int>> passages;
    for (int x = 0; x < kFieldColumns; ++x) {
      for (int y = 0; y < kFieldRows; ++y) {
        if (grid[x][y].Occupied == 0 || IsBrick(grid, x, y, InOutBrick)) passages.insert({x, y});
        if (IsBrick(grid, x, y, DoorBrick)) {
          passages.insert({x, y});
          for (int i = 0; i < 8; i += 2) passages.insert({grid[x][y].Extra[i], grid[x][y].Extra[i + 1]});
        }
      }
    }
    std::set<std::pair<int, int>> reached{{9, 1}};
    std::deque<std::pair<int, int>> queue{{9, 1}};
    while (!queue.empty()) {
      const auto [x, y] = queue.front();
      queue.pop_front();
      for (const auto& next : {std::pair{x + 1, y}, std::pair{x - 1, y}, std::pair{x, y + 1}, std::pair{x, y - 1}}) {
        if (passages.contains(next) && reached.insert(next).second) queue.push_back(next);
      }
    }
    for (int x = 0; x < kFieldColumns; ++x) {
      for (int y = 0; y < kFieldRows; ++y) {
        if (grid[x][y].Occupied == 0) {
          EXPECT_TRUE(reached.contains({x, y})) << "level " << level << " " << x << "," << y;
        }
      }
    }
  }
}

TEST_F(BuiltInLevelsTest, SpecialBricksWorkWhereTheyStand) {
  for (int level = 1; level <= kLevelCount; ++level) {
    const Grid& grid = levels[level];
    for (int x = 0; x < kGridColumns; ++x) {
      for (int y = 0; y < kGridRows; ++y) {
        const BoardCell& cell = grid[x][y];
        if (cell.Occupied == 0) continue;
        ASSERT_TRUE(x < kFieldColumns && y < kFieldRows) << "level " << level << ": a brick off the field";
        // A normal brick of colour 0 would be neither drawn nor solid.
        EXPECT_NE(cell.Content, 0) << "level " << level << " " << x << "," << y;
        if (cell.Content == -DoorBrick) {
          // The wall is closed at the start, so the first entry opens it.
          for (int i = 0; i < 8; i += 2) {
            EXPECT_TRUE(IsBrick(grid, cell.Extra[i], cell.Extra[i + 1], NormalBrick)) << "level " << level;
          }
        }
        if (cell.Content == -InOutBrick) {
          const int tx = static_cast<std::int8_t>(cell.Extra[0]);
          const int ty = static_cast<std::int8_t>(cell.Extra[1]);
          ASSERT_TRUE(tx > 0 && tx < kFieldColumns - 1 && ty > 0 && ty < kFieldRows - 1) << "level " << level;
          for (const auto& [sx, sy] :
               {std::pair{tx + 1, ty}, std::pair{tx - 1, ty}, std::pair{tx, ty + 1}, std::pair{tx, ty - 1}}) {
            EXPECT_EQ(grid[sx][sy].Occupied, 0) << "level " << level << ": an in-out brick lands on a brick";
          }
        }
      }
    }
  }
}

TEST_F(BuiltInLevelsTest, RiseFromAnOpenFieldAndBringInTheSpecialBricksOneAtATime) {
  EXPECT_EQ(Count(levels[1], NormalBrick), 0);
  int firstTen = 0;
  int lastTen = 0;
  for (int level = 1; level <= 10; ++level) firstTen += Count(levels[level], NormalBrick);
  for (int level = kLevelCount - 9; level <= kLevelCount; ++level) lastTen += Count(levels[level], NormalBrick);
  EXPECT_GT(lastTen, 4 * firstTen);

  std::set<int> firstLevels;
  for (const int kind : {CharacterBrick, DoorBrick, InOutBrick, ReboundBrick, ScoreBrick, LifeBrick}) {
    const int first = FirstLevelWith(kind);
    EXPECT_GT(first, 1) << "kind " << kind;
    firstLevels.insert(first);
  }
  EXPECT_EQ(firstLevels.size(), 6u);

  int levelsWithLife = 0;
  int levelsWithWords = 0;
  for (int level = 1; level <= kLevelCount; ++level) {
    levelsWithLife += Count(levels[level], LifeBrick) > 0;
    levelsWithWords += Count(levels[level], CharacterBrick) >= 2;
  }
  EXPECT_EQ(levelsWithLife, 1);
  EXPECT_GE(levelsWithWords, 5);
}

}  // namespace
}  // namespace coilrun::testing
