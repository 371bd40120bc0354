#include "shell/main_menu.h"

#include <QMenuBar>

#include "engine/model.h"

namespace coilrun {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption) {
  QMenu* menu = bar.addMenu(caption);
  menu->setObjectName(QLatin1String(name));
  return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const QString& caption) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(QLatin1String(name));
  return item;
}

void AddSeparator(QMenu& menu, const char* name) { menu.addSeparator()->setObjectName(QLatin1String(name)); }

}  // namespace

MainMenu::MainMenu(QMainWindow& window) {
  QMenuBar& bar = *window.menuBar();
  bar.setObjectName(QStringLiteral("MainMenu1"));

  Game1 = AddMenu(bar, "Game1", QStringLiteral("&Game"));
  // The window takes F2 itself, shown or hidden as New may be; the item
  // only names its shortcut.
  New1 = AddItem(*Game1, "New1", QStringLiteral("&New\tF2"));
  Pause1 = AddItem(*Game1, "Pause1", QStringLiteral("&Pause"));
  Pause1->setCheckable(true);
  Pause1->setVisible(false);
  Stop1 = AddItem(*Game1, "Stop1", QStringLiteral("&Stop"));
  Stop1->setVisible(false);
  AddSeparator(*Game1, "N4");
  Exit1 = AddItem(*Game1, "Exit1", QStringLiteral("&Exit"));

  Options1 = AddMenu(bar, "Options1", QStringLiteral("&Options"));
  Names1 = AddItem(*Options1, "Names1", QStringLiteral("&Names"));
  Options2 = AddItem(*Options1, "Options2", QStringLiteral("&Colors"));
  View1 = AddItem(*Options1, "View1", QStringLiteral("&View"));
  Report1 = AddItem(*Options1, "Report1", QStringLiteral("&Report"));
  Other1 = AddItem(*Options1, "Other1", QStringLiteral("&Other"));

  Help1 = AddMenu(bar, "Help1", QStringLiteral("&Help"));
  BrickTypes1 = AddItem(*Help1, "BrickTypes1", QStringLiteral("&Bricks"));
  keys1 = AddItem(*Help1, "keys1", QStringLiteral("&Keys"));
  HighScores1 = AddItem(*Help1, "HighScores1", QStringLiteral("&High score"));
  AddSeparator(*Help1, "N8");
  About1 = AddItem(*Help1, "About1", QStringLiteral("&About"));
}

}  // namespace coilrun
