// The level editor's window and its files: unsaved changes, damaged files,
// grid saves, round trips through the game's loaders and the level tool, a
// game reading the file being saved, ten thousand levels, and the
// play-test in the main window.
#include "shell/editor/level_editor.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "formats/level_text.h"
#include "game/level_sources.h"
#include "shell/command_line.h"
#include "shell/editor/level_checks.h"
#include "shell/editor/level_editor_launcher.h"
#include "shell/main_form.h"
#include "tests/shell/arranged_model.h"
#include "tests/shell/modal_answer.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/temp_directory.h"
#include "tools/level_tool.h"

namespace coilrun::testing {
namespace {

// Clicks one button of the message box that opens and keeps its text.
class BoxAnswer {
 public:
  explicit BoxAnswer(QMessageBox::StandardButton button)
      : answer_([this, button](QWidget& dialog) {
          auto* box = qobject_cast<QMessageBox*>(&dialog);
          if (box == nullptr) return;
          text_ = box->text();
          name_ = box->objectName();
          if (QAbstractButton* clicked = box->button(button)) clicked->click();
        }) {}
  const QString& text() const { return text_; }
  const QString& name() const { return name_; }
  int seen() const { return answer_.dialogsSeen(); }

 private:
  QString text_;
  QString name_;
  ModalAnswer answer_;
};

QString Named(const std::filesystem::path& file) { return QString::fromStdString(file.string()); }

class LevelEditorTest : public ::testing::Test {
 protected:
  void Click(FieldCell cell) {
    editor.tools().Press(cell, false);
    editor.tools().Release();
  }
  void Box(FieldCell from, FieldCell to, int kind) {
    editor.tools().SetTool(EditTool::Rectangle);
    editor.tools().SetPaletteKind(kind);
    editor.tools().Press(from, false);
    editor.tools().Move(to);
    editor.tools().Release();
  }
  // A level with every kind, drawn as a player draws it.
  void DrawEveryKind() {
    Box({15, 10}, {20, 14}, NormalBrick);
    FieldTools& tools = editor.tools();
    tools.SetTool(EditTool::Pencil);
    tools.SetPaletteKind(DoorBrick);
    Click({22, 12});
    for (int y = 11; y <= 14; ++y) Click({20, y});
    tools.SetPaletteKind(InOutBrick);
    Click({30, 5});
    Click({35, 20});
    tools.SetPaletteKind(CharacterBrick);
    tools.SetNewCharacter(0xE9);
    Click({5, 20});
    for (const auto& [kind, x] : {std::pair{ReboundBrick, 40}, {ScoreBrick, 42}, {LifeBrick, 44}}) {
      tools.SetPaletteKind(kind);
      Click({x, 25});
    }
  }

