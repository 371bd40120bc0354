// The main window's way into the level editor: it opens the editor's
// window, plays a level of it in the main window on the editor's behalf
// (through the stream encoder and the game's own loader, from a file of its
// own), and brings the editor back once that game is over.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "engine/model.h"
#include "formats/level_design.h"
#include "game/game.h"

namespace coilrun {

class LevelEditor;

class LevelEditorLauncher : public QObject {
  Q_OBJECT

 public:
  LevelEditorLauncher(Game& game, const GameModel& model, QWidget& mainWindow);
  ~LevelEditorLauncher() override;

  // Shows the editor, made on first use, on the file if one is named: an
  // existing one is opened, a new one is started.
  // Nothing happens while a game is in play, as with a new game.
  void Open(const QString& file);
  // Before the main window closes: the editor asks about unsaved changes.
  // False when the player wants to stay.
  bool MayCloseWindow();

  LevelEditor* editor() const { return editor_; }
  bool playTestRunning() const { return watch_.isActive(); }

 private:
  void PlayTest(const LevelDesign& level);
  void WatchPlayTest();

  Game& game_;
  const GameModel& model_;
  QWidget& mainWindow_;
  // A window of its own, owned by the main window.
  LevelEditor* editor_ = nullptr;
  std::unique_ptr<QTemporaryDir> playTestDirectory_;
  QTimer watch_;
};

}  // namespace coilrun
