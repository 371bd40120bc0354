#include "shell/settings_file.h"

#include <system_error>

#include "formats/record_file.h"

namespace coilrun {

FileResult WriteDefaultSettings(const std::filesystem::path& file) {
  return ReplaceFile(file, EncodeSettings(StoredSettings{}));
}

SettingsLoad LoadSettings(const std::filesystem::path& file) {
  SettingsLoad result;
  std::error_code existsError;
  if (!std::filesystem::exists(file, existsError)) {
    // The defaults are used even when they cannot be written (a read-only
    // directory): the player can still play, and the save at exit reports it.
    result.failure = WriteDefaultSettings(file);
    return result;
  }
  SettingsRecord record{};
  result.failure = ReadRecordFile(file, record);
  if (result.failure) {
    result.keptAside = KeepAside(file);
    return result;
  }
  result.stored = DecodeSettings(record);
  return result;
}

FileResult SaveSettings(const StoredSettings& stored, const std::filesystem::path& file) {
  return ReplaceFile(file, EncodeSettings(stored));
}

}  // namespace coilrun
