// The main window's menu bar: Game, Options and Help with their items. The
// window connects the items; the rules for showing, checking and greying
// them are the game state's.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace coilrun {

// An item or a separator at the end of a menu, named so that tests find it.
QAction* AddItem(QMenu& menu, const char* name, const QString& caption);
void AddSeparator(QMenu& menu, const char* name);

class MainMenu {
 public:
  // Builds the items into the window's menu bar.
  explicit MainMenu(QMainWindow& window);

  QMenu* GameMenu;
  QAction* NewItem;
  QAction* PauseItem;
  QAction* StopItem;
  QAction* ExitItem;
  QAction* LevelEditorItem;

  QMenu* OptionsMenu;
  QAction* NamesItem;
  QAction* ColorsItem;
  QAction* ViewItem;
  QAction* ReportItem;
  QAction* OtherItem;

  QMenu* HelpMenu;
  QAction* BrickTypesItem;
  QAction* KeysItem;
  QAction* HighScoresItem;
  QAction* AboutItem;
};

}  // namespace coilrun
