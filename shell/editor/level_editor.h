// The level editor's window: the levels of one file in a list, the field
// with its drawing tools and palette, the selected brick's parameters, the
// checks, and the file and undo commands. A level can be play-tested in the
// main window; the editor waits, hidden, until that game is over.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <optional>

#include "engine/model.h"
#include "formats/level_design.h"
#include "shell/editor/field_tools.h"
#include "shell/editor/field_view.h"
#include "shell/editor/level_document.h"
#include "shell/editor/level_preview.h"

class QActionGroup;
class QLabel;
class QListView;
class QListWidget;

namespace coilrun {

class LevelListModel;

struct SaveChoice {
  QString file;
  LevelFileFormat format = LevelFileFormat::Stream;
};

// The file dialogs, replaceable so that tests need none.
struct EditorFileChoosers {
  // An existing level file, starting at `preset`; nullopt when cancelled.
  std::function<std::optional<QString>(const QString& preset)> open;
  // A file to write and its format, starting at `preset` and `format`.
  std::function<std::optional<SaveChoice>(const QString& preset, LevelFileFormat format)> save;
};

class LevelEditor : public QMainWindow {
  Q_OBJECT

 public:
  // Plays the level in the main window; the editor has hidden itself.
  using PlayTester = std::function<void(const LevelDesign& level)>;

  // The field takes the player's colours and looks from `game`.
  LevelEditor(const GameModel& game, PlayTester playTest, QWidget* parent = nullptr);
  ~LevelEditor() override;

  void SetFileChoosers(EditorFileChoosers choosers) { choosers_ = std::move(choosers); }

  LevelDocument& document() { return document_; }
  FieldTools& tools() { return tools_; }
  FieldView& field() { return *field_; }

  // The file commands; each asks about unsaved changes first where they
  // would go. False when the player cancelled or a failure was shown.
  bool NewFile();
  bool NewFromBuiltIn(int number);
  bool OpenFile(const QString& file);
  // A new file that Save writes under the given name.
  bool NewFileAt(const QString& file);
  bool Save();
  bool SaveAs();
  bool SaveTo(const QString& file, LevelFileFormat format);
  // True when there is nothing unsaved, or the player saved or let it go.
  bool MayDiscard();

  // What the status line says about a cell of the level on the field.
  QString DescribeCell(FieldCell cell) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // OpenFile once unsaved changes have been asked about.
  bool OpenAskedFile(const QString& file);
  void StartNewFile(const std::filesystem::path& file = {});
  void ShowHoveredCell();
  void BuildActions();
  void LayOut();
  void UpdateTitle();
  void UpdateChecks();
  void UpdateLevelActions();
  void ShowFailure(const QString& file, const QString& text);
  void ShowLevelInList(int index);
  void PaintPaletteIcons();
  std::optional<int> AskBuiltInNumber(const QString& title);
  void AddLevel();
  void DuplicateLevel();
  void InsertBuiltInLevel();
  void PlayTest();
  void Undo();
  void Redo();

  const GameModel& game_;
  PlayTester playTest_;
  EditorFileChoosers choosers_;
  LevelDocument document_;
  FieldTools tools_{document_};
  LevelPreview preview_;
  LevelPreview iconPreview_;
  FieldView* field_ = nullptr;
  LevelListModel* listModel_ = nullptr;
  QListView* levelList_ = nullptr;
  QListWidget* checks_ = nullptr;
  QLabel* checksHeading_ = nullptr;
  QLabel* cellUnderMouse_ = nullptr;
  QActionGroup* toolGroup_ = nullptr;
  QActionGroup* paletteGroup_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* duplicateAction_ = nullptr;
  QAction* deleteAction_ = nullptr;
  QAction* moveUpAction_ = nullptr;
  QAction* moveDownAction_ = nullptr;
  QAction* playTestAction_ = nullptr;
  QList<QAction*> paletteActions_;
  bool showingIndex_ = false;
  std::optional<FieldCell> hovered_;
};

}  // namespace coilrun
