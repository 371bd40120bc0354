#include "shell/editor/level_document.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

#include "formats/record_file.h"

namespace coilrun {

namespace {

// Parameter changes of one brick merge into one step.
constexpr int kParameterChangeId = 1;

class CellsCommand : public QUndoCommand {
 public:
  CellsCommand(LevelDocument& document, int level, std::vector<CellChange> changes, const QString& text,
               bool alreadyApplied, int mergeId)
      : QUndoCommand(text),
        document_(document),
        level_(level),
        changes_(std::move(changes)),
        skipFirstRedo_(alreadyApplied),
        mergeId_(mergeId) {}

  void redo() override {
    if (std::exchange(skipFirstRedo_, false)) return;
    document_.ApplyCells(level_, changes_, true);
  }
  void undo() override { document_.ApplyCells(level_, changes_, false); }
  int id() const override { return mergeId_; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto& next = static_cast<const CellsCommand&>(*other);
    if (next.level_ != level_ || changes_.size() != 1 || next.changes_.size() != 1) return false;
    CellChange& mine = changes_.front();
    const CellChange& theirs = next.changes_.front();
    // The same parameter of the same brick: typing "35" is one step, not two.
    if (mine.x != theirs.x || mine.y != theirs.y || next.text() != text()) return false;
    mine.after = theirs.after;
    return true;
  }

 private:
  LevelDocument& document_;
  int level_;
  std::vector<CellChange> changes_;
  bool skipFirstRedo_;
  int mergeId_;
};

class InsertLevelCommand : public QUndoCommand {
 public:
  InsertLevelCommand(LevelDocument& document, int index, const LevelDesign& level, const QString& text)
      : QUndoCommand(text), document_(document), index_(index), level_(level) {}
  void redo() override { document_.ApplyInsert(index_, level_); }
  void undo() override { document_.ApplyRemove(index_); }

 private:
  LevelDocument& document_;
  int index_;
  LevelDesign level_;
};

class RemoveLevelCommand : public QUndoCommand {
 public:
  RemoveLevelCommand(LevelDocument& document, int index)
      : QUndoCommand(QStringLiteral("Delete level")),
        document_(document),
        index_(index),
        level_(document.levels().Level(static_cast<std::size_t>(index))) {}
  void redo() override { document_.ApplyRemove(index_); }
  void undo() override { document_.ApplyInsert(index_, level_); }

 private:
  LevelDocument& document_;
  int index_;
  LevelDesign level_;
};

class RecordsCommand : public QUndoCommand {
 public:
  RecordsCommand(LevelDocument& document, std::vector<LevelDocument::RecordChange> changes, const QString& text)
      : QUndoCommand(text), document_(document), changes_(std::move(changes)) {}
  void redo() override { document_.ApplyRecords(changes_, true); }
  void undo() override { document_.ApplyRecords(changes_, false); }

 private:
  LevelDocument& document_;
  std::vector<LevelDocument::RecordChange> changes_;
};

class MoveLevelCommand : public QUndoCommand {
 public:
  MoveLevelCommand(LevelDocument& document, int from, int to)
      : QUndoCommand(QStringLiteral("Move level")), document_(document), from_(from), to_(to) {}
  void redo() override { document_.ApplyMove(from_, to_); }
  void undo() override { document_.ApplyMove(to_, from_); }

