#include "shell/high_score_file.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "engine/model.h"
#include "shell/record_file.h"

namespace coilrun {

namespace {

constexpr std::size_t kScoreInRow = 1 + kMaxNameLength;
constexpr int kDefaultScoreStep = 1000;

bool Exists(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::exists(file, error);
}

}  // namespace

HighScoreRecord EncodeHighScores(const HighScoreTable& table) {
  HighScoreRecord record{};
  for (int row = 0; row < kHighScoreRows; ++row) {
    const std::size_t at = row * kHighScoreRowSize;
    const HighScoreEntry& entry = table[row];
    const std::size_t length = std::min<std::size_t>(entry.Name.size(), kMaxNameLength);
    record[at] = static_cast<std::uint8_t>(length);
    std::copy_n(entry.Name.begin(), length, record.begin() + at + 1);
    const auto score = static_cast<std::uint32_t>(entry.Score);
    for (int i = 0; i < 4; ++i) record[at + kScoreInRow + i] = static_cast<std::uint8_t>(score >> (8 * i));
  }
  return record;
}

HighScoreTable DecodeHighScores(const HighScoreRecord& record) {
  HighScoreTable table;
  for (int row = 0; row < kHighScoreRows; ++row) {
    const std::size_t at = row * kHighScoreRowSize;
    const std::size_t length = std::min<std::size_t>(record[at], kMaxNameLength);
    table[row].Name.assign(record.begin() + at + 1, record.begin() + at + 1 + length);
    std::uint32_t score = 0;
    for (int i = 0; i < 4; ++i) score |= static_cast<std::uint32_t>(record[at + kScoreInRow + i]) << (8 * i);
    table[row].Score = static_cast<std::int32_t>(score);
  }
  return table;
}

HighScoreTable DefaultHighScores() {
  HighScoreTable table;
  for (int row = 0; row < kHighScoreRows; ++row) {
    table[row].Name = "Player" + std::to_string(row);
    table[row].Score = (kHighScoreRows - 1 - row) * kDefaultScoreStep;
  }
  return table;
}

std::optional<std::string> WriteDefaultHighScores(const std::filesystem::path& file) {
  return ReplaceFile(file, EncodeHighScores(DefaultHighScores()));
}

FileHighScores::FileHighScores(std::filesystem::path file, ErrorReport report)
    : file_(std::move(file)), report_(std::move(report)) {}

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
  if (const std::optional<std::string> error = ReadRecordFile(file_, record)) {
    Report(error);
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

void FileHighScores::Report(const std::optional<std::string>& error) const {
  if (error) report_(*error);
}

}  // namespace coilrun
