#include "shell/editor/level_editor_launcher.h"

#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>

#include "formats/record_file.h"
#include "game/menu_state.h"
#include "shell/editor/level_editor.h"

namespace coilrun {

namespace {

// The game's end shows within a beat; a tenth of a second is soon enough
// to bring the editor back and costs nothing while the player plays.
constexpr int kWatchInterval = 100;

void ShowBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Level editor"), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

LevelEditorLauncher::LevelEditorLauncher(Game& game, const GameModel& model, QWidget& mainWindow)
    : QObject(&mainWindow), game_(game), model_(model), mainWindow_(mainWindow) {
  watch_.setInterval(kWatchInterval);
  connect(&watch_, &QTimer::timeout, this, &LevelEditorLauncher::WatchPlayTest);
}

LevelEditorLauncher::~LevelEditorLauncher() = default;

void LevelEditorLauncher::Open(const QString& file) {
  if (GameInPlay(model_) || watch_.isActive()) return;
  if (editor_ == nullptr) {
    editor_ = new LevelEditor(
        model_, [this](const LevelDesign& level) { PlayTest(level); }, &mainWindow_);
    editor_->setWindowFlag(Qt::Window);
    editor_->resize(editor_->sizeHint().expandedTo(QSize(980, 560)));
  }
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
  // A file that is not there yet is one the player means to make.
  if (file.isEmpty()) return;
  if (QFileInfo::exists(file)) {
    editor_->OpenFile(file);
  } else {
    editor_->NewFileAt(file);
  }
}

bool LevelEditorLauncher::MayCloseWindow() { return editor_ == nullptr || editor_->MayDiscard(); }

// The level goes to the game as a file of its own, never one of the
// player's: what is played is what the stream encoder writes and the
// game's loader reads.
void LevelEditorLauncher::PlayTest(const LevelDesign& level) {
  if (GameInPlay(model_)) {
    ShowBox(editor_, tr("A game is in play in the main window. Stop it first."));
    return;
  }
  if (!playTestDirectory_) playTestDirectory_ = std::make_unique<QTemporaryDir>();
  if (!playTestDirectory_->isValid()) {
    ShowBox(editor_, tr("No temporary folder for the play-test: %1").arg(playTestDirectory_->errorString()));
    playTestDirectory_.reset();
    return;
  }
  LevelFileEncoder encoder(LevelFileEncoder::Format::Stream);
  encoder.Add(level);
  const QString file = playTestDirectory_->filePath(QStringLiteral("play-test.lvl"));
  const std::string name = QFile::encodeName(file).toStdString();
  if (const FileResult failure = ReplaceFile(name, encoder.Finish())) {
    ShowBox(editor_, QStringLiteral("%1: %2").arg(file, QString::fromStdString(failure->text())));
    return;
  }
  editor_->hide();
  mainWindow_.raise();
  mainWindow_.activateWindow();
  game_.StartPlayTest(name);
  watch_.start();
}

void LevelEditorLauncher::WatchPlayTest() {
  if (!game_.FinishPlayTestIfOver()) return;
  watch_.stop();
  editor_->statusBar()->showMessage(tr("The play-test is over."), 5000);
  editor_->show();
  editor_->raise();
  editor_->activateWindow();
}

}  // namespace coilrun
