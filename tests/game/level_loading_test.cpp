#include <filesystem>
#include <string>
#include <vector>

#include "engine/brick_colors.h"
#include "formats/level_stream.h"
#include "tests/support/game_fixture.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

constexpr std::uint8_t kEnd = 0xCE;        // -50
constexpr std::uint8_t kNormal = 0xFF;     // -1
constexpr std::uint8_t kDoor = 0xFE;       // -2
constexpr std::uint8_t kInOut = 0xFD;      // -3
constexpr std::uint8_t kCharacter = 0xFB;  // -5

class LevelLoadingTest : public GameFixture {
 protected:
  int OccupiedCount() const {
    int count = 0;
    for (int x = 0; x < kGridColumns; ++x) {
      for (int y = 0; y < kGridRows; ++y) count += model.LevelGrid.at(x, y).Occupied != 0;
    }
    return count;
  }

  TempDirectory directory{"coilrun-levels"};
};

TEST_F(LevelLoadingTest, TellsTheFormatsApartBySize) {
  std::vector<std::uint8_t> grid(1581, 0);
  grid[2 * 31 + 5] = 1;  // columns outer: column 2, row 5
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("grid.lvl", grid)));
  EXPECT_FALSE(parts.sources.LevelFileIsStream());
  EXPECT_EQ(model.LevelNumber, 101);
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(2, 5).Occupied, 1);
  EXPECT_EQ(OccupiedCount(), 1);
  EXPECT_FALSE(model.Settings.BuiltInLevels);

  std::vector<std::uint8_t> stream{kNormal, 3, 4};
  stream.resize(1581, 0);  // zero bytes are skipped between records
  stream.push_back(kEnd);
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("stream.lvl", stream)));
  EXPECT_TRUE(parts.sources.LevelFileIsStream());
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(3, 4).Occupied, 1);
  EXPECT_EQ(OccupiedCount(), 1);
  EXPECT_TRUE(host.messages.empty());
}

// How many of this process's open descriptors name the file.
int OpenHandlesOf(const std::filesystem::path& file) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    if (std::filesystem::read_symlink(entry.path(), error) == file) ++count;
  }
  return count;
}

TEST_F(LevelLoadingTest, ANewGameFileClosesThePreviousGamesFileOfEitherFormat) {
  const std::string stream = directory.Write("stream.lvl", {kNormal, 3, 4, kEnd});
  ASSERT_TRUE(parts.course.OpenLevelFile(stream));
  EXPECT_EQ(OpenHandlesOf(stream), 1);
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("grid.lvl", std::vector<std::uint8_t>(1581, 0))));
  EXPECT_EQ(OpenHandlesOf(stream), 0);
}

TEST_F(LevelLoadingTest, AnEmptyFileIsAGridFileWithoutLevels) {
  model.Settings.Competition = true;
  model.LevelBackup.at(6, 6).Occupied = 1;
  model.LevelBackup.at(6, 6).Content = -4;
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("empty.lvl", {})));
  EXPECT_FALSE(parts.sources.LevelFileIsStream());
  parts.course.NextFileLevel();
  // A competition never ends for lack of levels: it replays the last one.
  EXPECT_EQ(model.LevelGrid, model.LevelBackup);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LevelLoadingTest, GridBytesAreStoredUnchangedWithTheColourOfTheCell) {
  std::vector<std::uint8_t> grid(2 * 1581, 0);
  grid[0] = 2;
  grid[50 * 31 + 30] = 255;
  grid[1581 + 31] = 1;  // second level: cell (1, 0)
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("two.lvl", grid)));
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(0, 0).Occupied, 2);
  EXPECT_EQ(model.LevelGrid.at(50, 30).Occupied, 255);
  EXPECT_EQ(model.LevelGrid.at(0, 0).Content, static_cast<std::int32_t>(BrickColorAt(model, 0, 0)));
  EXPECT_EQ(model.LevelGrid.at(20, 20).Content, static_cast<std::int32_t>(BrickColorAt(model, 20, 20)));

  model.LevelNumber = 102;
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(0, 0).Occupied, 0);
  EXPECT_EQ(model.LevelGrid.at(1, 0).Occupied, 1);
  EXPECT_EQ(OccupiedCount(), 1);
}

