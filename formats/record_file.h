// Files that hold one fixed-size record: read whole, replaced whole, and set
// aside rather than lost when they are damaged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "formats/file_error.h"

namespace coilrun {

// Fills `record` from the start of the file; bytes beyond it are ignored.
// Fails when the file cannot be opened, is shorter than the record or cannot
// be read.
FileResult ReadRecordFile(const std::filesystem::path& file, std::span<std::uint8_t> record);

// Writes the bytes to a new file in the same directory and only then puts it
// in the old file's place, so a failed or interrupted write leaves the old
// file as it was.
FileResult ReplaceFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// Moves a damaged file to the first free "NAME.damaged", "NAME.damaged1", ...
// so that nothing written later overwrites it. Returns where it went.
std::optional<std::filesystem::path> KeepAside(const std::filesystem::path& file);

}  // namespace coilrun