  GameModel game;
  int playTests = 0;
  LevelEditor editor{game, [this](const LevelDesign&) { ++playTests; }};
  TempDirectory directory{"coilrun-editor"};
};

TEST_F(LevelEditorTest, TheFieldShowsTheLevelInThePlayersLooksAndTheChecksPointAtTheirCells) {
  game.Settings.BackColor = RgbColor(10, 20, 30);
  game.Settings.MixBricksColors = false;
  game.Settings.BrickColors[0] = RgbColor(200, 100, 0);
  game.Settings.BrickColors[1] = RgbColor(1, 2, 3);
  game.Players[1].Color = RgbColor(250, 0, 250);
  DrawEveryKind();
  const QImage field = editor.field().FieldImage();
  ASSERT_EQ(field.size(), QSize(500, 300));
  EXPECT_EQ(field.pixelColor(5, 295), QColor(10, 20, 30));
  EXPECT_EQ(field.pixelColor(155, 105), QColor(200, 100, 0)) << "a normal brick";
  EXPECT_EQ(field.pixelColor(225, 125), QColor(1, 2, 3)) << "the door";
  EXPECT_EQ(field.pixelColor(95, 15), QColor(250, 0, 250)) << "player 1's start";
  game.Settings.BrickColors[0] = RgbColor(0, 100, 200);
  EXPECT_EQ(editor.field().FieldImage().pixelColor(155, 105), QColor(0, 100, 200)) << "the options changed it";
  EXPECT_EQ(editor.DescribeCell({22, 12}),
            QStringLiteral("(22, 12) Door brick, opens (20, 11) (20, 12) (20, 13) (20, 14)"));
  EXPECT_EQ(editor.DescribeCell({5, 20}), QStringLiteral("(5, 20) Character brick \"\u00E9\" (code 233)"));

  // A brick on player 2's start is listed; a click on it selects the cell.
  editor.tools().SetPaletteKind(NormalBrick);
  Click({40, 28});
  auto* checks = editor.findChild<QListWidget*>(QStringLiteral("Checks"));
  ASSERT_NE(checks, nullptr);
  const QList<QListWidgetItem*> found =
      checks->findItems(QStringLiteral("player 2's start (40, 28)"), Qt::MatchStartsWith);
  ASSERT_EQ(found.size(), 1);
  editor.tools().Select(std::nullopt);
  emit checks->itemClicked(found.front());
  EXPECT_EQ(editor.tools().selected(), (FieldCell{40, 28}));
  editor.document().undoStack().undo();
  EXPECT_TRUE(checks->findItems(QStringLiteral("player 2's start"), Qt::MatchStartsWith).isEmpty());
}

TEST_F(LevelEditorTest, UnsavedChangesAreMarkedAndAskedAboutBeforeTheyCouldGo) {
  LevelFileEncoder encoder(LevelFileEncoder::Format::Stream);
  encoder.Add(LevelDesign{});
  encoder.Add(LevelDesign{});
  const std::string other = directory.Write("other.lvl", encoder.Finish());
  editor.show();
  EXPECT_FALSE(editor.isWindowModified());
  Box({1, 1}, {3, 3}, NormalBrick);
  EXPECT_TRUE(editor.isWindowModified());
  EXPECT_TRUE(editor.windowTitle().contains(QStringLiteral("[*]")));
  {
    const BoxAnswer cancel(QMessageBox::Cancel);
    EXPECT_FALSE(editor.OpenFile(QString::fromStdString(other)));
    EXPECT_EQ(cancel.name(), QStringLiteral("UnsavedChangesBox"));
    EXPECT_EQ(editor.document().current().at(1, 1).Kind, NormalBrick);
    editor.close();
    EXPECT_TRUE(editor.isVisible()) << "cancelled";
  }
  {
    const BoxAnswer discard(QMessageBox::Discard);
    EXPECT_TRUE(editor.OpenFile(QString::fromStdString(other)));
    EXPECT_EQ(discard.seen(), 1);
    EXPECT_EQ(editor.document().levelCount(), 2);
    EXPECT_FALSE(editor.isWindowModified());
  }
  const BoxAnswer noQuestion(QMessageBox::Cancel);
  editor.close();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(noQuestion.seen(), 0);
}

TEST_F(LevelEditorTest, FilesThatCannotBeReadLeaveTheEditorAsItWasAndDamagedOnesOpenAsFarAsTheyGo) {
  Box({1, 1}, {3, 3}, NormalBrick);
  ASSERT_FALSE(editor.document().Save(directory / "mine.lvl", LevelFileFormat::Stream));
  std::filesystem::create_directory(directory / "folder.lvl");
  for (const char* name : {"missing.lvl", "folder.lvl"}) {
    const BoxAnswer ok(QMessageBox::Ok);
    EXPECT_FALSE(editor.OpenFile(Named(directory / name)));
    EXPECT_TRUE(ok.text().contains(QStringLiteral("File not found")) ||
                ok.text().contains(QStringLiteral("File access denied")))
        << ok.text().toStdString();
    EXPECT_EQ(editor.document().file(), directory / "mine.lvl");
    EXPECT_EQ(editor.document().current().at(1, 1).Kind, NormalBrick);
  }
  // Still usable.
  Box({5, 5}, {6, 6}, ScoreBrick);
  EXPECT_EQ(editor.document().current().at(5, 5).Kind, ScoreBrick);
  {
    const BoxAnswer discardThenOk(QMessageBox::Discard);
    // The second box, the damage report, is closed unanswered.
    EXPECT_TRUE(editor.OpenFile(QString::fromStdString(directory.Write("cut.lvl", {0xFF, 1, 1, 0xCE, 0xFC, 2, 2}))));
  }
  EXPECT_EQ(editor.document().levelCount(), 2);
  EXPECT_EQ(editor.document().levels().Level(1).at(2, 2).Kind, ReboundBrick);
  EXPECT_TRUE(editor.document().modified()) << "saving would change the file";

  // An empty file holds no level: nothing to draw on or play, but a level can be added.
  {
    const BoxAnswer discard(QMessageBox::Discard);
    ASSERT_TRUE(editor.OpenFile(QString::fromStdString(directory.Write("empty.lvl", {}))));
  }
  EXPECT_EQ(editor.document().levelCount(), 0);
  EXPECT_EQ(editor.document().format(), LevelFileFormat::Grid);
  auto* playTest = editor.findChild<QAction*>(QStringLiteral("PlayTestAction"));
  EXPECT_FALSE(playTest->isEnabled());
  Click({1, 1});
  EXPECT_FALSE(editor.document().modified());
  editor.findChild<QAction*>(QStringLiteral("AddLevelAction"))->trigger();
  ASSERT_EQ(editor.document().levelCount(), 1);
  EXPECT_TRUE(playTest->isEnabled());
  playTest->trigger();
  EXPECT_EQ(playTests, 1);
}

TEST_F(LevelEditorTest, AGridSaveSaysWhatWouldBeLostAndTakesItOutAsOneStep) {
  DrawEveryKind();
  const std::filesystem::path file = directory / "grid.lvl";
  {
    const BoxAnswer cancel(QMessageBox::Cancel);
    EXPECT_FALSE(editor.SaveTo(Named(file), LevelFileFormat::Grid));
    EXPECT_EQ(cancel.name(), QStringLiteral("GridLossBox"));
    EXPECT_TRUE(cancel.text().contains(QStringLiteral("level 1: 6 bricks"))) << cancel.text().toStdString();
    EXPECT_FALSE(std::filesystem::exists(file));
  }
  const int steps = editor.document().undoStack().count();
  {
    const BoxAnswer save(QMessageBox::Save);
    EXPECT_TRUE(editor.SaveTo(Named(file), LevelFileFormat::Grid));
  }
  EXPECT_EQ(std::filesystem::file_size(file), kGridLevelBytes);
  EXPECT_EQ(editor.document().levels().CensusOf(0).special, 0);
  EXPECT_FALSE(editor.document().modified());
  EXPECT_EQ(editor.document().undoStack().count(), steps + 1);
  editor.document().undoStack().undo();
  EXPECT_EQ(editor.document().current().at(22, 12).Kind, DoorBrick);
  EXPECT_TRUE(editor.document().modified());
}

TEST_F(LevelEditorTest, ASaveThatFailsKeepsTheOldFileAndTheChanges) {
  const std::filesystem::path file = directory / "kept.lvl";
  Click({1, 1});
  ASSERT_TRUE(editor.SaveTo(Named(file), LevelFileFormat::Stream));
  const std::vector<std::uint8_t> before = TempDirectory::Read(file);
  Box({0, 0}, {49, 29}, NormalBrick);
  {
    const FileSizeLimit diskFull(64);
    const BoxAnswer ok(QMessageBox::Ok);
    EXPECT_FALSE(editor.SaveTo(Named(file), LevelFileFormat::Stream));
    EXPECT_TRUE(ok.text().startsWith(Named(file))) << ok.text().toStdString();
  }
  EXPECT_EQ(TempDirectory::Read(file), before);
  EXPECT_TRUE(editor.document().modified());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()), {}), 1) << "no temporary file left";
}

