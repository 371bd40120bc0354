// hscores.dat on disk: the table kept in a file, read and written afresh by
// every user.
#pragma once

#include <filesystem>

#include "formats/file_error.h"
#include "formats/high_score_table.h"
#include "game/high_score_store.h"
#include "game/prompts.h"

namespace coilrun {

FileResult WriteDefaultHighScores(const std::filesystem::path& file);

// Failures reach the player through the prompts' failure box; a damaged
// file is kept aside as "hscores.dat.damaged" and the default table takes
// its place.
class FileHighScores : public HighScoreStore {
 public:
  FileHighScores(std::filesystem::path file, Prompts& prompts);

  // Start-up calls this before anything reads the table.
  void WriteDefaultsWhenMissing();

  HighScoreTable ReadHighScores() override;
  void WriteHighScores(const HighScoreTable& table) override;
  bool DeleteHighScores() override;

 private:
  void Report(const FileResult& failure) const;

  std::filesystem::path file_;
  Prompts& prompts_;
};

}  // namespace coilrun
