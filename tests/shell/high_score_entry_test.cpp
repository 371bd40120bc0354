#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/high_score_offers.h"
#include "shell/high_score_file.h"
#include "tests/support/fake_host.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

using Texts = std::vector<std::string>;

class HighScoreEntryTest : public ::testing::Test {
 protected:
  HighScoreEntryTest() {
    model.Settings.ReEnterName = false;
    model.Players[1].Name = "Player1";
    model.Players[2].Name = "Player2";
  }

  void Offer(int player, std::int32_t score) {
    model.Players[player].Score = score;
    offers.ReWriteHS(player);
  }

  // What the file holds; it must be exactly one table.
  HighScoreTable Stored() const {
    const Bytes bytes = TempDirectory::Read(file);
    EXPECT_EQ(bytes.size(), kHighScoreRecordSize);
    HighScoreRecord record{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), record.size()), record.begin());
    return DecodeHighScores(record);
  }

  TempDirectory directory{"coilrun-entry"};
  std::filesystem::path file = directory / "hscores.dat";
  GameModel model;
  FakeHost host;
  // The game's score entry over the real hscores.dat in a fresh directory.
  FileHighScores store{file, host};
  Seats seats;
  HighScoreOffers offers{model, seats, store, host};
  std::vector<std::string>& reports = host.failures;
};

TEST_F(HighScoreEntryTest, AScoreEntersAboveTheFirstRowItBeatsAndPushesRowTenOut) {
  Offer(1, 8500);
  const HighScoreTable defaults = DefaultHighScores();
  HighScoreTable expected;
  expected[0] = defaults[0];
  expected[1] = {"Player1", 8500};
  std::copy(defaults.begin() + 1, defaults.end() - 1, expected.begin() + 2);
  EXPECT_EQ(Stored(), expected);
  EXPECT_EQ(expected[9], (HighScoreEntry{"Player8", 1000}));
  EXPECT_TRUE(host.inputPrompts.empty());
  EXPECT_TRUE(host.failures.empty());
}

TEST_F(HighScoreEntryTest, AnEqualScoreGoesBelowAndNothingEntersWithoutBeatingRowTen) {
  Offer(1, 0);
  EXPECT_EQ(Stored(), DefaultHighScores());
  Offer(2, 5000);
  EXPECT_EQ(Stored()[4], (HighScoreEntry{"Player4", 5000}));
  EXPECT_EQ(Stored()[5], (HighScoreEntry{"Player2", 5000}));
  Offer(1, 5000);
  EXPECT_EQ(Stored()[6], (HighScoreEntry{"Player1", 5000}));
}

TEST_F(HighScoreEntryTest, TheNameBoxStoresFifteenCharactersAndCancelOrNothingEntersNoRow) {
  model.Settings.ReEnterName = true;
  host.inputAnswers = {"ABCDEFGHIJKLMNOPQRST"};
  Offer(1, 9500);
  EXPECT_EQ(host.inputPrompts, Texts{"High scores|Player1 reenter your name (max 15 characters)"});
  EXPECT_EQ(Stored()[0], (HighScoreEntry{"ABCDEFGHIJKLMNO", 9500}));
  EXPECT_EQ(model.Players[1].Name, "Player1");

  // A longer file counts by its first table and is written back as exactly
  // one, also when the name box gives no name.
  const HighScoreTable before = Stored();
  Bytes longer = TempDirectory::Read(file);
  longer.resize(300, 0xAB);
  for (const std::optional<std::string>& answer : {std::optional<std::string>(), std::optional<std::string>("")}) {
    directory.Write("hscores.dat", longer);
    host.inputAnswers = {answer};
    Offer(2, 9999);
    EXPECT_EQ(Stored(), before);
  }
  EXPECT_EQ(host.inputPrompts.size(), 3u);
}

TEST_F(HighScoreEntryTest, AShortFileIsKeptAsideAndTheScoreStillEntered) {
  const Bytes damaged(120, 0x11);
  directory.Write("hscores.dat", damaged);
  Offer(1, 8500);
  EXPECT_EQ(host.failures, Texts{"Read beyond end of file"});
  EXPECT_EQ(TempDirectory::Read(directory / "hscores.dat.damaged"), damaged);
  EXPECT_EQ(Stored()[1], (HighScoreEntry{"Player1", 8500}));
}

TEST_F(HighScoreEntryTest, ResetDeletesTheTableAndNamesTheFileWhenThereIsNone) {
  Offer(1, 8500);
  offers.ResetHighScores();
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(host.messages.empty());
  offers.ResetHighScores();
  EXPECT_EQ(host.messages, Texts{"Unable to find the file \"hscores.dat\"."});
  EXPECT_FALSE(std::filesystem::exists(file));
}

}  // namespace
}  // namespace coilrun::testing