// What the game's loader put into LevelGrid, as the design it came from.
void ExpectGridHolds(const GameModel& model, const LevelDesign& level, const char* what) {
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) {
      const DesignCell& drawn = level.at(x, y);
      const BoardCell& loaded = model.LevelGrid.at(x, y);
      ASSERT_EQ(loaded.Occupied, drawn.Kind != 0 ? 1 : 0) << what << " at " << x << ", " << y;
      if (drawn.Kind == 0) continue;
      if (drawn.Kind == NormalBrick) {
        EXPECT_TRUE(IsNormalContent(loaded.Content)) << what << " at " << x << ", " << y;
        continue;
      }
      EXPECT_EQ(loaded.Content, -drawn.Kind) << what << " at " << x << ", " << y;
      const int extra = ExtraCountOf(static_cast<BrickKind>(drawn.Kind));
      EXPECT_TRUE(std::equal(drawn.Extra.begin(), drawn.Extra.begin() + extra, loaded.Extra.begin()))
          << what << " at " << x << ", " << y;
    }
  }
}

TEST_F(LevelEditorTest, SavedLevelsLoadInTheGameAndTheLevelToolExactlyAsDrawn) {
  DrawEveryKind();
  editor.document().InsertLevel(1, LevelDesign{}, QStringLiteral("Add level"));
  Box({0, 0}, {49, 29}, NormalBrick);
  const std::vector<LevelDesign> drawn{editor.document().levels().Level(0), editor.document().levels().Level(1)};
  ASSERT_EQ(drawn[0].at(22, 12).Extra, (std::array<std::uint8_t, 8>{20, 11, 20, 12, 20, 13, 20, 14}));
  ASSERT_EQ(drawn[0].at(5, 20).Extra[0], StoredCharacter(0xE9));

  for (const LevelFileFormat format : {LevelFileFormat::Stream, LevelFileFormat::Grid}) {
    const bool grid = format == LevelFileFormat::Grid;
    const std::filesystem::path file = directory / (grid ? "grid.lvl" : "stream.lvl");
    {
      const BoxAnswer save(QMessageBox::Save);
      ASSERT_TRUE(editor.SaveTo(Named(file), format));
    }
    const char* what = grid ? "grid" : "stream";
    GameModel model;
    LevelSources sources(model);
    ASSERT_FALSE(sources.OpenLevelFile(file.string()));
    EXPECT_EQ(sources.LevelFileIsStream(), !grid);
    for (const LevelDesign& level : drawn) {
      const LevelRead read = grid ? sources.LoadGridLevel() : sources.LoadStreamLevel();
      ASSERT_TRUE(read.loaded) << what;
      ExpectGridHolds(model, grid ? NormalBricksOnly(level) : level, what);
    }
    EXPECT_FALSE((grid ? sources.LoadGridLevel() : sources.LoadStreamLevel()).loaded) << what << ": one level too many";

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunLevelTool(std::vector<std::string>{"show", file.string()}, out, err, {}), 0) << err.str();
    std::vector<LevelDesign> shown;
    ASSERT_FALSE(ParseLevelText(out.str(), shown));
    ASSERT_EQ(shown.size(), drawn.size()) << what;
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      EXPECT_EQ(shown[i].Cells, (grid ? NormalBricksOnly(drawn[i]) : drawn[i]).Cells) << what << " level " << i + 1;
    }
  }
}

