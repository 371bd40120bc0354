#include "shell/editor/level_editor.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "game/builtin_level_block.h"
#include "present/cell_looks.h"
#include "shell/editor/brick_panel.h"
#include "shell/editor/level_checks.h"
#include "shell/editor/level_list_model.h"

namespace coilrun {

namespace {

constexpr int kPanelWidth = 290;
constexpr int kListWidth = 190;
// Levels named in the box before a grid save; the rest are counted.
constexpr int kLevelsNamed = 8;

const QString kLevelFilter = QStringLiteral("Level files for coilrun (*.lvl)");
const QString kStreamFilter = QStringLiteral("Stream level file, every kind of brick (*.lvl)");
const QString kGridFilter = QStringLiteral("Grid level file, normal bricks only (*.lvl)");

struct ToolEntry {
  EditTool tool;
  const char* name;
  const char* caption;
  const char* key;
};
constexpr ToolEntry kTools[] = {
    {EditTool::Select, "SelectTool", "&Select", "S"},
    {EditTool::Pencil, "PencilTool", "&Pencil", "P"},
    {EditTool::Line, "LineTool", "&Line", "L"},
    {EditTool::Rectangle, "RectangleTool", "&Rectangle", "R"},
    {EditTool::FilledRectangle, "FilledRectangleTool", "Filled &box", "B"},
    {EditTool::FloodFill, "FloodFillTool", "&Flood fill", "F"},
    {EditTool::Eraser, "EraserTool", "&Eraser", "E"},
};

constexpr int kPaletteKinds[] = {0,          NormalBrick, DoorBrick, InOutBrick, ReboundBrick, CharacterBrick,
                                 ScoreBrick, LifeBrick};

std::filesystem::path PathOf(const QString& file) {
  return std::filesystem::path(QFile::encodeName(file).toStdString());
}
QString NameOf(const std::filesystem::path& file) {
  return QFile::decodeName(QByteArray::fromStdString(file.string()));
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  QMessageBox box(icon, QStringLiteral("Level editor"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

LevelEditor::LevelEditor(const GameModel& game, PlayTester playTest, QWidget* parent)
    : QMainWindow(parent), game_(game), playTest_(std::move(playTest)), preview_(game), iconPreview_(game) {
  setObjectName(QStringLiteral("LevelEditor"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  choosers_.open = [this](const QString& preset) -> std::optional<QString> {
    QFileDialog dialog(this, tr("Open level file"));
    dialog.setObjectName(QStringLiteral("EditorOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kLevelFilter);
    dialog.setDefaultSuffix(QStringLiteral("lvl"));
    if (!preset.isEmpty()) dialog.selectFile(preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first();
  };
  choosers_.save = [this](const QString& preset, LevelFileFormat format) -> std::optional<SaveChoice> {
    QFileDialog dialog(this, tr("Save level file"));
    dialog.setObjectName(QStringLiteral("EditorSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({kStreamFilter, kGridFilter});
    dialog.selectNameFilter(format == LevelFileFormat::Grid ? kGridFilter : kStreamFilter);
    dialog.setDefaultSuffix(QStringLiteral("lvl"));
    if (!preset.isEmpty()) dialog.selectFile(preset);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return SaveChoice{dialog.selectedFiles().first(),
                      dialog.selectedNameFilter() == kGridFilter ? LevelFileFormat::Grid : LevelFileFormat::Stream};
  };

  field_ = new FieldView(document_, tools_, preview_);
  listModel_ = new LevelListModel(document_, this);
  BuildActions();
  LayOut();

  connect(&document_, &LevelDocument::ModifiedChanged, this, &LevelEditor::UpdateTitle);
  connect(&document_, &LevelDocument::FileChanged, this, [this] {
    UpdateTitle();
    UpdateChecks();
  });
  connect(&document_, &LevelDocument::CurrentLevelEdited, this, &LevelEditor::UpdateChecks);
  connect(&document_, &LevelDocument::CurrentIndexChanged, this, [this](int index) {
    UpdateChecks();
    UpdateLevelActions();
    ShowLevelInList(index);
  });
  connect(&document_, &LevelDocument::LevelsChanged, this, [this] {
    UpdateLevelActions();
    ShowLevelInList(document_.currentIndex());
  });
  connect(field_, &FieldView::CellHovered, this, [this](std::optional<FieldCell> cell) {
    hovered_ = cell;
    ShowHoveredCell();
  });
  // A click changes the cell under the mouse without moving it.
  connect(&document_, &LevelDocument::CurrentLevelEdited, this, &LevelEditor::ShowHoveredCell);
  connect(&document_, &LevelDocument::CurrentIndexChanged, this, &LevelEditor::ShowHoveredCell);
  connect(&tools_, &FieldTools::PickChanged, this, [this] {
    const std::optional<int> slot = tools_.pickSlot();
    if (!slot) {
      statusBar()->clearMessage();
    } else if (*slot == kDestinationSlot) {
      statusBar()->showMessage(tr("Click the in-out brick's destination (Esc stops)"));
    } else {
      statusBar()->showMessage(tr("Click the door's cell %1 of 4 (Esc stops)").arg(*slot + 1));
    }
  });
  NewFile();
}

LevelEditor::~LevelEditor() = default;

void LevelEditor::BuildActions() {
  const auto action = [this](QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                             auto handler) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    if (!key.isEmpty()) item->setShortcut(key);
    connect(item, &QAction::triggered, this, handler);
    return item;
  };

  QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
  action(fileMenu, "NewFileAction", tr("&New"), QKeySequence::New, [this] { NewFile(); });
  action(fileMenu, "NewFromBuiltInAction", tr("New from a &built-in level..."), {}, [this] {
    if (const auto number = AskBuiltInNumber(tr("New from a built-in level"))) NewFromBuiltIn(*number);
  });
  action(fileMenu, "OpenFileAction", tr("&Open..."), QKeySequence::Open, [this] {
    if (!MayDiscard()) return;
    if (const auto file = choosers_.open(NameOf(document_.file()))) OpenAskedFile(*file);
  });
  action(fileMenu, "SaveAction", tr("&Save"), QKeySequence::Save, [this] { Save(); });
  action(fileMenu, "SaveAsAction", tr("Save &as..."), QKeySequence(tr("Ctrl+Shift+S")), [this] { SaveAs(); });
  fileMenu->addSeparator();
  action(fileMenu, "CloseEditorAction", tr("&Close"), QKeySequence(tr("Ctrl+W")), [this] { close(); });

  QMenu* editMenu = menuBar()->addMenu(tr("&Edit"));
  undoAction_ = action(editMenu, "UndoAction", tr("&Undo"), QKeySequence(tr("Ctrl+Z")), [this] { Undo(); });
  redoAction_ = action(editMenu, "RedoAction", tr("&Redo"), QKeySequence(tr("Ctrl+Shift+Z")), [this] { Redo(); });
  redoAction_->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
  QUndoStack& stack = document_.undoStack();
  const auto updateUndo = [this, &stack] {
    undoAction_->setEnabled(stack.canUndo());
    undoAction_->setText(stack.canUndo() ? tr("&Undo %1").arg(stack.undoText()) : tr("&Undo"));
    redoAction_->setEnabled(stack.canRedo());
    redoAction_->setText(stack.canRedo() ? tr("&Redo %1").arg(stack.redoText()) : tr("&Redo"));
  };
  connect(&stack, &QUndoStack::indexChanged, this, updateUndo);
  connect(&stack, &QUndoStack::cleanChanged, this, updateUndo);
  updateUndo();
  editMenu->addSeparator();
  action(editMenu, "CancelAction", tr("Stop picking"), QKeySequence(Qt::Key_Escape), [this] { tools_.Cancel(); });

  QMenu* levelMenu = menuBar()->addMenu(tr("&Level"));
  action(levelMenu, "AddLevelAction", tr("&Add"), QKeySequence(tr("Ctrl+Shift+N")), [this] { AddLevel(); });
  duplicateAction_ = action(levelMenu, "DuplicateLevelAction", tr("&Duplicate"), QKeySequence(tr("Ctrl+D")),
                            [this] { DuplicateLevel(); });
  action(levelMenu, "AddBuiltInLevelAction", tr("Add a &built-in level..."), {}, [this] { InsertBuiltInLevel(); });
  deleteAction_ = action(levelMenu, "DeleteLevelAction", tr("D&elete"), QKeySequence(tr("Ctrl+Del")), [this] {
    tools_.FinishGesture();
    document_.RemoveLevel(document_.currentIndex());
  });
  moveUpAction_ = action(levelMenu, "MoveLevelUpAction", tr("Move &up"), QKeySequence(tr("Ctrl+Up")), [this] {
    tools_.FinishGesture();
    document_.MoveLevel(document_.currentIndex(), document_.currentIndex() - 1);
  });
  moveDownAction_ = action(levelMenu, "MoveLevelDownAction", tr("Move do&wn"), QKeySequence(tr("Ctrl+Down")), [this] {
    tools_.FinishGesture();
    document_.MoveLevel(document_.currentIndex(), document_.currentIndex() + 1);
  });
  levelMenu->addSeparator();
  playTestAction_ =
      action(levelMenu, "PlayTestAction", tr("&Play-test"), QKeySequence(Qt::Key_F9), [this] { PlayTest(); });

  QMenu* toolMenu = menuBar()->addMenu(tr("&Tools"));
  QToolBar* toolBar = addToolBar(tr("Tools"));
  toolBar->setObjectName(QStringLiteral("ToolBar"));
  toolBar->setMovable(false);
  toolGroup_ = new QActionGroup(this);
  for (const ToolEntry& entry : kTools) {
    QAction* item = action(toolMenu, entry.name, tr(entry.caption), QKeySequence(QLatin1String(entry.key)),
                           [this, tool = entry.tool] { tools_.SetTool(tool); });
    item->setToolTip(QStringLiteral("%1 (%2)").arg(item->text().remove(QLatin1Char('&')), QLatin1String(entry.key)));
    item->setCheckable(true);
    item->setChecked(entry.tool == tools_.tool());
    toolGroup_->addAction(item);
    toolBar->addAction(item);
  }
  toolBar->addSeparator();
  toolBar->addAction(undoAction_);
  toolBar->addAction(redoAction_);
  toolBar->addSeparator();
  toolBar->addAction(playTestAction_);

  QMenu* paletteMenu = menuBar()->addMenu(tr("&Bricks"));
  QToolBar* paletteBar = new QToolBar(tr("Bricks"), this);
  paletteBar->setObjectName(QStringLiteral("PaletteBar"));
  paletteBar->setMovable(false);
  paletteBar->setIconSize(QSize(20, 20));
  addToolBarBreak();
  addToolBar(paletteBar);
  paletteGroup_ = new QActionGroup(this);
  for (std::size_t i = 0; i < std::size(kPaletteKinds); ++i) {
    const int kind = kPaletteKinds[i];
    const QString name = QStringLiteral("Palette%1").arg(kind);
    QAction* item = paletteMenu->addAction(BrickKindName(kind));
    item->setObjectName(name);
    item->setShortcut(QKeySequence(QString::number(i)));
    item->setToolTip(tr("%1 (%2)").arg(BrickKindName(kind)).arg(i));
    item->setCheckable(true);
    item->setChecked(kind == tools_.paletteKind());
    connect(item, &QAction::triggered, this, [this, kind] { tools_.SetPaletteKind(kind); });
    paletteGroup_->addAction(item);
    paletteBar->addAction(item);
    paletteActions_.append(item);
  }
  PaintPaletteIcons();
}

void LevelEditor::LayOut() {
  auto* central = new QWidget;
  auto* columns = new QHBoxLayout(central);

  // The side columns keep their widths whatever they show, so that the
  // field never moves under the mouse.
  auto* leftColumn = new QWidget;
  leftColumn->setFixedWidth(kListWidth);
  auto* left = new QVBoxLayout(leftColumn);
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(new QLabel(tr("Levels of the file")));
  levelList_ = new QListView;
  levelList_->setObjectName(QStringLiteral("LevelList"));
  levelList_->setModel(listModel_);
  levelList_->setUniformItemSizes(true);
  levelList_->setSelectionMode(QAbstractItemView::SingleSelection);
  left->addWidget(levelList_, 1);
  connect(levelList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (showingIndex_ || !current.isValid()) return;
            tools_.FinishGesture();
            document_.SetCurrentIndex(current.row());
          });
  auto* buttons = new QGridLayout;
  const auto button = [&](const char* action, const QString& caption, int row, int column) {
    auto* push = new QPushButton(caption);
    QAction* target = findChild<QAction*>(QLatin1String(action));
    connect(push, &QPushButton::clicked, target, &QAction::trigger);
    connect(target, &QAction::enabledChanged, push, &QPushButton::setEnabled);
    push->setEnabled(target->isEnabled());
    buttons->addWidget(push, row, column);
  };
  button("AddLevelAction", tr("Add"), 0, 0);
  button("DuplicateLevelAction", tr("Duplicate"), 0, 1);
  button("DeleteLevelAction", tr("Delete"), 1, 0);
  button("PlayTestAction", tr("Play-test"), 1, 1);
  button("MoveLevelUpAction", tr("Up"), 2, 0);
  button("MoveLevelDownAction", tr("Down"), 2, 1);
  left->addLayout(buttons);
  columns->addWidget(leftColumn);

  columns->addWidget(field_, 1);

  auto* rightColumn = new QWidget;
  rightColumn->setFixedWidth(kPanelWidth);
  auto* right = new QVBoxLayout(rightColumn);
  right->setContentsMargins(0, 0, 0, 0);
  auto* panel = new BrickPanel(document_, tools_);
  right->addWidget(panel);
  if (auto* newCharacter = panel->findChild<QLineEdit*>(QStringLiteral("NewCharacter"))) {
    connect(newCharacter, &QLineEdit::textEdited, this, &LevelEditor::PaintPaletteIcons);
  }
  checksHeading_ = new QLabel;
  checksHeading_->setWordWrap(true);
  right->addWidget(checksHeading_);
  checks_ = new QListWidget;
  checks_->setObjectName(QStringLiteral("Checks"));
  checks_->setWordWrap(true);
  checks_->setAlternatingRowColors(true);
  right->addWidget(checks_, 1);
  connect(checks_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const QVariant cell = item->data(Qt::UserRole);
    if (cell.isValid()) tools_.Select(FieldCell{cell.toPoint().x(), cell.toPoint().y()});
  });
  columns->addWidget(rightColumn);
  setCentralWidget(central);

  cellUnderMouse_ = new QLabel;
  cellUnderMouse_->setObjectName(QStringLiteral("CellUnderMouse"));
  cellUnderMouse_->setTextFormat(Qt::PlainText);
  statusBar()->addPermanentWidget(cellUnderMouse_);
}

bool LevelEditor::NewFile() {
  if (!MayDiscard()) return false;
  StartNewFile();
  return true;
}

bool LevelEditor::NewFileAt(const QString& file) {
  if (!MayDiscard()) return false;
  StartNewFile(PathOf(file));
  statusBar()->showMessage(tr("%1 is new: Save writes it.").arg(QFileInfo(file).fileName()), 10000);
  return true;
}

void LevelEditor::StartNewFile(const std::filesystem::path& file) {
  LevelBook levels;
  levels.Insert(0, LevelDesign{});
  document_.Reset(std::move(levels), LevelFileFormat::Stream, file, false);
}

bool LevelEditor::NewFromBuiltIn(int number) {
  const std::optional<LevelDesign> level = BuiltInLevelOf(BuiltInLevelBlock(), number);
  if (!level) {
    ShowBox(this, QMessageBox::Critical, tr("There is no built-in level %1.").arg(number));
    return false;
  }
  if (!MayDiscard()) return false;
  LevelBook levels;
  levels.Insert(0, *level);
  document_.Reset(std::move(levels), LevelFileFormat::Stream, {}, true);
  return true;
}

bool LevelEditor::OpenFile(const QString& file) { return MayDiscard() && OpenAskedFile(file); }

bool LevelEditor::OpenAskedFile(const QString& file) {
  LevelFileRead read = ReadLevelFile(PathOf(file));
  if (read.failure) {
    ShowFailure(file, QString::fromStdString(read.failure->text()));
    return false;
  }
  const bool damaged = !read.problems.empty();
  if (damaged) {
    QString text = tr("%1 is damaged:").arg(QFileInfo(file).fileName());
    for (std::size_t i = 0; i < read.problems.size() && i < kLevelsNamed; ++i) {
      text += QLatin1Char('\n') + QString::fromStdString(read.problems[i]);
    }
    if (read.problems.size() > kLevelsNamed) text += tr("\nand %1 more").arg(read.problems.size() - kLevelsNamed);
    text += tr("\n\nThe editor shows what could be read; saving writes it as shown.");
    ShowBox(this, QMessageBox::Warning, text);
  }
  document_.Reset(std::move(read.levels), read.format, PathOf(file), damaged);
  return true;
}

bool LevelEditor::Save() {
  if (document_.file().empty()) return SaveAs();
  return SaveTo(NameOf(document_.file()), document_.format());
}

bool LevelEditor::SaveAs() {
  tools_.FinishGesture();
  const std::optional<SaveChoice> choice = choosers_.save(NameOf(document_.file()), document_.format());
  return choice && SaveTo(choice->file, choice->format);
}

bool LevelEditor::SaveTo(const QString& file, LevelFileFormat format) {
  tools_.FinishGesture();
  if (format == LevelFileFormat::Grid) {
    QStringList losing;
    int lost = 0;
    for (std::size_t index = 0; index < document_.levels().size(); ++index) {
      const int special = document_.levels().CensusOf(index).special;
      if (special == 0) continue;
      ++lost;
      if (losing.size() < kLevelsNamed) losing << tr("level %1: %2 bricks").arg(index + 1).arg(special);
    }
    if (lost > 0) {
      QString text = tr("A grid file holds only normal bricks. Saving %1 as a grid file takes the other bricks out "
                        "of %2 levels (Undo puts them back):\n")
                         .arg(QFileInfo(file).fileName())
                         .arg(lost);
      text += losing.join(QLatin1Char('\n'));
      if (lost > losing.size()) text += tr("\nand %1 more levels").arg(lost - losing.size());
      QMessageBox box(QMessageBox::Warning, tr("Level editor"), text, QMessageBox::Save | QMessageBox::Cancel, this);
      box.setObjectName(QStringLiteral("GridLossBox"));
      box.setTextFormat(Qt::PlainText);
      if (box.exec() != QMessageBox::Save) return false;
      document_.KeepNormalBricksOnly();
    }
  }
  if (const FileResult failure = document_.Save(PathOf(file), format)) {
    ShowFailure(file, QString::fromStdString(failure->text()));
    return false;
  }
  statusBar()->showMessage(tr("Saved %1").arg(QFileInfo(file).fileName()), 5000);
  return true;
}

bool LevelEditor::MayDiscard() {
  tools_.FinishGesture();
  if (!document_.modified()) return true;
  const QString name = document_.file().empty() ? tr("The new file") : QFileInfo(NameOf(document_.file())).fileName();
  QMessageBox box(QMessageBox::Question, tr("Level editor"), tr("%1 has unsaved changes. Save them?").arg(name),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
  box.setObjectName(QStringLiteral("UnsavedChangesBox"));
  box.setTextFormat(Qt::PlainText);
  switch (box.exec()) {
    case QMessageBox::Save: return Save();
    case QMessageBox::Discard: return true;
    default: return false;
  }
}

QString LevelEditor::DescribeCell(FieldCell cell) const {
  const DesignCell& brick = document_.current().at(cell.x, cell.y);
  QString text = tr("(%1, %2) %3").arg(cell.x).arg(cell.y).arg(BrickKindName(brick.Kind));
  const auto pair = [](int x, int y) { return QStringLiteral("(%1, %2)").arg(x).arg(y); };
  if (brick.Kind == DoorBrick) {
    QStringList cells;
    for (int slot = 0; slot < kDoorCellSlots; ++slot) cells << pair(brick.Extra[2 * slot], brick.Extra[2 * slot + 1]);
    text += tr(", opens %1").arg(cells.join(QLatin1Char(' ')));
  } else if (brick.Kind == InOutBrick) {
    text += tr(" to %1").arg(pair(static_cast<std::int8_t>(brick.Extra[0]), static_cast<std::int8_t>(brick.Extra[1])));
  } else if (brick.Kind == CharacterBrick) {
    const std::uint8_t shown = ShownCharacter(brick.Extra[0]);
    text += CharacterHasGlyph(shown)
                ? tr(" \"%1\" (code %2)").arg(QChar::fromLatin1(static_cast<char>(shown))).arg(shown)
                : tr(" (code %1, no glyph)").arg(shown);
  }
  return text;
}

// The editor opens again on a new file; what the player let go is gone.
void LevelEditor::ShowHoveredCell() { cellUnderMouse_->setText(hovered_ ? DescribeCell(*hovered_) : QString()); }

void LevelEditor::closeEvent(QCloseEvent* event) {
  if (!MayDiscard()) {
    event->ignore();
    return;
  }
  event->accept();
  if (document_.modified()) StartNewFile();
}

// The player may have changed colours in the options since the editor last showed.
void LevelEditor::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  PaintPaletteIcons();
  field_->update();
  field_->setFocus();
}

void LevelEditor::UpdateTitle() {
  const QString name = document_.file().empty() ? tr("Untitled") : QFileInfo(NameOf(document_.file())).fileName();
  const QString format = document_.format() == LevelFileFormat::Grid ? tr("grid file") : tr("stream file");
  setWindowTitle(tr("%1[*] (%2) - coilrun level editor").arg(name, format));
  setWindowModified(document_.modified());
}

void LevelEditor::UpdateChecks() {
  checks_->clear();
  if (document_.currentIndex() < 0) {
    checksHeading_->setText(tr("Checks: no level"));
    return;
  }
  const std::vector<LevelWarning> warnings =
      CheckLevel(document_.current(), document_.format() == LevelFileFormat::Grid);
  checksHeading_->setText(warnings.empty()
                              ? tr("Checks: nothing to warn about")
                              : tr("Checks: %1 warnings (click one to select its cell)").arg(warnings.size()));
  for (const LevelWarning& warning : warnings) {
    auto* item = new QListWidgetItem(QString::fromStdString(warning.text), checks_);
    if (warning.cell) item->setData(Qt::UserRole, QPoint(warning.cell->x, warning.cell->y));
  }
}

void LevelEditor::UpdateLevelActions() {
  const int index = document_.currentIndex();
  const bool any = index >= 0;
  duplicateAction_->setEnabled(any);
  deleteAction_->setEnabled(any);
  playTestAction_->setEnabled(any);
  moveUpAction_->setEnabled(any && index > 0);
  moveDownAction_->setEnabled(any && index + 1 < document_.levelCount());
}

void LevelEditor::ShowLevelInList(int index) {
  showingIndex_ = true;
  const QModelIndex row = listModel_->index(index);
  levelList_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
  if (row.isValid()) levelList_->scrollTo(row);
  showingIndex_ = false;
}

void LevelEditor::ShowFailure(const QString& file, const QString& text) {
  ShowBox(this, QMessageBox::Critical, QStringLiteral("%1: %2").arg(file, text));
}

void LevelEditor::PaintPaletteIcons() {
  constexpr FieldCell kSample{20, 15};
  for (int i = 0; i < paletteActions_.size(); ++i) {
    const int kind = kPaletteKinds[i];
    LevelDesign sample;
    DesignCell& cell = sample.at(kSample.x, kSample.y);
    cell.Kind = kind;
    if (kind == CharacterBrick) cell.Extra[0] = StoredCharacter(tools_.newCharacter());
    const QImage& field = iconPreview_.Paint(sample, kFirstFileLevel);
    const QImage brick = field.copy(CellRect(kSample.x, kSample.y)).scaled(20, 20);
    paletteActions_[i]->setIcon(QIcon(QPixmap::fromImage(brick)));
  }
}

std::optional<int> LevelEditor::AskBuiltInNumber(const QString& title) {
  bool accepted = false;
  const int number = QInputDialog::getInt(this, title, tr("Built-in level (1-%1):").arg(kBuiltInLevelCount), 1, 1,
                                          kBuiltInLevelCount, 1, &accepted);
  if (!accepted) return std::nullopt;
  return number;
}

void LevelEditor::AddLevel() {
  tools_.FinishGesture();
  document_.InsertLevel(document_.currentIndex() + 1, LevelDesign{}, tr("Add level"));
}

void LevelEditor::DuplicateLevel() {
  tools_.FinishGesture();
  if (document_.currentIndex() < 0) return;
  document_.InsertLevel(document_.currentIndex() + 1, document_.current(), tr("Duplicate level"));
}

void LevelEditor::InsertBuiltInLevel() {
  tools_.FinishGesture();
  const std::optional<int> number = AskBuiltInNumber(tr("Add a built-in level"));
  if (!number) return;
  if (const std::optional<LevelDesign> level = BuiltInLevelOf(BuiltInLevelBlock(), *number)) {
    document_.InsertLevel(document_.currentIndex() + 1, *level, tr("Add built-in level %1").arg(*number));
  }
}

void LevelEditor::PlayTest() {
  tools_.FinishGesture();
  tools_.StopPick();
  if (document_.currentIndex() < 0 || !playTest_) return;
  playTest_(document_.current());
}

void LevelEditor::Undo() {
  tools_.FinishGesture();
  document_.undoStack().undo();
}

void LevelEditor::Redo() {
  tools_.FinishGesture();
  document_.undoStack().redo();
}

}  // namespace coilrun