TEST_F(LevelLoadingTest, StreamRecordsFillTheCellsAndLaterRecordsReplaceEarlierOnes) {
  const std::vector<std::uint8_t> stream{
      5,       kDoor,  10, 11,   1,    2,  3,    4,  5,  6,    7,  8,  // door with four linked cells
      0xF9,    kInOut, 12, 13,   0xFF, 7,                              // -7 is skipped without operands
      kNormal, 14,     15, 0xFC, 16,   17, 0xF6, 18, 19, 0xF5, 20, 21, kCharacter, 10, 11, 0xC1,  // replaces the door
      kEnd};
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("kinds.lvl", stream)));
  parts.course.NextFileLevel();
  const auto& replaced = model.LevelGrid.at(10, 11);
  EXPECT_EQ(replaced.Content, -5);
  // The character record writes only Extra[0]; the door's other bytes stay.
  EXPECT_EQ(replaced.Extra, (std::array<std::uint8_t, 8>{0xC1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(model.LevelGrid.at(12, 13).Content, -3);
  EXPECT_EQ(model.LevelGrid.at(12, 13).Extra[0], 0xFF);
  EXPECT_EQ(model.LevelGrid.at(12, 13).Extra[1], 7);
  EXPECT_EQ(model.LevelGrid.at(14, 15).Content, static_cast<std::int32_t>(BrickColorAt(model, 14, 15)));
  EXPECT_EQ(model.LevelGrid.at(16, 17).Content, -4);
  EXPECT_EQ(model.LevelGrid.at(18, 19).Content, -10);
  EXPECT_EQ(model.LevelGrid.at(20, 21).Content, -11);
  EXPECT_EQ(OccupiedCount(), 6);
}

TEST_F(LevelLoadingTest, RecordsOutsideTheGridAreSkippedWithTheirOperands) {
  // The door's operands look like a record of their own; they must be read
  // as operands all the same.
  const std::vector<std::uint8_t> stream{kNormal, 51, 0, kNormal, 0xFF, 3, kDoor,   4,  31, kNormal, 7,
                                         7,       1,  1, 1,       1,    1, kNormal, 50, 30, kEnd};
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("outside.lvl", stream)));
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(50, 30).Occupied, 1);
  EXPECT_EQ(OccupiedCount(), 1);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(LevelLoadingTest, ALevelWithoutItsEndMarkerCannotBeRead) {
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("cut.lvl", {kNormal, 1, 1, kEnd, kNormal, 2, 2})));
  parts.course.NextFileLevel();
  host.gameTimerOn = false;
  model.LevelNumber = 102;
  model.Settings.BuiltInLevels = true;
  parts.course.NextFileLevel();
  EXPECT_EQ(host.failures, (std::vector<std::string>{"Read beyond end of file"}));
  // The action is abandoned: the level is not started.
  EXPECT_TRUE(model.Settings.BuiltInLevels);
  EXPECT_FALSE(host.gameTimerOn);
}

TEST_F(LevelLoadingTest, AMissingFileIsReportedAndNothingChanges) {
  model.LevelNumber = 7;
  EXPECT_FALSE(parts.course.OpenLevelFile((directory / "missing.lvl").string()));
  EXPECT_EQ(host.failures, (std::vector<std::string>{"File not found"}));
  EXPECT_EQ(model.LevelNumber, 7);
}

TEST_F(LevelLoadingTest, KeepsAtMost255CharactersOfTheName) {
  const std::string name = directory.Write("a.lvl", {kEnd});
  const std::string longName =
      (directory / "").string() + std::string(300 - (directory / "").string().size(), '/') + "a.lvl";
  ASSERT_TRUE(parts.course.OpenLevelFile(longName));
  EXPECT_EQ(model.Settings.LevelFileName, longName.substr(0, 255));
  ASSERT_TRUE(parts.course.OpenLevelFile(name));
  EXPECT_EQ(model.Settings.LevelFileName, name);
}

