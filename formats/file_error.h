// A file that could not be opened, read, written or understood, as the
// player or the user of a tool reads it: the runtime's short text ("File not
// found", "Read beyond end of file"), or a sentence that names the file and
// says what is wrong with it. Code that meets one returns it; only the
// window shows it (and a tool prints it).
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace coilrun {

class FileError {
 public:
  explicit FileError(std::string text) : text_(std::move(text)) {}

  // The runtime's short text for a failed open, read, write or close.
  static FileError FromErrno(int errnoValue);
  static FileError ReadBeyondEnd() { return FileError("Read beyond end of file"); }

  const std::string& text() const { return text_; }
  friend bool operator==(const FileError&, const FileError&) = default;

 private:
  std::string text_;
};

// What an operation that can fail gives back: nothing when it succeeded.
using FileResult = std::optional<FileError>;

}  // namespace coilrun
