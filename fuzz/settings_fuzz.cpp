// Feeds arbitrary bytes to the settings.dat decoder the way the game reads
// the file: the first 408 bytes are the record (a shorter file never reaches
// the decoder). Every value must come out in its range and survive a save.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/model.h"
#include "shell/settings_file.h"

namespace {

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool Valid(const coilrun::GameSettings& settings) {
  const auto isColor = [](coilrun::Color color) { return color <= 0xFFFFFF; };
  const auto fitsName = [](const std::string& name) { return name.size() <= coilrun::kMaxNameLength; };
  return InRange(settings.Speed, 1, 10) && InRange(settings.PlayerCount, 1, coilrun::kMaxPlayers) &&
         InRange(settings.WinsTarget, 1, 50) && InRange(settings.ReportMode, 0, 2) &&
         InRange(settings.ReportStep, 1, 5) && InRange(settings.ReportInterval, 5, 100) &&
         settings.LevelFileName.size() <= coilrun::kMaxFileNameLength &&
         std::all_of(settings.PlayerNames.begin(), settings.PlayerNames.end(), fitsName) &&
         std::all_of(settings.PlayerColors.begin(), settings.PlayerColors.end(), isColor) &&
         std::all_of(settings.BrickColors.begin(), settings.BrickColors.end(), isColor) &&
         isColor(settings.BackColor) && isColor(settings.ReportColor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  coilrun::SettingsRecord record;
  if (size < record.size()) return 0;
  std::copy_n(data, record.size(), record.begin());
  const coilrun::GameSettings settings = coilrun::DecodeSettings(record);
  if (!Valid(settings)) std::abort();
  if (coilrun::DecodeSettings(coilrun::EncodeSettings(settings)) != settings) std::abort();
  return 0;
}
