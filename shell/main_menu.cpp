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

}  // namespace

QAction* AddItem(QMenu& menu, const char* name, const QString& caption) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(QLatin1String(name));
  return item;
}

void AddSeparator(QMenu& menu, const char* name) { menu.addSeparator()->setObjectName(QLatin1String(name)); }

MainMenu::MainMenu(QMainWindow& window) {
  QMenuBar& bar = *window.menuBar();
  bar.setObjectName(QStringLiteral("MainMenu"));

  GameMenu = AddMenu(bar, "GameMenu", QStringLiteral("&Game"));
  // The window takes F2 itself, shown or hidden as New may be; the item
  // only names its shortcut.
  NewItem = AddItem(*GameMenu, "NewItem", QStringLiteral("&New\tF2"));
  PauseItem = AddItem(*GameMenu, "PauseItem", QStringLiteral("&Pause"));
  PauseItem->setCheckable(true);
  PauseItem->setVisible(false);
  StopItem = AddItem(*GameMenu, "StopItem", QStringLiteral("&Stop"));
  StopItem->setVisible(false);
  AddSeparator(*GameMenu, "GameSeparator");
  ExitItem = AddItem(*GameMenu, "ExitItem", QStringLiteral("&Exit"));
  AddSeparator(*GameMenu, "LevelEditorSeparator");
  LevelEditorItem = AddItem(*GameMenu, "LevelEditorItem", QStringLiteral("&Level editor..."));

  OptionsMenu = AddMenu(bar, "OptionsMenu", QStringLiteral("&Options"));
  NamesItem = AddItem(*OptionsMenu, "NamesItem", QStringLiteral("&Names"));
  ColorsItem = AddItem(*OptionsMenu, "ColorsItem", QStringLiteral("&Colors"));
  ViewItem = AddItem(*OptionsMenu, "ViewItem", QStringLiteral("&View"));
  ReportItem = AddItem(*OptionsMenu, "ReportItem", QStringLiteral("&Report"));
  OtherItem = AddItem(*OptionsMenu, "OtherItem", QStringLiteral("&Other"));

  HelpMenu = AddMenu(bar, "HelpMenu", QStringLiteral("&Help"));
  BrickTypesItem = AddItem(*HelpMenu, "BrickTypesItem", QStringLiteral("&Bricks"));
  KeysItem = AddItem(*HelpMenu, "KeysItem", QStringLiteral("&Keys"));
  HighScoresItem = AddItem(*HelpMenu, "HighScoresItem", QStringLiteral("&High score"));
  AddSeparator(*HelpMenu, "HelpSeparator");
  AboutItem = AddItem(*HelpMenu, "AboutItem", QStringLiteral("&About"));
}

}  // namespace coilrun
