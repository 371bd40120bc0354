// Where the levels of a game come from: the built-in block in its working
// buffer, and the level file a game reads, held open for the whole game.
// Loading only fills LevelGrid; starting play on it is the game's. A failed
// open, read or close throws InOutError with the runtime's text.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/model.h"

namespace coilrun {

class LevelSources {
 public:
  explicit LevelSources(GameModel& model);

  // The built-in levels: the program's own block, or the given one.
  void CopyBuiltInLevels();
  void CopyBuiltInLevels(std::span<const std::uint8_t> block);
  // The position from which the next decode yields built-in level 1..82.
  std::int32_t BuiltInLevelStart(int level) const;
  void DecodeBuiltInLevel();
  std::int32_t builtInPos() const { return BuiltInPos; }
  void setBuiltInPos(std::int32_t position) { BuiltInPos = position; }

  void ClearGrid();

  // Opens the named file for the game, as a grid or a stream file by its
  // size; LevelNumber becomes the first file level and LevelFileName the name.
  void OpenLevelFile(const std::string& name);
  void CloseLevelFile();
  bool levelFileIsStream() const { return LevelFileIsStream; }
  bool LevelFileOpen() const;
  // Read the next level of the game's stream or grid file into LevelGrid;
  // false, with LevelGrid untouched, when the file has no level left.
  bool LoadStreamLevel();
  bool LoadGridLevel();

 private:
  struct LevelFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  using LevelFile = std::unique_ptr<std::FILE, LevelFileCloser>;

  // Opens the level file for the game as the format its size gave.
  void OpenLevelFileForGame(const std::string& name, bool isStream);

  GameModel& model_;
  // Allocated once, with the game, and never again.
  std::vector<std::uint8_t> BuiltInLevelData;
  // Every read first advances it, so -1 reads the block from its first byte.
  std::int32_t BuiltInPos = -1;
  bool LevelFileIsStream = false;
  LevelFile StreamLevelFile;
  LevelFile GridLevelFile;
};

}  // namespace coilrun