TEST_F(LevelEditorTest, AGameReadingTheFileGoesOnWithWhatItOpenedWhenTheFileIsSavedOver) {
  DrawEveryKind();
  editor.document().InsertLevel(1, LevelDesign{}, QStringLiteral("Add level"));
  Click({7, 7});
  const std::filesystem::path file = directory / "shared.lvl";
  ASSERT_TRUE(editor.SaveTo(Named(file), LevelFileFormat::Stream));

  GameModel model;
  LevelSources sources(model);
  ASSERT_FALSE(sources.OpenLevelFile(file.string()));
  ASSERT_TRUE(sources.LoadStreamLevel().loaded);
  editor.tools().SetPaletteKind(LifeBrick);
  Click({8, 8});
  editor.document().RemoveLevel(0);
  ASSERT_TRUE(editor.SaveTo(Named(file), LevelFileFormat::Stream));

  ASSERT_TRUE(sources.LoadStreamLevel().loaded);
  EXPECT_EQ(model.LevelGrid.at(7, 7).Occupied, 1);
  EXPECT_EQ(model.LevelGrid.at(8, 8).Occupied, 0) << "the game reads the file it opened";
  EXPECT_FALSE(sources.LoadStreamLevel().loaded);
  ASSERT_FALSE(sources.OpenLevelFile(file.string()));
  ASSERT_TRUE(sources.LoadStreamLevel().loaded);
  EXPECT_EQ(model.LevelGrid.at(8, 8).Content, -LifeBrick) << "a new game reads the new file";
}

TEST_F(LevelEditorTest, TenThousandLevelsOpenInTheListAndMoveAbout) {
  constexpr int kLevels = 10000;
  LevelFileEncoder encoder(LevelFileEncoder::Format::Stream);
  for (int i = 0; i < kLevels; ++i) {
    LevelDesign level;
    level.at(i % kFieldColumns, (i / kFieldColumns) % kFieldRows).Kind = NormalBrick;
    encoder.Add(level);
  }
  ASSERT_TRUE(editor.OpenFile(QString::fromStdString(directory.Write("many.lvl", encoder.Finish()))));
  auto* list = editor.findChild<QListView*>(QStringLiteral("LevelList"));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->model()->rowCount(), kLevels);
  EXPECT_EQ(list->model()->index(kLevels - 1, 0).data().toString(), QStringLiteral("Level 10000: 1 brick"));
  list->setCurrentIndex(list->model()->index(kLevels - 1, 0));
  EXPECT_EQ(editor.document().currentIndex(), kLevels - 1);
  EXPECT_EQ(editor.document().current().at((kLevels - 1) % 50, ((kLevels - 1) / 50) % 30).Kind, NormalBrick);
  editor.document().MoveLevel(kLevels - 1, 0);
  EXPECT_EQ(list->currentIndex().row(), 0);
  EXPECT_EQ(editor.document().levels().Level(1).at(0, 0).Kind, NormalBrick);
  editor.document().undoStack().undo();
  EXPECT_EQ(editor.document().levels().Level(kLevels - 1).at(49, 19).Kind, NormalBrick);
}

