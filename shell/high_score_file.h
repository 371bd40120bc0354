// hscores.dat: the ten best scores as one 200-byte record, read and written
// afresh by every user.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "engine/high_scores.h"

namespace coilrun {

constexpr std::size_t kHighScoreRowSize = 20;
constexpr std::size_t kHighScoreRecordSize = kHighScoreRows * kHighScoreRowSize;
using HighScoreRecord = std::array<std::uint8_t, kHighScoreRecordSize>;

HighScoreRecord EncodeHighScores(const HighScoreTable& table);
// A name's length byte beyond 15 counts as 15; any score is taken as stored.
HighScoreTable DecodeHighScores(const HighScoreRecord& record);

// Player0 with 9000 down to Player9 with 0.
HighScoreTable DefaultHighScores();
// Returns the error text on failure.
std::optional<std::string> WriteDefaultHighScores(const std::filesystem::path& file);

// The table kept in a file. Failures reach the player through `report` as
// the runtime's short texts; a damaged file is kept aside as
// "hscores.dat.damaged" and the default table takes its place.
class FileHighScores : public HighScoreStore {
 public:
  using ErrorReport = std::function<void(const std::string& error)>;

  FileHighScores(std::filesystem::path file, ErrorReport report);

  // Start-up calls this before anything reads the table.
  void WriteDefaultsWhenMissing();

  HighScoreTable ReadHighScores() override;
  void WriteHighScores(const HighScoreTable& table) override;
  bool DeleteHighScores() override;

 private:
  void Report(const std::optional<std::string>& error) const;

  std::filesystem::path file_;
  ErrorReport report_;
};

}  // namespace coilrun
