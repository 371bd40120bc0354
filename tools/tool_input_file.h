// A file the level tool reads. Only a regular file is taken, and it is read
// through the C library's buffer, so that how much memory the tool needs
// never depends on how large the file is. Every failure is a ToolError that
// names the file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "formats/file_handle.h"
#include "formats/level_stream.h"

namespace coilrun {

class ToolInputFile : public ByteSource {
 public:
  explicit ToolInputFile(const std::string& path);

  const std::string& path() const { return path_; }
  std::uintmax_t size() const { return size_; }
  bool AtEnd() const { return position_ >= size_; }

  std::optional<std::uint8_t> Next() override;
  // Fills `bytes` whole, or throws when the file ends first.
  void ReadExactly(std::span<std::uint8_t> bytes);
  // The last byte of the file, leaving the position where it was.
  std::optional<std::uint8_t> LastByte();
  void Rewind();
  // The whole file; for texts, which the tool holds while it compiles them.
  std::string ReadAll();

 private:
  [[noreturn]] void Fail(const std::string& what) const;
  [[noreturn]] void FailWithErrno() const;

  std::string path_;
  FileHandle file_;
  std::uintmax_t size_ = 0;
  std::uintmax_t position_ = 0;
};

}  // namespace coilrun