 private:
  LevelDocument& document_;
  int from_;
  int to_;
};

}  // namespace

LevelDocument::LevelDocument(QObject* parent) : QObject(parent) {
  connect(&undoStack_, &QUndoStack::cleanChanged, this, [this] { NotifyModified(); });
}

// The stack clears itself as it goes and says so; nobody must hear that
// from a document, or a window, that is being taken apart.
LevelDocument::~LevelDocument() { undoStack_.blockSignals(true); }

void LevelDocument::Reset(LevelBook levels, LevelFileFormat format, const std::filesystem::path& file, bool unsaved) {
  undoStack_.clear();
  levels_ = std::move(levels);
  format_ = format;
  file_ = file;
  unsaved_ = unsaved;
  current_ = levels_.empty() ? -1 : 0;
  LoadCurrent();
  emit FileChanged();
  emit LevelsChanged();
  emit CurrentIndexChanged(current_);
  NotifyModified();
}

void LevelDocument::SetCurrentIndex(int index) {
  index = levels_.empty() ? -1 : std::clamp(index, 0, levelCount() - 1);
  if (index == current_) return;
  current_ = index;
  LoadCurrent();
  emit CurrentIndexChanged(current_);
}

FileResult LevelDocument::Save(const std::filesystem::path& file, LevelFileFormat format) {
  if (FileResult failure = ReplaceFile(file, levels_.Encode(format))) return failure;
  file_ = file;
  format_ = format;
  unsaved_ = false;
  undoStack_.setClean();
  emit FileChanged();
  NotifyModified();
  return std::nullopt;
}

void LevelDocument::ChangeCells(int level, std::vector<CellChange> changes, const QString& text, bool alreadyApplied) {
  std::erase_if(changes, [](const CellChange& change) { return change.before == change.after; });
  if (changes.empty()) return;
  undoStack_.push(new CellsCommand(*this, level, std::move(changes), text, alreadyApplied, -1));
}

void LevelDocument::ChangeParameters(int level, CellChange change, const QString& text) {
  if (change.before == change.after) return;
  undoStack_.push(new CellsCommand(*this, level, {change}, text, false, kParameterChangeId));
}

// Kept as records, not as levels: ten thousand decoded levels would take
// gigabytes.
void LevelDocument::KeepNormalBricksOnly() {
  std::vector<RecordChange> changes;
  for (std::size_t index = 0; index < levels_.size(); ++index) {
    if (levels_.CensusOf(index).special == 0) continue;
    changes.push_back(
        {static_cast<int>(index), levels_.Record(index), StreamRecordOf(NormalBricksOnly(levels_.Level(index)))});
  }
  if (changes.empty()) return;
  undoStack_.push(new RecordsCommand(*this, std::move(changes), QStringLiteral("Keep normal bricks only")));
}

void LevelDocument::InsertLevel(int index, const LevelDesign& level, const QString& text) {
  undoStack_.push(new InsertLevelCommand(*this, std::clamp(index, 0, levelCount()), level, text));
}

void LevelDocument::RemoveLevel(int index) {
  if (index < 0 || index >= levelCount()) return;
  undoStack_.push(new RemoveLevelCommand(*this, index));
}

void LevelDocument::MoveLevel(int from, int to) {
  if (from < 0 || from >= levelCount() || to < 0 || to >= levelCount() || from == to) return;
  undoStack_.push(new MoveLevelCommand(*this, from, to));
}

// An undo that reaches back into another level shows that level first.
void LevelDocument::ApplyCells(int level, const std::vector<CellChange>& changes, bool forward) {
  if (level < 0 || level >= levelCount()) return;
  SetCurrentIndex(level);
  for (const CellChange& change : changes)
    currentLevel_.at(change.x, change.y) = forward ? change.after : change.before;
  levels_.SetLevel(static_cast<std::size_t>(current_), currentLevel_);
  emit CurrentLevelEdited();
}

void LevelDocument::ApplyRecords(const std::vector<RecordChange>& changes, bool forward) {
  for (const RecordChange& change : changes) {
    levels_.SetRecord(static_cast<std::size_t>(change.level), forward ? change.after : change.before);
  }
  LoadCurrent();
  emit LevelsChanged();
  emit CurrentLevelEdited();
}

void LevelDocument::ApplyInsert(int index, const LevelDesign& level) {
  levels_.Insert(static_cast<std::size_t>(index), level);
  current_ = index;
  LoadCurrent();
  emit LevelsChanged();
  emit CurrentIndexChanged(current_);
}

void LevelDocument::ApplyRemove(int index) {
  levels_.Remove(static_cast<std::size_t>(index));
  current_ = levels_.empty() ? -1 : std::min(index, levelCount() - 1);
  LoadCurrent();
  emit LevelsChanged();
  emit CurrentIndexChanged(current_);
}

void LevelDocument::ApplyMove(int from, int to) {
  levels_.Move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
  current_ = to;
  LoadCurrent();
  emit LevelsChanged();
  emit CurrentIndexChanged(current_);
}

void LevelDocument::LoadCurrent() {
  currentLevel_ = current_ >= 0 ? levels_.Level(static_cast<std::size_t>(current_)) : LevelDesign{};
}

void LevelDocument::NotifyModified() {
  if (modified() == lastModified_) return;
  lastModified_ = modified();
  emit ModifiedChanged(lastModified_);
}

}  // namespace coilrun
