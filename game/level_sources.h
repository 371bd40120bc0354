// Where the levels of a game come from: the built-in block in its working
// buffer, and the level file a game reads, held open for the whole game.
// Loading only fills LevelGrid; starting play on it is the course's.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/model.h"
#include "formats/file_error.h"
#include "formats/file_handle.h"

namespace coilrun {

// What reading the next level of the game's file gave: a level, the end of
// the file, or a failure.
struct LevelRead {
  bool loaded = false;
  FileResult failure;
};

class LevelSources {
 public:
  explicit LevelSources(GameModel& model);

  // The built-in levels: the program's own block, or the given one.
  void CopyBuiltInLevels();
  void CopyBuiltInLevels(std::span<const std::uint8_t> block);
  // The position from which the next decode yields built-in level 1..82.
  std::int32_t BuiltInLevelStart(int level) const;
  void DecodeBuiltInLevel();
  std::int32_t BuiltInPos() const { return builtInPos_; }
  void SetBuiltInPos(std::int32_t position) { builtInPos_ = position; }

  void ClearGrid();

  // Opens the named file for the game, as a grid or a stream file by its
  // size; LevelNumber becomes the first file level and LevelFileName the name.
  FileResult OpenLevelFile(const std::string& name);
  FileResult CloseLevelFile();
  bool LevelFileIsStream() const { return levelFileIsStream_; }
  bool LevelFileOpen() const;
  // Read the next level of the game's stream or grid file into LevelGrid;
  // LevelGrid is untouched when the file has no level left.
  LevelRead LoadStreamLevel();
  LevelRead LoadGridLevel();

 private:
  // Opens the level file for the game as the format its size gave.
  FileResult OpenLevelFileForGame(const std::string& name, bool isStream);

  GameModel& model_;
  // Allocated once, with the game, and never again.
  std::vector<std::uint8_t> builtInLevelData_;
  // Every read first advances it, so -1 reads the block from its first byte.
  std::int32_t builtInPos_ = -1;
  bool levelFileIsStream_ = false;
  FileHandle streamLevelFile_;
  FileHandle gridLevelFile_;
};

}  // namespace coilrun
