// The level editor's plain parts: the cells each tool covers, the checks,
// and the reading of level files as the editor opens them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "formats/level_design.h"
#include "shell/editor/drawing_tools.h"
#include "shell/editor/level_book.h"
#include "shell/editor/level_checks.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

using Cells = std::set<std::pair<int, int>>;

Cells AsSet(const std::vector<FieldCell>& cells) {
  Cells set;
  for (const FieldCell cell : cells) set.insert({cell.x, cell.y});
  return set;
}

// The rows of a level's field: '#' normal, 'C' character, 'D' door, 'I'
// in-out, 'R' rebound; '.' or a missing cell is empty.
LevelDesign Drawn(const std::vector<std::string>& rows) {
  LevelDesign level;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      for (const KindLetter& entry : KindLetters()) {
        if (entry.Letter == rows[y][x]) level.at(x, y).Kind = entry.Kind;
      }
    }
  }
  return level;
}

TEST(DrawingToolsTest, EachShapeCoversItsCellsAndNoOthers) {
  struct Case {
    const char* what;
    std::vector<FieldCell> cells;
    Cells expected;
  };
  const Case cases[] = {
      {"a single cell", LineCells({3, 4}, {3, 4}), {{3, 4}}},
      {"a line backwards", LineCells({5, 2}, {2, 2}), {{2, 2}, {3, 2}, {4, 2}, {5, 2}}},
      {"a diagonal", LineCells({0, 0}, {3, 3}), {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
      {"a steep line", LineCells({0, 0}, {1, 3}), {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {"an outline",
       RectangleCells({4, 3}, {2, 1}, false),
       {{2, 1}, {3, 1}, {4, 1}, {2, 2}, {4, 2}, {2, 3}, {3, 3}, {4, 3}}},
      {"a filled box", RectangleCells({2, 1}, {3, 2}, true), {{2, 1}, {3, 1}, {2, 2}, {3, 2}}},
      {"a one-row outline", RectangleCells({1, 5}, {3, 5}, false), {{1, 5}, {2, 5}, {3, 5}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AsSet(c.cells), c.expected) << c.what;
    EXPECT_EQ(c.cells.size(), c.expected.size()) << c.what << ": a cell twice";
  }
  // A long line leaves no gap: every step is to a neighbour.
  const std::vector<FieldCell> line = LineCells({0, 0}, {49, 7});
  for (std::size_t i = 1; i < line.size(); ++i) {
    EXPECT_LE(std::abs(line[i].x - line[i - 1].x), 1);
    EXPECT_LE(std::abs(line[i].y - line[i - 1].y), 1);
  }
  EXPECT_EQ(line.back(), (FieldCell{49, 7}));
}

TEST(DrawingToolsTest, FloodFillStopsAtOtherKindsAtCornersAndAtTheFieldsEdge) {
  // A closed room of normal bricks with a door in its wall; its inside is
  // four cells, which meet the field outside only across corners.
  const LevelDesign level = Drawn({
      "......",
      ".####.",
      ".#..#.",
      ".#..D.",
      ".####.",
  });
  EXPECT_EQ(AsSet(FloodFillCells(level, {2, 2})), (Cells{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));
  // Bricks of one kind fill together; the door is another kind.
  EXPECT_EQ(FloodFillCells(level, {1, 1}).size(), 11u);
  EXPECT_EQ(AsSet(FloodFillCells(level, {4, 3})), (Cells{{4, 3}}));
  // Outside the room: the whole field but the room, never column 50 or row 30.
  const std::vector<FieldCell> outside = FloodFillCells(level, {0, 0});
  EXPECT_EQ(outside.size(), static_cast<std::size_t>(kFieldColumns * kFieldRows - 16));
  EXPECT_TRUE(std::all_of(outside.begin(), outside.end(), [](FieldCell c) { return OnField(c.x, c.y); }));
  EXPECT_TRUE(FloodFillCells(level, {50, 3}).empty());
}

// A level that passes every check: empty.
LevelDesign Clean() { return LevelDesign{}; }

TEST(LevelChecksTest, EachCheckWarnsOfItsFaultAndACleanLevelOfNothing) {
  ASSERT_TRUE(CheckLevel(Clean(), true).empty());

  struct Case {
    const char* what;
    std::function<void(LevelDesign&)> draw;
    bool forGrid;
    std::string fragment;
    std::optional<FieldCell> cell;
  };
  const auto door = [](LevelDesign& level, std::array<std::uint8_t, 8> cells) {
    level.at(20, 10) = {.Kind = DoorBrick, .Extra = cells};
    level.at(21, 10).Kind = NormalBrick;
  };
  const Case cases[] = {
      {"a brick on player 1's head", [](LevelDesign& l) { l.at(9, 1).Kind = NormalBrick; }, false,
       "player 1's start (9, 1) holds a normal brick", FieldCell{9, 1}},
      {"a brick behind player 2", [](LevelDesign& l) { l.at(41, 28).Kind = ScoreBrick; }, false,
       "player 2's start (41, 28) holds a score brick", FieldCell{41, 28}},
      {"a wall five cells ahead of player 3", [](LevelDesign& l) { l.at(34, 0).Kind = NormalBrick; }, false,
       "player 3's start has 5 free cells ahead before (34, 0)", FieldCell{34, 0}},
      {"player 4 boxed in",
       [](LevelDesign& l) {
         for (int x = 0; x < 25; ++x) l.at(x, 27).Kind = NormalBrick;
         for (int y = 27; y < 30; ++y) l.at(25, y).Kind = NormalBrick;
       },
       false, "player 4's start reaches only 50 of the", FieldCell{9, 29}},
      {"a full field",
       [](LevelDesign& l) {
         for (int y = 0; y < 30; ++y)
           for (int x = 0; x < 50; ++x) l.at(x, y).Kind = y == 1 || y == 28 ? 0 : NormalBrick;
       },
       false, "only 100 free cells:", std::nullopt},
      {"a door cell outside the field",
       [&](LevelDesign& l) {
         door(l, {21, 10, 21, 10, 21, 10, 60, 3});
       },
       false, "door at (20, 10): cell 4 (60, 3) lies outside the field", FieldCell{20, 10}},
      {"a door working on itself",
       [&](LevelDesign& l) {
         door(l, {21, 10, 20, 10, 21, 10, 21, 10});
       },
       false, "cell 2 (20, 10) is the door itself", FieldCell{20, 10}},
      {"a door with nothing to open",
       [&](LevelDesign& l) {
         door(l, {5, 5, 5, 6, 5, 7, 5, 8});
       },
       false, "none of its cells holds a brick", FieldCell{20, 10}},
      {"an in-out brick leading off the field",
       [](LevelDesign& l) {
         l.at(30, 15) = {.Kind = InOutBrick, .Extra = {0xFF, 15}};
       },
       false, "in-out brick at (30, 15): its destination (-1, 15) lies outside the field", FieldCell{30, 15}},
      {"an in-out brick leading onto a rebound brick",
       [](LevelDesign& l) {
         l.at(30, 15) = {.Kind = InOutBrick, .Extra = {31, 20}};
         l.at(31, 20).Kind = ReboundBrick;
       },
       false, "destination (31, 20) holds a rebound brick", FieldCell{30, 15}},
      {"a character without a glyph",
       [](LevelDesign& l) { l.at(12, 12) = {.Kind = CharacterBrick, .Extra = {StoredCharacter(7)}}; }, false,
       "shows code 7, which has no glyph", FieldCell{12, 12}},
      {"a brick off the field", [](LevelDesign& l) { l.at(50, 4).Kind = NormalBrick; }, false,
       "1 brick in column 50 or row 30", std::nullopt},
      {"a special brick bound for a grid file", [](LevelDesign& l) { l.at(25, 15).Kind = LifeBrick; }, true,
       "a grid file holds only normal bricks", FieldCell{25, 15}},
  };
  for (const Case& c : cases) {
    LevelDesign level = Clean();
    c.draw(level);
    const std::vector<LevelWarning> warnings = CheckLevel(level, c.forGrid);
    const auto found = std::find_if(warnings.begin(), warnings.end(), [&](const LevelWarning& warning) {
      return warning.text.find(c.fragment) != std::string::npos;
    });
    ASSERT_NE(found, warnings.end()) << c.what << ": no warning with \"" << c.fragment << "\"";
    EXPECT_EQ(found->cell, c.cell) << c.what;
  }
}

TEST(LevelChecksTest, InOutBricksAndDoorsLeadThroughWallsButCharactersDoNot) {
  // Player 4 is boxed in as above, but an in-out brick in its box leads out.
  LevelDesign level;
  for (int x = 0; x < 25; ++x) level.at(x, 27).Kind = NormalBrick;
  for (int y = 27; y < 30; ++y) level.at(25, y).Kind = NormalBrick;
  level.at(20, 28) = {.Kind = InOutBrick, .Extra = {30, 10}};
  EXPECT_TRUE(CheckLevel(level, false).empty());
  level.at(20, 28) = {.Kind = CharacterBrick, .Extra = {StoredCharacter('A')}};
  EXPECT_EQ(CheckLevel(level, false).size(), 1u);
}

TEST(LevelChecksTest, OnlyCharactersThatDrawSomethingHaveAGlyph) {
  for (const int code : {int{'A'}, int{'~'}, int{'!'}, 0xA1, 0xE9, 0xFF}) EXPECT_TRUE(CharacterHasGlyph(code)) << code;
  for (const int code : {0, 7, int{' '}, 0x7F, 0x85, 0xA0, 0xAD}) EXPECT_FALSE(CharacterHasGlyph(code)) << code;
}

// Every kind with its parameters, in field cells and in the spare column.
LevelDesign EveryKind() {
  LevelDesign level;
  level.at(0, 0).Kind = NormalBrick;
  level.at(49, 29).Kind = NormalBrick;
  level.at(50, 30).Kind = NormalBrick;
  level.at(5, 6) = {.Kind = DoorBrick, .Extra = {1, 2, 3, 4, 5, 7, 60, 200}};
  level.at(7, 8) = {.Kind = InOutBrick, .Extra = {0xFF, 29}};
  level.at(9, 10).Kind = ReboundBrick;
  level.at(11, 12) = {.Kind = CharacterBrick, .Extra = {StoredCharacter('Z')}};
  level.at(13, 14).Kind = ScoreBrick;
  level.at(15, 16).Kind = LifeBrick;
  return level;
}

TEST(LevelBookTest, KeepsLevelsAsTheyWereDrawnAndMovesThemInOrder) {
  LevelBook book;
  LevelDesign second;
  second.at(3, 3).Kind = NormalBrick;
  book.Insert(0, EveryKind());
  book.Insert(1, second);
  book.Insert(2, LevelDesign{});
  EXPECT_EQ(book.Level(0), EveryKind());
  EXPECT_EQ(book.CensusOf(0).bricks, 9);
  EXPECT_EQ(book.CensusOf(0).special, 6);
  book.Move(0, 2);
  EXPECT_EQ(book.Level(0), second);
  EXPECT_EQ(book.Level(2), EveryKind());
  book.Move(2, 0);
  EXPECT_EQ(book.Level(0), EveryKind());
  EXPECT_EQ(book.Level(1), second);

  const LevelFileRead stream = ReadLevelBytes(book.Encode(LevelFileFormat::Stream));
  ASSERT_EQ(stream.levels.size(), 3u);
  EXPECT_EQ(stream.format, LevelFileFormat::Stream);
  EXPECT_TRUE(stream.problems.empty());
  for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(stream.levels.Level(i), book.Level(i)) << i;

  const LevelFileRead grid = ReadLevelBytes(book.Encode(LevelFileFormat::Grid));
  ASSERT_EQ(grid.levels.size(), 3u);
  EXPECT_EQ(grid.format, LevelFileFormat::Grid);
  EXPECT_EQ(grid.levels.Level(0), NormalBricksOnly(EveryKind()));
  EXPECT_EQ(grid.levels.CensusOf(0).bricks, 3);
}

TEST(LevelBookTest, DamagedEmptyHugeAndUnreadableFilesSayWhatIsWrong) {
  TempDirectory directory("coilrun-editor");
  // A stream file whose second level lacks its end marker, and one whose
  // last bytes hold no brick at all.
  const LevelFileRead cut = ReadLevelFile(directory.Write("cut.lvl", {0xFF, 1, 1, 0xCE, 0xFC, 2, 2, 0xFF, 3}));
  ASSERT_FALSE(cut.failure);
  ASSERT_EQ(cut.levels.size(), 2u);
  EXPECT_EQ(cut.levels.Level(1).at(2, 2).Kind, ReboundBrick);
  ASSERT_EQ(cut.problems.size(), 1u);
  EXPECT_NE(cut.problems[0].find("level 2: Read beyond end of file"), std::string::npos) << cut.problems[0];

  const LevelFileRead tail = ReadLevelFile(directory.Write("tail.lvl", {0xFF, 1, 1, 0xCE, 7}));
  EXPECT_EQ(tail.levels.size(), 1u);
  EXPECT_EQ(tail.problems.size(), 1u);

  const LevelFileRead outside = ReadLevelFile(directory.Write("outside.lvl", {0xFF, 60, 1, 0xFF, 2, 2, 0xCE}));
  EXPECT_EQ(outside.levels.CensusOf(0).bricks, 1);
  ASSERT_EQ(outside.problems.size(), 1u);
  EXPECT_NE(outside.problems[0].find("1 brick lies outside the grid"), std::string::npos);

  const LevelFileRead empty = ReadLevelFile(directory.Write("empty.lvl", {}));
  EXPECT_FALSE(empty.failure);
  EXPECT_EQ(empty.levels.size(), 0u);
  EXPECT_EQ(empty.format, LevelFileFormat::Grid);

  const std::string huge = directory.Write("huge.lvl", {});
  std::filesystem::resize_file(huge, kMaxEditedFileBytes + 1);
  const LevelFileRead tooLarge = ReadLevelFile(huge);
  ASSERT_TRUE(tooLarge.failure);
  EXPECT_NE(tooLarge.failure->text().find("up to 64 MiB"), std::string::npos) << tooLarge.failure->text();

  std::filesystem::create_directory(directory / "folder.lvl");
  EXPECT_EQ(ReadLevelFile(directory / "folder.lvl").failure, FileError("File access denied"));
  EXPECT_EQ(ReadLevelFile(directory / "missing.lvl").failure, FileError("File not found"));
}

}  // namespace
}  // namespace coilrun::testing