TEST_F(LevelLoadingTest, ANormalBrickDropsAStaleSnakeMarkAndOtherCellsKeepTheirs) {
  for (const auto& [x, y] : {std::pair{5, 5}, std::pair{6, 6}}) {
    BoardCell& trail = model.LevelGrid.at(x, y);
    trail.Occupied = 1;
    trail.Content = static_cast<std::int32_t>(RgbColor(255, 255, 0));
    trail.Extra[0] = SnakeBrickMark;
  }
  model.LevelNumber = 101;
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("over.lvl", {kNormal, 5, 5, kEnd})));
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(5, 5).Extra[0], 0);
  EXPECT_EQ(model.LevelGrid.at(5, 5).Content, static_cast<std::int32_t>(RgbColor(230, 0, 25)));
  EXPECT_EQ(model.LevelGrid.at(6, 6).Occupied, 0);
  EXPECT_EQ(model.LevelGrid.at(6, 6).Extra[0], SnakeBrickMark);

  std::vector<std::uint8_t> grid(1581, 0);
  grid[6 * 31 + 6] = 1;
  ASSERT_TRUE(parts.course.OpenLevelFile(directory.Write("over-grid.lvl", grid)));
  parts.course.NextFileLevel();
  EXPECT_EQ(model.LevelGrid.at(6, 6).Extra[0], 0);
  EXPECT_EQ(model.LevelGrid.at(6, 6).Content, static_cast<std::int32_t>(RgbColor(225, 0, 30)));
}

class BuiltInLoadingTest : public GameFixture {
 protected:
  // Three levels of one normal brick each, at (0, 0), (1, 1), (2, 2); the
  // first byte is an opcode on purpose.
  BuiltInLoadingTest() {
    parts.sources.CopyBuiltInLevels(std::vector<std::uint8_t>{69, 70, 70, 20, 69, 71, 71, 20, 69, 72, 72, 20});
  }

  bool OnlyBrickAt(int x, int y) const {
    for (int cx = 0; cx < kGridColumns; ++cx) {
      for (int cy = 0; cy < kGridRows; ++cy) {
        if ((model.LevelGrid.at(cx, cy).Occupied != 0) != (cx == x && cy == y)) return false;
      }
    }
    return true;
  }
};

TEST_F(BuiltInLoadingTest, TheDialogReadsFromTheFirstByteAndGoesOnLevelAfterLevel) {
  model.LevelNumber = 1;
  parts.sources.SetBuiltInPos(-1);
  parts.course.NextBuiltInLevel();
  EXPECT_TRUE(OnlyBrickAt(0, 0));
  EXPECT_EQ(parts.sources.BuiltInPos(), 3);  // rests on the end marker
  EXPECT_TRUE(model.Settings.BuiltInLevels);

  model.LevelNumber = 2;
  parts.course.NextBuiltInLevel();
  EXPECT_TRUE(OnlyBrickAt(1, 1));
  model.LevelNumber = 3;
  parts.course.NextBuiltInLevel();
  EXPECT_TRUE(OnlyBrickAt(2, 2));
}

TEST_F(BuiltInLoadingTest, SkippingStartsAfterTheEndMarkerOfTheLevelBefore) {
  EXPECT_EQ(parts.sources.BuiltInLevelStart(1), 0);
  EXPECT_EQ(parts.sources.BuiltInLevelStart(2), 3);
  EXPECT_EQ(parts.sources.BuiltInLevelStart(3), 7);

  parts.sources.SetBuiltInPos(parts.sources.BuiltInLevelStart(1));
  parts.sources.DecodeBuiltInLevel();
  EXPECT_TRUE(OnlyBrickAt(-1, -1));  // the opcode in the first byte is passed over
  parts.sources.SetBuiltInPos(parts.sources.BuiltInLevelStart(3));
  parts.sources.ClearGrid();
  parts.sources.DecodeBuiltInLevel();
  EXPECT_TRUE(OnlyBrickAt(2, 2));
}

TEST_F(BuiltInLoadingTest, PastTheLastLevelACompetitionReplaysIt) {
  model.Settings.Competition = true;
  model.LevelNumber = 83;
  parts.sources.SetBuiltInPos(11);
  model.LevelBackup.at(9, 9).Occupied = 1;
  parts.course.NextBuiltInLevel();
  EXPECT_TRUE(OnlyBrickAt(9, 9));
  EXPECT_EQ(parts.sources.BuiltInPos(), 11);
}

TEST_F(BuiltInLoadingTest, ABlockWithoutItsLastEndMarkerStopsAtTheBufferEnd) {
  parts.sources.CopyBuiltInLevels(std::vector<std::uint8_t>(kBuiltInLevelCapacity + 10, 69));
  parts.sources.SetBuiltInPos(-1);
  parts.sources.DecodeBuiltInLevel();
  EXPECT_EQ(parts.sources.BuiltInPos(), static_cast<std::int32_t>(kBuiltInLevelCapacity) - 1);
  EXPECT_EQ(parts.sources.BuiltInLevelStart(5), static_cast<std::int32_t>(kBuiltInLevelCapacity) - 1);
}

}  // namespace
}  // namespace coilrun::testing
