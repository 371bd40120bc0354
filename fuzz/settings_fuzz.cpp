// Feeds arbitrary bytes to the settings.dat decoder the way the game reads
// the file: the first 408 bytes are the record (a shorter file never reaches
// the decoder). Every value must come out in its range and survive a save.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "formats/settings_record.h"

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool Valid(const coilrun::StoredSettings& stored) {
  const coilrun::GameSettings& settings = stored.Settings;
  const auto isColor = [](coilrun::Color color) { return color <= 0xFFFFFF; };
  const auto fitsName = [](const std::string& name) { return name.size() <= coilrun::kMaxNameLength; };
  return InRange(settings.Speed, coilrun::kMinSpeed, coilrun::kMaxSpeed) &&
         InRange(settings.PlayerCount, 1, coilrun::kMaxPlayers) &&
         InRange(settings.WinsTarget, 1, coilrun::kMaxWinsTarget) &&
         InRange(settings.ReportMode, coilrun::ReportLeft, coilrun::ReportMoving) &&
         InRange(settings.ReportStep, coilrun::kMinReportStep, coilrun::kMaxReportStep) &&
         InRange(settings.ReportInterval, coilrun::kMinReportInterval, coilrun::kMaxReportInterval) &&
         settings.LevelFileName.size() <= coilrun::kMaxFileNameLength &&
         std::all_of(stored.PlayerNames.begin(), stored.PlayerNames.end(), fitsName) &&
         std::all_of(stored.PlayerColors.begin(), stored.PlayerColors.end(), isColor) &&
         std::all_of(settings.BrickColors.begin(), settings.BrickColors.end(), isColor) &&
         isColor(settings.BackColor) && isColor(settings.ReportColor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  coilrun::SettingsRecord record;
  if (size < record.size()) return 0;
  std::copy_n(data, record.size(), record.begin());
  const coilrun::StoredSettings stored = coilrun::DecodeSettings(record);
  if (!Valid(stored)) std::abort();
  if (coilrun::DecodeSettings(coilrun::EncodeSettings(stored)) != stored) std::abort();
  return 0;
}
