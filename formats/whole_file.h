// A file read whole into memory, up to a size beyond which it is refused.
#pragma once

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <variant>
#include <vector>

#include "formats/file_error.h"
#include "formats/file_handle.h"

namespace coilrun {

inline std::variant<std::vector<std::uint8_t>, FileError> ReadWholeFile(const std::filesystem::path& path,
                                                                        std::size_t limit) {
  FileHandle file = OpenFile(path, "rb");
  if (!file) return FileError::FromErrno(errno);
  std::vector<std::uint8_t> bytes;
  std::uint8_t block[65536];
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, file.get())) > 0) {
    if (bytes.size() + got > limit) return FileError("The file is larger than " + std::to_string(limit) + " bytes.");
    bytes.insert(bytes.end(), block, block + got);
  }
  if (std::ferror(file.get())) return FileError::FromErrno(errno);
  if (FileResult closed = CloseFile(file)) return *closed;
  return bytes;
}

}  // namespace coilrun
