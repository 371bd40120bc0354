#include "tools/level_tool.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "formats/level_design.h"
#include "formats/level_text.h"
#include "game/builtin_level_block.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

struct ToolRun {
  int status = 0;
  std::string out;
  std::string err;
};

ToolRun RunTool(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunLevelTool(arguments, out, err, BuiltInLevelBlock());
  return {status, out.str(), err.str()};
}

// The levels of a text that must parse.
std::vector<LevelDesign> Parsed(const std::string& text) {
  std::vector<LevelDesign> levels;
  const FileResult failure = ParseLevelText(text, levels);
  EXPECT_FALSE(failure) << failure->text();
  return levels;
}

std::string FieldText(const std::vector<std::string>& rows) {
  std::string text;
  for (int y = 0; y < kGridRows; ++y) {
    std::string row = y < static_cast<int>(rows.size()) ? rows[y] : "";
    row.resize(kGridColumns, '.');
    text += row + "\n";
  }
  return text;
}

void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

class LevelToolTest : public ::testing::Test {
 protected:
  // Compiles `text` to a file and returns its bytes.
  std::vector<std::uint8_t> Compile(const std::string& text, const std::string& name, bool grid = false) {
    WriteText(directory / (name + ".txt"), text);
    std::vector<std::string> arguments{"compile", (directory / (name + ".txt")).string(), "-o",
                                       (directory / (name + ".lvl")).string()};
    if (grid) arguments.push_back("--grid");
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return TempDirectory::Read(directory / (name + ".lvl"));
  }

  TempDirectory directory{"coilrun-level-tool"};
};

TEST_F(LevelToolTest, EveryBuiltInLevelShownCompilesBackToItsBytesInTheBlock) {
  const auto block = BuiltInLevelBlock();
  std::size_t levelStart = 1;  // past the block's first byte
  for (int level = 1; level <= 82; ++level) {
    const ToolRun shown = RunTool({"show", "--builtin", std::to_string(level)});
    ASSERT_EQ(shown.status, 0) << shown.err;
    const auto bytes = Compile(shown.out, "level" + std::to_string(level));
    std::vector<std::uint8_t> expected;
    for (std::size_t i = levelStart; i < block.size(); ++i) {
      expected.push_back(static_cast<std::uint8_t>(block[i] - 70));
      if (block[i] == 20) break;
    }
    levelStart += expected.size();
    EXPECT_EQ(bytes, expected) << "level " << level;

    const ToolRun again = RunTool({"show", (directory / ("level" + std::to_string(level) + ".lvl")).string()});
    EXPECT_EQ(Compile(again.out, "again"), bytes) << "level " << level;
  }
  EXPECT_EQ(levelStart, block.size());
  EXPECT_NE(RunTool({"show", "--builtin", "83"}).status, 0);
}

TEST_F(LevelToolTest, GridFilesRoundTripAndHoldOnlyNormalBricks) {
  const std::string walls = "title Walls\n" + FieldText({"",
                                                         "",
                                                         "..####",
                                                         "",
                                                         "#",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "",
                                                         "..................................................#"});
  const auto grid = Compile(walls + walls, "walls", true);
  ASSERT_EQ(grid.size(), 2u * 1581);
  EXPECT_EQ(grid[2 * 31 + 2], 1);  // columns outer
  EXPECT_EQ(grid[0 * 31 + 4], 1);
  EXPECT_EQ(grid[1580], 1);
  const ToolRun shown = RunTool({"show", (directory / "walls.lvl").string(), "--level", "2"});
  EXPECT_EQ(Compile(shown.out + shown.out, "walls-again", true), grid);

  WriteText(directory / "door.txt", "title Door\n" + FieldText({"", "..D#"}) + "door 2 1 3 1 3 1 3 1 3 1\n");
  const ToolRun refused =
      RunTool({"compile", (directory / "door.txt").string(), "-o", (directory / "door.lvl").string(), "--grid"});
  EXPECT_NE(refused.status, 0);
  EXPECT_NE(refused.err.find("only normal bricks"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("(2, 1)"), std::string::npos) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(directory / "door.lvl"));
}

