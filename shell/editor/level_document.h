// The level file open in the editor: its levels, the level on the field,
// the file it came from and its format, and the undo stack that every
// change goes through. Views and tools read it and ask it for changes; it
// says what changed.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <filesystem>
#include <vector>

#include "formats/file_error.h"
#include "formats/level_design.h"
#include "shell/editor/level_book.h"

namespace coilrun {

struct CellChange {
  int x = 0;
  int y = 0;
  DesignCell before;
  DesignCell after;
};

class LevelDocument : public QObject {
  Q_OBJECT

 public:
  explicit LevelDocument(QObject* parent = nullptr);
  ~LevelDocument() override;

  // Takes another file's levels; the undo history goes. `unsaved`: the
  // levels differ from what the file holds (a copy of a built-in level, a
  // damaged file read as far as it goes).
  void Reset(LevelBook levels, LevelFileFormat format, const std::filesystem::path& file, bool unsaved);

  const LevelBook& levels() const { return levels_; }
  int levelCount() const { return static_cast<int>(levels_.size()); }
  // -1 when the file has no level.
  int currentIndex() const { return current_; }
  void SetCurrentIndex(int index);
  // The level on the field; an empty one when the file has none.
  const LevelDesign& current() const { return currentLevel_; }
  LevelFileFormat format() const { return format_; }
  const std::filesystem::path& file() const { return file_; }
  QUndoStack& undoStack() { return undoStack_; }
  bool modified() const { return unsaved_ || !undoStack_.isClean(); }

  // Writes every level through a temporary file and a rename; the file and
  // format become the document's. A grid file keeps normal bricks only.
  FileResult Save(const std::filesystem::path& file, LevelFileFormat format);

  // Changes, one undo step each. `alreadyApplied`: a drag has shown them
  // cell by cell as it went; the step only records them.
  void ChangeCells(int level, std::vector<CellChange> changes, const QString& text, bool alreadyApplied = false);
  // A change of one brick's parameters; consecutive ones to the same brick
  // make one step, so that typing a number is not undone digit by digit.
  void ChangeParameters(int level, CellChange change, const QString& text);
  // Every brick but the normal ones taken out of every level, as one step:
  // what a grid file keeps.
  void KeepNormalBricksOnly();
  void InsertLevel(int index, const LevelDesign& level, const QString& text);
  void RemoveLevel(int index);
  void MoveLevel(int from, int to);

  // The raw changes under the undo steps and the drags, not recorded.
  void ApplyCells(int level, const std::vector<CellChange>& changes, bool forward);
  struct RecordChange {
    int level;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
  };
  void ApplyRecords(const std::vector<RecordChange>& changes, bool forward);
  void ApplyInsert(int index, const LevelDesign& level);
  void ApplyRemove(int index);
  void ApplyMove(int from, int to);

 signals:
  // The number or order of the levels changed.
  void LevelsChanged();
  // Cells of the level on the field changed.
  void CurrentLevelEdited();
  // Another level is on the field (or the same one, after a reset).
  void CurrentIndexChanged(int index);
  void ModifiedChanged(bool modified);
  void FileChanged();

 private:
  void LoadCurrent();
  void NotifyModified();

  LevelBook levels_;
  LevelFileFormat format_ = LevelFileFormat::Stream;
  std::filesystem::path file_;
  bool unsaved_ = false;
  bool lastModified_ = false;
  int current_ = -1;
  LevelDesign currentLevel_;
  QUndoStack undoStack_;
};

}  // namespace coilrun
