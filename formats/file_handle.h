// An open C file that closes itself. Closing is where a buffered write can
// fail last, so code that wrote through one closes it with CloseFile and
// looks at the result.
#pragma once

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "formats/file_error.h"

namespace coilrun {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

inline FileHandle OpenFile(const std::filesystem::path& path, const char* mode) {
  return FileHandle(std::fopen(path.c_str(), mode));
}

inline FileResult CloseFile(FileHandle& file) {
  if (file && std::fclose(file.release()) != 0) return FileError::FromErrno(errno);
  return std::nullopt;
}

}  // namespace coilrun
