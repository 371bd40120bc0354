#include "formats/settings_record.h"

#include <algorithm>

#include "formats/byte_order.h"
#include "formats/short_string.h"

namespace coilrun {

namespace {

constexpr std::size_t kSpeedAt = 16;
constexpr std::size_t kLevelFileNameAt = 20;
constexpr std::size_t kReEnterNameAt = 276;
constexpr std::size_t kWinsTargetAt = 280;
constexpr std::size_t kExtendedMessageShownAt = 281;
constexpr std::size_t kBrickColorsAt = 284;
constexpr std::size_t kReportModeAt = 308;
constexpr std::size_t kReportStepAt = 309;
constexpr std::size_t kReportIntervalAt = 312;
constexpr std::size_t kPlayerColorsAt = 316;
constexpr std::size_t kPlayerNamesAt = 332;
constexpr std::size_t kBackColorAt = 396;
constexpr std::size_t kReportColorAt = 400;
constexpr std::size_t kPlayerCountAt = 404;

// The thirteen flags at offsets 0..12, in file order.
constexpr bool GameSettings::*kFlags[] = {
    &GameSettings::SnakeFrame,   &GameSettings::BrickFrame,    &GameSettings::MixBricksColors,
    &GameSettings::ShowMessages, &GameSettings::Wrap,          &GameSettings::Long,
    &GameSettings::Sounds,       &GameSettings::Music,         &GameSettings::NoSoundFiles,
    &GameSettings::Paused,       &GameSettings::LevelsSkipped, &GameSettings::BuiltInLevels,
    &GameSettings::Competition,
};

// The unused top byte of a stored colour is dropped.
Color GetColor(const SettingsRecord& record, std::size_t at) { return GetLittleEndian(record, at) & 0xFFFFFF; }

std::int32_t GetClampedInt32(const SettingsRecord& record, std::size_t at, std::int32_t low, std::int32_t high) {
  return std::clamp(static_cast<std::int32_t>(GetLittleEndian(record, at)), low, high);
}

std::uint8_t GetClampedByte(const SettingsRecord& record, std::size_t at, int low, int high) {
  return static_cast<std::uint8_t>(std::clamp<int>(record[at], low, high));
}

}  // namespace

SettingsRecord EncodeSettings(const StoredSettings& stored) {
  const GameSettings& settings = stored.Settings;
  SettingsRecord record{};
  for (std::size_t i = 0; i < std::size(kFlags); ++i) record[i] = settings.*kFlags[i] ? 1 : 0;
  PutLittleEndian(record, kSpeedAt, static_cast<std::uint32_t>(settings.Speed));
  PutShortString(record, kLevelFileNameAt, settings.LevelFileName, kMaxFileNameLength);
  record[kReEnterNameAt] = settings.ReEnterName ? 1 : 0;
  record[kWinsTargetAt] = settings.WinsTarget;
  record[kExtendedMessageShownAt] = settings.ExtendedMessageShown;
  for (int i = 0; i < kBrickColorCount; ++i) PutLittleEndian(record, kBrickColorsAt + 4 * i, settings.BrickColors[i]);
  record[kReportModeAt] = settings.ReportMode;
  record[kReportStepAt] = settings.ReportStep;
  PutLittleEndian(record, kReportIntervalAt, static_cast<std::uint32_t>(settings.ReportInterval));
  for (int i = 0; i < kMaxPlayers; ++i) {
    PutLittleEndian(record, kPlayerColorsAt + 4 * i, stored.PlayerColors[i]);
    PutShortString(record, kPlayerNamesAt + (kMaxNameLength + 1) * i, stored.PlayerNames[i], kMaxNameLength);
  }
  PutLittleEndian(record, kBackColorAt, settings.BackColor);
  PutLittleEndian(record, kReportColorAt, settings.ReportColor);
  record[kPlayerCountAt] = settings.PlayerCount;
  return record;
}

StoredSettings DecodeSettings(const SettingsRecord& record) {
  StoredSettings stored;
  GameSettings& settings = stored.Settings;
  for (std::size_t i = 0; i < std::size(kFlags); ++i) settings.*kFlags[i] = record[i] != 0;
  settings.Speed = GetClampedInt32(record, kSpeedAt, kMinSpeed, kMaxSpeed);
  settings.LevelFileName = GetShortString(record, kLevelFileNameAt, kMaxFileNameLength);
  settings.ReEnterName = record[kReEnterNameAt] != 0;
  settings.WinsTarget = GetClampedByte(record, kWinsTargetAt, 1, kMaxWinsTarget);
  settings.ExtendedMessageShown = GetClampedByte(record, kExtendedMessageShownAt, 0, 1);
  for (int i = 0; i < kBrickColorCount; ++i) settings.BrickColors[i] = GetColor(record, kBrickColorsAt + 4 * i);
  settings.ReportMode = GetClampedByte(record, kReportModeAt, ReportLeft, ReportMoving);
  settings.ReportStep = GetClampedByte(record, kReportStepAt, kMinReportStep, kMaxReportStep);
  settings.ReportInterval = GetClampedInt32(record, kReportIntervalAt, kMinReportInterval, kMaxReportInterval);
  for (int i = 0; i < kMaxPlayers; ++i) {
    stored.PlayerColors[i] = GetColor(record, kPlayerColorsAt + 4 * i);
    stored.PlayerNames[i] = GetShortString(record, kPlayerNamesAt + (kMaxNameLength + 1) * i, kMaxNameLength);
  }
  settings.BackColor = GetColor(record, kBackColorAt);
  settings.ReportColor = GetColor(record, kReportColorAt);
  settings.PlayerCount = GetClampedByte(record, kPlayerCountAt, 1, kMaxPlayers);
  return stored;
}

}  // namespace coilrun
