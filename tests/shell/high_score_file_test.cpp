#include "shell/high_score_file.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "tests/support/fake_host.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_directory.h"

namespace coilrun {
namespace {

using ::coilrun::testing::FileSizeLimit;
using ::coilrun::testing::TempDirectory;
using Bytes = std::vector<std::uint8_t>;

Bytes Encoded(const HighScoreTable& table) {
  const HighScoreRecord record = EncodeHighScores(table);
  return {record.begin(), record.end()};
}

class HighScoreFileTest : public ::testing::Test {
 protected:
  std::vector<std::filesystem::path> Files() const {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path())) files.push_back(entry.path());
    return files;
  }

  TempDirectory directory{"coilrun-hscores"};
  std::filesystem::path file = directory / "hscores.dat";
  testing::FakeHost host;
  std::vector<std::string>& reports = host.failures;
  FileHighScores store{file, host};
};

TEST_F(HighScoreFileTest, DefaultTableHasTenRowsOfTwentyBytes) {
  ASSERT_FALSE(WriteDefaultHighScores(file));
  const Bytes bytes = TempDirectory::Read(file);
  ASSERT_EQ(bytes.size(), 200u);
  for (int row = 0; row < 10; ++row) {
    const Bytes expectedName = {7, 'P', 'l', 'a', 'y', 'e', 'r', static_cast<std::uint8_t>('0' + row),
                                0, 0,   0,   0,   0,   0,   0,   0};
    EXPECT_EQ(Bytes(bytes.begin() + 20 * row, bytes.begin() + 20 * row + 16), expectedName) << row;
  }
  EXPECT_EQ(Bytes(bytes.begin() + 16, bytes.begin() + 20), (Bytes{0x28, 0x23, 0, 0}));    // 9000
  EXPECT_EQ(Bytes(bytes.begin() + 176, bytes.begin() + 180), (Bytes{0xE8, 0x03, 0, 0}));  // 1000
  EXPECT_EQ(Bytes(bytes.begin() + 196, bytes.end()), (Bytes{0, 0, 0, 0}));
}

TEST_F(HighScoreFileTest, LongLengthBytesReadAsFifteenAndAnyScoreIsKept) {
  HighScoreRecord record = EncodeHighScores(DefaultHighScores());
  record[0] = 200;
  std::fill_n(record.begin() + 1, 15, 'x');
  std::fill_n(record.begin() + 16, 4, 0xFF);
  record[20] = 16;
  record[39] = 0x80;
  const HighScoreTable table = DecodeHighScores(record);
  EXPECT_EQ(table[0].Name, std::string(15, 'x'));
  EXPECT_EQ(table[0].Score, -1);
  EXPECT_EQ(table[1].Name.size(), 15u);
  EXPECT_EQ(table[1].Score, INT_MIN + 8000);
  EXPECT_EQ(DecodeHighScores(EncodeHighScores(table)), table);
}

TEST_F(HighScoreFileTest, StartUpWritesTheDefaultsOnlyWhereThereIsNoTable) {
  store.WriteDefaultsWhenMissing();
  EXPECT_EQ(TempDirectory::Read(file), Encoded(DefaultHighScores()));
  HighScoreTable table = DefaultHighScores();
  table[0].Score = 12345;
  store.WriteHighScores(table);
  store.WriteDefaultsWhenMissing();
  EXPECT_EQ(store.ReadHighScores(), table);
  EXPECT_TRUE(reports.empty());
}

TEST_F(HighScoreFileTest, InterruptedWriteIsReportedAndLeavesTheOldTable) {
  HighScoreTable old = DefaultHighScores();
  old[0] = {"Ann", 11111};
  store.WriteHighScores(old);
  HighScoreTable table = old;
  table[3] = {"Kim", 7777};
  {
    const FileSizeLimit limit(100);
    store.WriteHighScores(table);
  }
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(store.ReadHighScores(), old);
  EXPECT_EQ(Files(), std::vector<std::filesystem::path>{file});  // no half-written file left behind
}

}  // namespace
}  // namespace coilrun
