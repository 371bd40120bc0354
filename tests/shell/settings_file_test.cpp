#include "shell/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "engine/model.h"
#include "game/stored_settings.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_directory.h"

namespace coilrun {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SettingsFileTest : public ::testing::Test {
 protected:
  testing::TempDirectory directory{"coilrun-settings"};
  fs::path file = directory / "settings.dat";
};

TEST_F(SettingsFileTest, MissingFileIsCreatedWithTheDefaultBytes) {
  const SettingsLoad result = LoadSettings(file);
  EXPECT_FALSE(result.failure);
  const std::vector<std::uint8_t> bytes = ReadAll(file);
  ASSERT_EQ(bytes.size(), 408u);
  EXPECT_EQ(bytes[0], 1);   // SnakeFrame
  EXPECT_EQ(bytes[1], 0);   // BrickFrame
  EXPECT_EQ(bytes[4], 1);   // Wrap
  EXPECT_EQ(bytes[11], 1);  // BuiltInLevels
  EXPECT_EQ(bytes[16], 5);
  EXPECT_EQ(bytes[17], 0);
  EXPECT_EQ(bytes[276], 1);  // ReEnterName
  EXPECT_EQ(bytes[280], 5);  // WinsTarget
  EXPECT_EQ(bytes[312], 30);
  EXPECT_EQ(bytes[332], 7);
  EXPECT_EQ(std::string(bytes.begin() + 333, bytes.begin() + 340), "Player1");
  EXPECT_EQ(bytes[348], 7);
  EXPECT_EQ(std::string(bytes.begin() + 349, bytes.begin() + 356), "Player2");
  // Teal brick colour, red in the low byte.
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 284, bytes.begin() + 288)),
            (std::vector<std::uint8_t>{0x00, 0x80, 0x80, 0x00}));
  // Yellow player 2, lime back, red report.
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 320, bytes.begin() + 324)),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 0x00, 0x00}));
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 396, bytes.begin() + 404)),
            (std::vector<std::uint8_t>{0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00}));
  EXPECT_EQ(bytes[404], 1);
  for (int unused : {13, 14, 15, 277, 278, 279, 282, 283, 310, 311, 405, 406, 407}) EXPECT_EQ(bytes[unused], 0);
  EXPECT_EQ(result.stored.PlayerNames[2], "Player3");
  EXPECT_EQ(result.stored.PlayerColors[2], RgbColor(0x00, 0xFF, 0xFF));
}

TEST_F(SettingsFileTest, EveryFieldRoundTrips) {
  StoredSettings stored;
  GameSettings& settings = stored.Settings;
  settings.SnakeFrame = false;
  settings.BrickFrame = true;
  settings.MixBricksColors = false;
  settings.ShowMessages = false;
  settings.Wrap = false;
  settings.Long = true;
  settings.Sounds = false;
  settings.Music = true;
  settings.NoSoundFiles = true;
  settings.LevelsSkipped = true;
  settings.BuiltInLevels = false;
  settings.Competition = true;
  settings.Speed = 10;
  settings.LevelFileName = std::string(255, 'x');
  settings.ReEnterName = false;
  settings.WinsTarget = 50;
  settings.ExtendedMessageShown = 1;
  settings.BrickColors = {1, 2, 3, 4, 5, 0xFFFFFF};
  settings.ReportMode = 2;
  settings.ReportStep = 5;
  settings.ReportInterval = 100;
  stored.PlayerColors = {7, 8, 9, 10};
  stored.PlayerNames = {"", "\xC4sa", std::string(15, 'n'), "z"};
  settings.BackColor = 0x123456;
  settings.ReportColor = 0x654321;
  settings.PlayerCount = 4;
  EXPECT_EQ(DecodeSettings(EncodeSettings(stored)), stored);
}

TEST_F(SettingsFileTest, SaveWritesNamesAndColoursFromThePlayersAndPausedAsItIs) {
  GameModel model;
  ApplyStoredSettings(model, LoadSettings(file).stored);
  model.Players[2].Name = "Ann";
  model.Players[4].Color = RgbColor(1, 2, 3);
  model.Settings.Paused = true;
  model.Settings.Speed = 9;
  ASSERT_FALSE(SaveSettings(StoredSettingsOf(model), file));
  const std::vector<std::uint8_t> bytes = ReadAll(file);
  EXPECT_EQ(bytes[9], 1);
  EXPECT_EQ(bytes[16], 9);
  EXPECT_EQ(bytes[348], 3);
  EXPECT_EQ(std::string(bytes.begin() + 349, bytes.begin() + 352), "Ann");
  EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 328, bytes.begin() + 332)),
            (std::vector<std::uint8_t>{1, 2, 3, 0}));

  GameModel reloaded;
  const SettingsLoad loaded = LoadSettings(file);
  ASSERT_FALSE(loaded.failure);
  ApplyStoredSettings(reloaded, loaded.stored);
  EXPECT_FALSE(reloaded.Settings.Paused);  // a stored pause never survives a restart
  EXPECT_EQ(reloaded.Players[2].Name, "Ann");
  EXPECT_EQ(reloaded.Settings.Speed, 9);
}