TEST_F(LevelToolTest, AStreamFileNeverGetsTheSizeOfAGridFile) {
  // 523 normal bricks (3 bytes each), a door (11) and the end marker make 1,581 bytes.
  std::vector<std::string> rows(kGridRows);
  int bricks = 0;
  for (int y = 2; y < kGridRows && bricks < 523; ++y) {
    for (int x = 0; x < kGridColumns && bricks < 523; x += 2, ++bricks) {
      rows[y].resize(x, '.');
      rows[y] += '#';
    }
  }
  rows[0] = "D";
  const std::string text = "title Full\n" + FieldText(rows) + "door 0 0 0 2 2 2 4 2 6 2\n";
  const auto bytes = Compile(text, "full");
  ASSERT_EQ(bytes.size(), 1582u);
  EXPECT_EQ(bytes[0], 0);  // skipped by the decoder
  const ToolRun check = RunTool({"check", (directory / "full.lvl").string()});
  EXPECT_EQ(check.status, 0) << check.out;
  EXPECT_EQ(Parsed(RunTool({"show", (directory / "full.lvl").string()}).out)[0].Cells, Parsed(text)[0].Cells);
}

TEST_F(LevelToolTest, CheckReportsEveryProblemWithLevelAndOffset) {
  // Level 1 is sound; level 2 (from byte 4) has a brick at column 60 and no end marker.
  const std::string file = directory.Write("bad.lvl", {0xFF, 1, 1, 0xCE, 0x05, 0xFF, 60, 2, 0xFD, 1, 1, 2});
  const ToolRun bad = RunTool({"check", file});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("level 2, byte 5: a brick at (60, 2) lies outside the grid"), std::string::npos) << bad.out;
  EXPECT_NE(bad.out.find("level 2, byte 12: the file ends before the level's end marker"), std::string::npos)
      << bad.out;
  EXPECT_NE(bad.out.find("2 problems"), std::string::npos);

  std::vector<std::uint8_t> gridSized(1581, 0);
  gridSized.back() = 0xCE;
  const ToolRun sized = RunTool({"check", directory.Write("sized.lvl", gridSized)});
  EXPECT_EQ(sized.status, 1);
  EXPECT_NE(sized.out.find("level 1, byte 1581: the size 1581 is a whole multiple of 1581"), std::string::npos)
      << sized.out;

  std::vector<std::uint8_t> gridCut(1581 + 10, 1);
  const ToolRun cut = RunTool({"check", directory.Write("cut.lvl", gridCut)});
  EXPECT_EQ(cut.status, 1);
  EXPECT_NE(cut.out.find("level 2, byte 1581: the size 1591 is no whole multiple of 1581, so the game reads this "
                         "grid file as a stream file; this level has 10 of its 1581 bytes"),
            std::string::npos)
      << cut.out;
  EXPECT_NE(cut.out.find("1 problem\n"), std::string::npos) << cut.out;

  EXPECT_EQ(RunTool({"check", directory.Write("empty.lvl", {})}).status, 1);
  EXPECT_EQ(RunTool({"check", directory.Write("good.lvl", {0xFF, 50, 30, 0xCE})}).status, 0);
  EXPECT_EQ(RunTool({"check", directory.Write("grid.lvl", std::vector<std::uint8_t>(1581, 1))}).status, 0);
}

// Each hostile input ends in a message that names the file, and a non-zero
// exit, never in an abort.
TEST_F(LevelToolTest, HostileInputsAreReportedByNameAndNeverAbort) {
  const std::string folder = (directory / "").string();
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"show", folder}, {"check", folder}, {"compile", folder, "-o", (directory / "out.lvl").string()}}) {
    const ToolRun run = RunTool(arguments);
    EXPECT_EQ(run.status, 2) << arguments[0];
    EXPECT_EQ(run.err, "coilrun-levels: " + folder + ": is a directory, not a level file\n") << arguments[0];
  }
  const std::string source = directory.Write("one.txt", {});
  WriteText(source, "title One\n" + FieldText({"#"}));
  const ToolRun intoFolder = RunTool({"compile", source, "-o", folder});
  EXPECT_EQ(intoFolder.status, 2);
  EXPECT_NE(intoFolder.err.find(folder + ": "), std::string::npos) << intoFolder.err;

  const std::string empty = directory.Write("empty.lvl", {});
  const ToolRun shownEmpty = RunTool({"show", empty});
  EXPECT_EQ(shownEmpty.status, 2);
  EXPECT_EQ(shownEmpty.err, "coilrun-levels: " + empty + ": the file is empty; it holds no levels\n");
  EXPECT_EQ(RunTool({"check", empty}).status, 1);
  EXPECT_NE(RunTool({"show", directory.Write("missing.lvl", {}) + "-not-there"}).err.find("No such file"),
            std::string::npos);

  // Level 1 is whole; level 2 breaks off inside a door record.
  const std::string cut = directory.Write("cut.lvl", {0xFF, 3, 4, 0xCE, 0xFE, 1, 1, 2, 2});
  const ToolRun shownCut = RunTool({"show", cut});
  EXPECT_EQ(shownCut.status, 2);
  EXPECT_EQ(shownCut.out.find("title level 1\n"), 0u) << shownCut.out;
  EXPECT_EQ(shownCut.err, "coilrun-levels: " + cut + ": level 2 has no end marker (run check)\n");
  EXPECT_NE(RunTool({"check", cut}).out.find("level 2, byte 9: the file ends before"), std::string::npos);
}

