#include "shell/high_score_file.h"

#include <system_error>
#include <utility>

#include "formats/record_file.h"

namespace coilrun {

namespace {

bool Exists(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

}  // namespace

FileResult WriteDefaultHighScores(const std::filesystem::path& file) {
  return ReplaceFile(file, EncodeHighScores(DefaultHighScores()));
}

FileHighScores::FileHighScores(std::filesystem::path file, Prompts& prompts)
    : file_(std::move(file)), prompts_(prompts) {}

void FileHighScores::WriteDefaultsWhenMissing() {
  if (!Exists(file_)) Report(WriteDefaultHighScores(file_));
}

// The player sees the damage once; the table then goes on from the default
// one, so the score being entered and every later one are kept.
HighScoreTable FileHighScores::ReadHighScores() {
  if (!Exists(file_)) {
    Report(WriteDefaultHighScores(file_));
    return DefaultHighScores();
  }
  HighScoreRecord record{};
  if (const FileResult failure = ReadRecordFile(file_, record)) {
    Report(failure);
    if (KeepAside(file_)) Report(WriteDefaultHighScores(file_));
    return DefaultHighScores();
  }
  return DecodeHighScores(record);
}

void FileHighScores::WriteHighScores(const HighScoreTable& table) {
  Report(ReplaceFile(file_, EncodeHighScores(table)));
}

bool FileHighScores::DeleteHighScores() {
  std::error_code error;
  return std::filesystem::remove(file_, error);
}

void FileHighScores::Report(const FileResult& failure) const {
  if (failure) prompts_.ShowFailure(*failure);
}

}  // namespace coilrun