TEST_F(SettingsFileTest, LongerFileCountsOnlyItsFirst408Bytes) {
  std::vector<std::uint8_t> bytes(500, 0xEE);
  const SettingsRecord record = EncodeSettings(StoredSettings{});
  std::copy(record.begin(), record.end(), bytes.begin());
  bytes[16] = 7;
  WriteAll(file, bytes);
  const SettingsLoad loaded = LoadSettings(file);
  EXPECT_FALSE(loaded.failure);
  EXPECT_EQ(loaded.stored.Settings.Speed, 7);
  EXPECT_EQ(ReadAll(file).size(), 500u);
}

TEST_F(SettingsFileTest, ShortFileIsReportedKeptAsideAndReplacedByDefaults) {
  const std::vector<std::uint8_t> damaged(300, 0x01);
  WriteAll(file, damaged);
  const SettingsLoad result = LoadSettings(file);
  ASSERT_TRUE(result.failure);
  EXPECT_EQ(result.failure->text(), "Read beyond end of file");
  ASSERT_TRUE(result.keptAside);
  EXPECT_EQ(ReadAll(*result.keptAside), damaged);
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(result.stored, StoredSettings{});

  // A second damaged file does not overwrite the first one kept aside.
  WriteAll(file, std::vector<std::uint8_t>(10, 0x02));
  const SettingsLoad second = LoadSettings(file);
  ASSERT_TRUE(second.keptAside);
  EXPECT_NE(*second.keptAside, *result.keptAside);
  EXPECT_EQ(ReadAll(*result.keptAside), damaged);
}

TEST_F(SettingsFileTest, OutOfRangeValuesAreClampedAndInRangeValuesKept) {
  SettingsRecord record = EncodeSettings(StoredSettings{});
  record[404] = 0;     // PlayerCount
  record[16] = 99;     // Speed
  record[308] = 7;     // ReportMode
  record[309] = 0;     // ReportStep
  record[312] = 200;   // ReportInterval
  record[280] = 0;     // WinsTarget
  record[281] = 3;     // ExtendedMessageShown
  record[4] = 2;       // Wrap
  record[20] = 255;    // LevelFileName length at capacity
  record[332] = 200;   // first name longer than its capacity
  record[399] = 0x7F;  // BackColor's unused top byte
  GameSettings settings = DecodeSettings(record).Settings;
  EXPECT_EQ(settings.PlayerCount, 1);
  EXPECT_EQ(settings.Speed, 10);
  EXPECT_EQ(settings.ReportMode, 2);
  EXPECT_EQ(settings.ReportStep, 1);
  EXPECT_EQ(settings.ReportInterval, 100);
  EXPECT_EQ(settings.WinsTarget, 1);
  EXPECT_EQ(settings.ExtendedMessageShown, 1);
  EXPECT_TRUE(settings.Wrap);
  EXPECT_EQ(settings.LevelFileName.size(), 255u);
  EXPECT_EQ(DecodeSettings(record).PlayerNames[0].size(), 15u);
  EXPECT_EQ(settings.BackColor, RgbColor(0x00, 0xFF, 0x00));

  record[404] = 200;
  record[16] = 0;
  record[19] = 0x80;  // a negative speed
  record[312] = 1;
  record[280] = 51;
  settings = DecodeSettings(record).Settings;
  EXPECT_EQ(settings.PlayerCount, 4);
  EXPECT_EQ(settings.Speed, 1);
  EXPECT_EQ(settings.ReportInterval, 5);
  EXPECT_EQ(settings.WinsTarget, 50);

  record[404] = 3;
  record[16] = 4;
  record[19] = 0;
  record[312] = 77;
  record[280] = 17;
  settings = DecodeSettings(record).Settings;
  EXPECT_EQ(settings.PlayerCount, 3);
  EXPECT_EQ(settings.Speed, 4);
  EXPECT_EQ(settings.ReportInterval, 77);
  EXPECT_EQ(settings.WinsTarget, 17);
}

TEST_F(SettingsFileTest, FailedSaveIsReported) {
  // A directory where the file should be cannot be written, whoever runs this.
  fs::create_directories(file);
  const FileResult failure = SaveSettings(StoredSettings{}, file);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->text(), "File access denied");
}

TEST_F(SettingsFileTest, InterruptedSaveIsReportedAndLeavesTheOldFile) {
  StoredSettings stored = LoadSettings(file).stored;
  const std::vector<std::uint8_t> before = ReadAll(file);
  stored.Settings.Speed = 9;
  {
    const testing::FileSizeLimit limit(100);
    EXPECT_TRUE(SaveSettings(stored, file));
  }
  EXPECT_EQ(ReadAll(file), before);
  EXPECT_EQ(std::distance(fs::directory_iterator(directory.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace coilrun
