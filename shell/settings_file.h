// settings.dat on disk: read once at start-up and written once at exit.
#pragma once

#include <filesystem>
#include <optional>

#include "formats/file_error.h"
#include "formats/settings_record.h"

namespace coilrun {

// What loading met on its way; the caller shows the failure, if any.
struct SettingsLoad {
  StoredSettings stored;
  FileResult failure;
  // Where an unreadable file was moved, so the next save cannot overwrite it.
  std::optional<std::filesystem::path> keptAside;
};

FileResult WriteDefaultSettings(const std::filesystem::path& file);
// The stored settings, writing the defaults first when the file is missing.
// A damaged file is kept aside and the defaults are used.
SettingsLoad LoadSettings(const std::filesystem::path& file);
FileResult SaveSettings(const StoredSettings& stored, const std::filesystem::path& file);

}  // namespace coilrun
