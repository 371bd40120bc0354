// The main window's menu bar: Game, Options and Help with their items, named
// as the handlers that serve them. The window connects the items; the rules
// for showing, checking and greying them are the game state's.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace coilrun {

class MainMenu {
 public:
  // Builds the items into the window's menu bar.
  explicit MainMenu(QMainWindow& window);

  QMenu* Game1;
  QAction* New1;
  QAction* Pause1;
  QAction* Stop1;
  QAction* Exit1;

  QMenu* Options1;
  QAction* Names1;
  QAction* Options2;
  QAction* View1;
  QAction* Report1;
  QAction* Other1;

  QMenu* Help1;
  QAction* BrickTypes1;
  QAction* keys1;
  QAction* HighScores1;
  QAction* About1;
};

}  // namespace coilrun
