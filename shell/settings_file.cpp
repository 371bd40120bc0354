#include "shell/settings_file.h"

#include <algorithm>
#include <string_view>
#include <system_error>

#include "shell/record_file.h"

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

void PutInt32(SettingsRecord& record, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) record[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetUint32(const SettingsRecord& record, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[at + i]) << (8 * i);
  return value;
}

// A short string: a length byte, then `capacity` character bytes.
void PutString(SettingsRecord& record, std::size_t at, std::string_view text, std::size_t capacity) {
  const std::size_t length = std::min(text.size(), capacity);
  record[at] = static_cast<std::uint8_t>(length);
  std::copy_n(text.begin(), length, record.begin() + at + 1);
}

std::string GetString(const SettingsRecord& record, std::size_t at, std::size_t capacity) {
  const std::size_t length = std::min<std::size_t>(record[at], capacity);
  return std::string(record.begin() + at + 1, record.begin() + at + 1 + length);
}

Color GetColor(const SettingsRecord& record, std::size_t at) { return GetUint32(record, at) & 0xFFFFFF; }

std::int32_t GetClampedInt32(const SettingsRecord& record, std::size_t at, std::int32_t low, std::int32_t high) {
  return std::clamp(static_cast<std::int32_t>(GetUint32(record, at)), low, high);
}

std::uint8_t GetClampedByte(const SettingsRecord& record, std::size_t at, int low, int high) {
  return static_cast<std::uint8_t>(std::clamp<int>(record[at], low, high));
}

void ApplySettings(GameModel& model, const GameSettings& settings) {
  model.Settings = settings;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    model.Players[player].Color = settings.PlayerColors[player - 1];
    model.Players[player].Name = settings.PlayerNames[player - 1];
  }
  model.Settings.Paused = false;
}

}  // namespace

SettingsRecord EncodeSettings(const GameSettings& settings) {
  SettingsRecord record{};
  for (std::size_t i = 0; i < std::size(kFlags); ++i) record[i] = settings.*kFlags[i] ? 1 : 0;
  PutInt32(record, kSpeedAt, static_cast<std::uint32_t>(settings.Speed));
  PutString(record, kLevelFileNameAt, settings.LevelFileName, kMaxFileNameLength);
  record[kReEnterNameAt] = settings.ReEnterName ? 1 : 0;
  record[kWinsTargetAt] = settings.WinsTarget;
  record[kExtendedMessageShownAt] = settings.ExtendedMessageShown;
  for (int i = 0; i < kBrickColorCount; ++i) PutInt32(record, kBrickColorsAt + 4 * i, settings.BrickColors[i]);
  record[kReportModeAt] = settings.ReportMode;
  record[kReportStepAt] = settings.ReportStep;
  PutInt32(record, kReportIntervalAt, static_cast<std::uint32_t>(settings.ReportInterval));
  for (int i = 0; i < kMaxPlayers; ++i) {
    PutInt32(record, kPlayerColorsAt + 4 * i, settings.PlayerColors[i]);
    PutString(record, kPlayerNamesAt + (kMaxNameLength + 1) * i, settings.PlayerNames[i], kMaxNameLength);
  }
  PutInt32(record, kBackColorAt, settings.BackColor);
  PutInt32(record, kReportColorAt, settings.ReportColor);
  record[kPlayerCountAt] = settings.PlayerCount;
  return record;
}

GameSettings DecodeSettings(const SettingsRecord& record) {
  GameSettings settings;
  for (std::size_t i = 0; i < std::size(kFlags); ++i) settings.*kFlags[i] = record[i] != 0;
  settings.Speed = GetClampedInt32(record, kSpeedAt, 1, 10);
  settings.LevelFileName = GetString(record, kLevelFileNameAt, kMaxFileNameLength);
  settings.ReEnterName = record[kReEnterNameAt] != 0;
  settings.WinsTarget = GetClampedByte(record, kWinsTargetAt, 1, kMaxWinsTarget);
  settings.ExtendedMessageShown = GetClampedByte(record, kExtendedMessageShownAt, 0, 1);
  for (int i = 0; i < kBrickColorCount; ++i) settings.BrickColors[i] = GetColor(record, kBrickColorsAt + 4 * i);
  settings.ReportMode = GetClampedByte(record, kReportModeAt, 0, 2);
  settings.ReportStep = GetClampedByte(record, kReportStepAt, 1, 5);
  settings.ReportInterval = GetClampedInt32(record, kReportIntervalAt, 5, 100);
  for (int i = 0; i < kMaxPlayers; ++i) {
    settings.PlayerColors[i] = GetColor(record, kPlayerColorsAt + 4 * i);
    settings.PlayerNames[i] = GetString(record, kPlayerNamesAt + (kMaxNameLength + 1) * i, kMaxNameLength);
  }
  settings.BackColor = GetColor(record, kBackColorAt);
  settings.ReportColor = GetColor(record, kReportColorAt);
  settings.PlayerCount = GetClampedByte(record, kPlayerCountAt, 1, kMaxPlayers);
  return settings;
}

std::optional<std::string> WriteDefaultSettings(const std::filesystem::path& file) {
  return ReplaceFile(file, EncodeSettings(GameSettings{}));
}

SettingsLoadResult LoadSettings(GameModel& model, const std::filesystem::path& file) {
  SettingsLoadResult result;
  std::error_code existsError;
  if (!std::filesystem::exists(file, existsError)) {
    // The defaults are used even when they cannot be written (a read-only
    // directory): the player can still play, and the save at exit reports it.
    result.error = WriteDefaultSettings(file);
    ApplySettings(model, GameSettings{});
    return result;
  }

  SettingsRecord record{};
  result.error = ReadRecordFile(file, record);
  if (result.error) {
    result.keptAside = KeepAside(file);
    ApplySettings(model, GameSettings{});
    return result;
  }
  ApplySettings(model, DecodeSettings(record));
  return result;
}

std::optional<std::string> SaveSettings(const GameModel& model, const std::filesystem::path& file) {
  GameSettings settings = model.Settings;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    settings.PlayerColors[player - 1] = model.Players[player].Color;
    settings.PlayerNames[player - 1] = model.Players[player].Name;
  }
  return ReplaceFile(file, EncodeSettings(settings));
}

}  // namespace coilrun
