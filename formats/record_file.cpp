#include "formats/record_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

#include "formats/file_handle.h"

namespace coilrun {

namespace {

constexpr int kMaxNameAttempts = 100;

// A new file of our own beside `file`. O_EXCL keeps two programs that save
// at the same moment from writing into one temporary file.
int CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& temporary) {
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    temporary = file;
    temporary += '.';
    temporary += std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".new";
    const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor >= 0 || errno != EEXIST) return descriptor;
  }
  errno = EEXIST;
  return -1;
}

// Returns 0 or the errno value of the first failure.
int WriteAll(int descriptor, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  // On disk before it takes the old file's place, so a power cut cannot
  // leave an empty file where the old one was.
  return ::fsync(descriptor) == 0 ? 0 : errno;
}

}  // namespace

FileResult ReadRecordFile(const std::filesystem::path& file, std::span<std::uint8_t> record) {
  FileHandle input = OpenFile(file, "rb");
  if (input == nullptr) return FileError::FromErrno(errno);
  if (std::fread(record.data(), 1, record.size(), input.get()) != record.size())
    return std::ferror(input.get()) ? FileError::FromErrno(errno) : FileError::ReadBeyondEnd();
  return CloseFile(input);
}

FileResult ReplaceFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  std::filesystem::path temporary;
  const int descriptor = CreateTemporaryBeside(file, temporary);
  if (descriptor < 0) return FileError::FromErrno(errno);
  int failure = WriteAll(descriptor, bytes);
  if (::close(descriptor) != 0 && failure == 0) failure = errno;
  if (failure == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) failure = errno;
  if (failure == 0) return std::nullopt;
  ::unlink(temporary.c_str());
  return FileError::FromErrno(failure);
}

std::optional<std::filesystem::path> KeepAside(const std::filesystem::path& file) {
  for (int attempt = 0; attempt < kMaxNameAttempts; ++attempt) {
    std::filesystem::path aside = file;
    aside += attempt == 0 ? ".damaged" : ".damaged" + std::to_string(attempt);
    std::error_code error;
    if (std::filesystem::exists(aside, error) || error) continue;
    std::filesystem::rename(file, aside, error);
    if (!error) return aside;
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace coilrun