TEST(LevelEditorCommandLineTest, EditTakesTheFileThatFollowsIt) {
  const CommandLine alone = ParseCommandLine({"coilrun", "--edit"});
  EXPECT_TRUE(alone.edit);
  EXPECT_TRUE(alone.editFile.isEmpty());
  const CommandLine withFile = ParseCommandLine({"coilrun", "--edit", "mine.lvl", "--data-dir", "/tmp/d"});
  EXPECT_EQ(withFile.editFile, QStringLiteral("mine.lvl"));
  EXPECT_TRUE(withFile.levelFile.isEmpty()) << "the file is edited, not played";
  EXPECT_EQ(withFile.dataDirectory, QStringLiteral("/tmp/d"));
  EXPECT_FALSE(ParseCommandLine({"coilrun", "--edit", "--data-dir", "/tmp/d"}).editFile.size());
}

TEST(LevelEditorPlayTestTest, PlaysTheLevelInTheMainWindowAndComesBackAsItWasWithThePlayersFilesUntouched) {
  QTemporaryDir dataDirectory;
  MainForm form(dataDirectory.path(), QString());
  GameModel& model = ArrangedModel(form);
  model.Settings.LevelFileName = "mine.lvl";
  const std::filesystem::path table = (dataDirectory.path() + "/hscores.dat").toStdString();
  const std::vector<std::uint8_t> tableBefore = TempDirectory::Read(table);
  form.show();
  // A file that is not there yet is started as a new one of that name.
  const QString newFile = dataDirectory.filePath(QStringLiteral("new.lvl"));
  form.OpenLevelEditor(newFile);
  LevelEditor* editor = form.levelEditor().editor();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->document().file(), newFile.toStdString());
  EXPECT_EQ(editor->document().levelCount(), 1);
  FieldTools& tools = editor->tools();
  tools.SetTool(EditTool::Rectangle);
  tools.Press({15, 10}, false);
  tools.Move({20, 14});
  tools.Release();
  const LevelDesign drawn = editor->document().current();

  editor->findChild<QAction*>(QStringLiteral("PlayTestAction"))->trigger();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(model.ScreenState, PauseScreen);
  EXPECT_EQ(model.LevelNumber, kFirstFileLevel);
  ExpectGridHolds(model, drawn, "play-test");
  auto* menu = form.findChild<QMenu*>(QStringLiteral("GameMenu"));
  emit menu->aboutToShow();
  EXPECT_FALSE(form.findChild<QAction*>(QStringLiteral("LevelEditorItem"))->isVisible()) << "like New";

  // Played a little, then stopped with a score that would enter the table.
  form.findChild<QAction*>(QStringLiteral("PauseItem"))->trigger();
  ASSERT_EQ(model.ScreenState, BoardScreen);
  model.Players[1].Score = 9000;
  {
    const ModalAnswer noNameAsked;
    form.findChild<QAction*>(QStringLiteral("StopItem"))->trigger();
    EXPECT_EQ(noNameAsked.dialogsSeen(), 0);
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return editor->isVisible(); }, 5000));
  EXPECT_EQ(editor->document().current(), drawn);
  EXPECT_EQ(editor->document().undoStack().count(), 1);
  EXPECT_EQ(model.Settings.LevelFileName, "mine.lvl");
  EXPECT_TRUE(model.Settings.BuiltInLevels);
  EXPECT_EQ(TempDirectory::Read(table), tableBefore);
  emit menu->aboutToShow();
  EXPECT_TRUE(form.findChild<QAction*>(QStringLiteral("LevelEditorItem"))->isVisible());

  // Closing the main window asks about the editor's unsaved level first.
  {
    const BoxAnswer cancel(QMessageBox::Cancel);
    form.close();
    EXPECT_EQ(cancel.name(), QStringLiteral("UnsavedChangesBox"));
  }
  EXPECT_TRUE(form.isVisible());
  const BoxAnswer discard(QMessageBox::Discard);
  form.close();
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace coilrun::testing
