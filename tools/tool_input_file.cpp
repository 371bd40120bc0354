#include "tools/tool_input_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "tools/tool_error.h"

namespace coilrun {

ToolInputFile::ToolInputFile(const std::string& path) : path_(path), file_(std::fopen(path.c_str(), "rb")) {
  if (!file_) FailWithErrno();
  struct stat status {};
  if (fstat(fileno(file_.get()), &status) != 0) FailWithErrno();
  // A directory opens like a file and fails only on the first read; a pipe
  // or a device has no size to tell the formats apart by.
  if (S_ISDIR(status.st_mode)) Fail("is a directory, not a level file");
  if (!S_ISREG(status.st_mode)) Fail("is not a regular file");
  size_ = static_cast<std::uintmax_t>(status.st_size);
}

void ToolInputFile::Fail(const std::string& what) const { throw ToolError(path_ + ": " + what); }

void ToolInputFile::FailWithErrno() const { Fail(std::strerror(errno)); }

std::optional<std::uint8_t> ToolInputFile::Next() {
  const int byte = std::fgetc(file_.get());
  if (byte == EOF) {
    if (std::ferror(file_.get())) FailWithErrno();
    return std::nullopt;
  }
  ++position_;
  return static_cast<std::uint8_t>(byte);
}

void ToolInputFile::ReadExactly(std::span<std::uint8_t> bytes) {
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file_.get());
  position_ += read;
  if (read == bytes.size()) return;
  if (std::ferror(file_.get())) FailWithErrno();
  Fail("ends after " + std::to_string(position_) + " bytes, inside a level");
}

std::optional<std::uint8_t> ToolInputFile::LastByte() {
  if (size_ == 0) return std::nullopt;
  const long back = std::ftell(file_.get());
  if (back < 0 || std::fseek(file_.get(), -1, SEEK_END) != 0) FailWithErrno();
  const int byte = std::fgetc(file_.get());
  if (byte == EOF) Fail("cannot read its last byte");
  if (std::fseek(file_.get(), back, SEEK_SET) != 0) FailWithErrno();
  return static_cast<std::uint8_t>(byte);
}

void ToolInputFile::Rewind() {
  if (std::fseek(file_.get(), 0, SEEK_SET) != 0) FailWithErrno();
  position_ = 0;
}

std::string ToolInputFile::ReadAll() {
  std::string text;
  char buffer[4096];
  std::size_t read = 0;
  while ((read = std::fread(buffer, 1, sizeof buffer, file_.get())) > 0) text.append(buffer, read);
  if (std::ferror(file_.get())) FailWithErrno();
  position_ += text.size();
  return text;
}

}  // namespace coilrun
