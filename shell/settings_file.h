// settings.dat: one 408-byte record of every option, read once at start-up
// and written once at exit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "engine/model.h"

namespace coilrun {

constexpr std::size_t kSettingsRecordSize = 408;
using SettingsRecord = std::array<std::uint8_t, kSettingsRecordSize>;

SettingsRecord EncodeSettings(const GameSettings& settings);
// Every field is brought into its range; values in range are kept as stored.
GameSettings DecodeSettings(const SettingsRecord& record);

// What LoadSettings met on its way; the caller shows the message, if any.
struct SettingsLoadResult {
  std::optional<std::string> error;
  // Where an unreadable file was moved, so the next save cannot overwrite it.
  std::optional<std::filesystem::path> keptAside;
};

// Writes the default record. Returns the error text on failure.
std::optional<std::string> WriteDefaultSettings(const std::filesystem::path& file);
// Fills the settings, names and colours of the model from the file, writing
// the defaults first when it is missing. A damaged file is kept aside and the
// defaults are used.
SettingsLoadResult LoadSettings(GameModel& model, const std::filesystem::path& file);
// Gathers the settings from the model and writes them. Returns the error text
// on failure.
std::optional<std::string> SaveSettings(const GameModel& model, const std::filesystem::path& file);

}  // namespace coilrun