TEST_F(LevelToolTest, RandomBytesAreShownOrRefusedButNeverCrashTheTool) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    // Now and then exactly the size of grid levels, which takes the other decoder.
    std::vector<std::uint8_t> bytes(round % 4 == 0 ? 1581 * (1 + round % 3) : random() % 4000);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    const std::string file = directory.Write("random.lvl", bytes);
    for (const char* command : {"show", "check"}) {
      const ToolRun run = RunTool({command, file});
      EXPECT_LE(run.status, 2) << command;
      if (run.status == 2) {
        EXPECT_NE(run.err.find(file), std::string::npos) << command << ": " << run.err;
      }
    }
  }
}

// A file of a million empty stream levels, each only its end marker, once
// made the tool hold every decoded level at once and run out of memory.
TEST_F(LevelToolTest, AMillionLevelsAreCheckedAndShownOneAtATime) {
  const std::string file = directory.Write("million.lvl", std::vector<std::uint8_t>(1000000, 0xCE));
  const ToolRun checked = RunTool({"check", file});
  EXPECT_EQ(checked.status, 0) << checked.out.substr(0, 200);
  const ToolRun last = RunTool({"show", file, "--level", "1000000"});
  ASSERT_EQ(last.status, 0) << last.err;
  EXPECT_EQ(last.out.find("title level 1000000\n"), 0u);
  EXPECT_EQ(RunTool({"show", file, "--level", "1000001"}).err, "coilrun-levels: " + file + " holds 1000000 levels\n");
}

TEST(LevelBlockTest, RefusesBlocksThatTheLevelSearchWouldMisread) {
  EXPECT_FALSE(ValidateBuiltInBlock(std::vector<std::uint8_t>{70, 69, 70, 70, 20}));
  EXPECT_TRUE(ValidateBuiltInBlock(std::vector<std::uint8_t>{69, 70, 70, 20}));
  EXPECT_TRUE(ValidateBuiltInBlock(std::vector<std::uint8_t>{70, 69, 70, 70}));
  EXPECT_TRUE(ValidateBuiltInBlock(std::vector<std::uint8_t>(kBuiltInLevelCapacity + 1, 70)));

  auto levels = Parsed("title Word\n" + FieldText({"", "", "CC"}) + "char 0 2 O\nchar 1 2 N\n");
  const FileResult refused = ValidateBuiltInBlock(EncodeBuiltInBlock(levels));
  ASSERT_TRUE(refused) << "a character N was accepted";
  EXPECT_NE(refused->text().find("\"N\""), std::string::npos) << refused->text();
  levels[0].at(1, 2).Extra[0] = static_cast<std::uint8_t>('M' - 128);
  const std::vector<std::uint8_t> block = EncodeBuiltInBlock(levels);
  EXPECT_FALSE(ValidateBuiltInBlock(block));
  EXPECT_EQ(block.size(), 1u + 4 + 4 + 1);
}

TEST(LevelTextTest, NamesTheLineOfAMistake) {
  const auto messageOf = [](const std::string& text) {
    std::vector<LevelDesign> levels;
    const FileResult failure = ParseLevelText(text, levels);
    return failure ? failure->text() : std::string("accepted");
  };
  EXPECT_EQ(messageOf("title A\n" + FieldText({"", "", "x"})), "line 4: unknown cell letter 'x'");
  EXPECT_EQ(messageOf("title A\n" + FieldText({}).substr(52)), "the text ends inside the field of a level");
  EXPECT_NE(messageOf("title A\n" + FieldText({"I"})).find("the I at (0, 0) has no line"), std::string::npos);
  EXPECT_EQ(messageOf("title A\n" + FieldText({"I"}) + "inout 0 0 5\n"),
            "line 33: inout takes a column, a row and 2 more values");
  EXPECT_EQ(messageOf("title A\n" + FieldText({}) + "char 1 1 A\n"), "line 33: cell (1, 1) shows no C");
  EXPECT_EQ(messageOf("title A\n" + FieldText({"C"}) + "char 0 0 \\200\n"), "accepted");
}

}  // namespace
}  // namespace coilrun::testing
