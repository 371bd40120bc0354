// settings.dat: one 408-byte record of every option and a few run-time
// flags, in a fixed layout that other copies of the game read too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/color.h"
#include "formats/short_string.h"

namespace coilrun {

constexpr int kMaxPlayers = 4;
constexpr int kBrickColorCount = 6;
// A competition is won by 1 to 50 won levels.
constexpr int kMaxWinsTarget = 50;
constexpr int kMinSpeed = 1;
constexpr int kMaxSpeed = 10;
constexpr int kMinReportStep = 1;
constexpr int kMaxReportStep = 5;
constexpr int kMinReportInterval = 5;
constexpr int kMaxReportInterval = 100;

// Where the report panel puts the message lines of the information screens.
enum ReportModeValue : std::uint8_t { ReportLeft = 0, ReportCenter = 1, ReportMoving = 2 };

// Every option and a few run-time flags. The players' names and colours,
// stored in the same record, belong to the players (see StoredSettings).
struct GameSettings {
  bool SnakeFrame = true;
  bool BrickFrame = false;
  bool MixBricksColors = true;
  bool ShowMessages = true;
  bool Wrap = true;
  bool Long = false;
  bool Sounds = true;
  bool Music = false;
  bool NoSoundFiles = false;
  bool Paused = false;
  bool LevelsSkipped = false;
  bool BuiltInLevels = true;
  bool Competition = false;
  std::int32_t Speed = 5;
  std::string LevelFileName;
  bool ReEnterName = true;
  std::uint8_t WinsTarget = 5;
  std::uint8_t ExtendedMessageShown = 0;
  std::array<Color, kBrickColorCount> BrickColors{RgbColor(0x00, 0x80, 0x80), RgbColor(0xCC, 0x99, 0xD9),
                                                  RgbColor(0xEB, 0x7A, 0x86), RgbColor(0x99, 0xCC, 0xFF),
                                                  RgbColor(0xA6, 0xE2, 0x8F), RgbColor(0xE3, 0xE3, 0x8E)};
  std::uint8_t ReportMode = ReportLeft;
  std::uint8_t ReportStep = 2;
  std::int32_t ReportInterval = 30;
  Color BackColor = RgbColor(0x00, 0xFF, 0x00);
  Color ReportColor = RgbColor(0xFF, 0x00, 0x00);
  std::uint8_t PlayerCount = 1;

  friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

// Everything the record holds: the settings and the four players' names
// (Latin-1, at most 15 characters) and colours.
struct StoredSettings {
  GameSettings Settings;
  std::array<std::string, kMaxPlayers> PlayerNames{"Player1", "Player2", "Player3", "Player4"};
  std::array<Color, kMaxPlayers> PlayerColors{RgbColor(0xFF, 0xFF, 0xFF), RgbColor(0xFF, 0xFF, 0x00),
                                              RgbColor(0x00, 0xFF, 0xFF), RgbColor(0xFF, 0x00, 0xFF)};

  friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

constexpr std::size_t kSettingsRecordSize = 408;
using SettingsRecord = std::array<std::uint8_t, kSettingsRecordSize>;

SettingsRecord EncodeSettings(const StoredSettings& stored);
// Every field is brought into its range; values in range are kept as stored.
StoredSettings DecodeSettings(const SettingsRecord& record);

}  // namespace coilrun
