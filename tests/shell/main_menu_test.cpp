#include "shell/main_menu.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "shell/high_score_file.h"
#include "shell/main_form.h"
#include "shell/settings_file.h"
#include "tests/shell/arranged_model.h"
#include "tests/shell/start_game.h"
#include "tests/support/fake_host.h"

namespace coilrun {
namespace {

using testing::ArrangedModel;

class MainMenuTest : public ::testing::Test {
 protected:
  QMenu& Menu(const char* name) {
    auto* menu = form.findChild<QMenu*>(QLatin1String(name));
    EXPECT_NE(menu, nullptr) << name;
    return *menu;
  }
  QAction& Item(const char* name) {
    auto* item = form.findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(item, nullptr) << name;
    return *item;
  }

  // Opens a menu as the player would, and lists what it then offers:
  // captions without access keys, "[x]" after a checked item, "(grey)"
  // after a disabled one.
  QString Offered(const char* menuName) {
    QMenu& menu = Menu(menuName);
    emit menu.aboutToShow();
    QStringList shown;
    for (const QAction* item : menu.actions()) {
      if (!item->isVisible() || item->isSeparator()) continue;
      QString caption = item->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
      if (item->isChecked()) caption += QStringLiteral("[x]");
      if (!item->isEnabled()) caption += QStringLiteral("(grey)");
      shown << caption;
    }
    return shown.join(QLatin1Char(' '));
  }

  void StartGame(int players = 1) {
    testing::StartGameFromTheDialog(form, players);
    ASSERT_EQ(ArrangedModel(form).ScreenState, BoardScreen);
  }

  QTemporaryDir dataDirectory;
  MainForm form{dataDirectory.path(), QString()};
};

TEST_F(MainMenuTest, CarriesTheCaptionsAccessKeysAndSeparators) {
  const auto captions = [&](const char* menuName) {
    QStringList texts;
    for (const QAction* item : Menu(menuName).actions())
      texts << (item->isSeparator() ? QStringLiteral("-") : item->objectName() + QLatin1Char('=') + item->text());
    return texts.join(QLatin1Char(' '));
  };
  const QList<QAction*> bar = form.findChild<QMenuBar*>(QStringLiteral("MainMenu"))->actions();
  ASSERT_EQ(bar.size(), 3);
  EXPECT_EQ(bar[0]->text(), QStringLiteral("&Game"));
  EXPECT_EQ(bar[1]->text(), QStringLiteral("&Options"));
  EXPECT_EQ(bar[2]->text(), QStringLiteral("&Help"));
  EXPECT_EQ(captions("GameMenu"), QStringLiteral("NewItem=&New\tF2 PauseItem=&Pause StopItem=&Stop - ExitItem=&Exit - "
                                                 "LevelEditorItem=&Level editor... - SaveReplayItem=Sa&ve replay... "
                                                 "WatchReplayItem=&Watch replay... ReplaySpeed1Item=Replay at normal "
                                                 "speed\t1 ReplaySpeed2Item=Replay twice as fast\t2 ReplaySpeed4Item="
                                                 "Replay four times as fast\t4 NetworkGameItem=Ne&twork game..."));
  EXPECT_EQ(captions("OptionsMenu"),
            QStringLiteral("NamesItem=&Names ColorsItem=&Colors ViewItem=&View ReportItem=&Report OtherItem=&Other - "
                           "ZoomInItem=Zoom &in ZoomOutItem=Zoom o&ut ActualSizeItem=&Actual size "
                           "FullScreenItem=&Full screen - KeysOptionsItem=&Keys"));
  EXPECT_EQ(captions("HelpMenu"),
            QStringLiteral("BrickTypesItem=&Bricks KeysItem=&Keys HighScoresItem=&High score - AboutItem=&About"));
  EXPECT_TRUE(Item("PauseItem").isCheckable());
}

// Through a whole game: play, pause, a help screen over the paused game,
// resuming from the menu, and stopping.
TEST_F(MainMenuTest, GameAndHelpMenusFollowTheGame) {
  GameModel& model = ArrangedModel(form);
  EXPECT_EQ(Offered("GameMenu"),
            QStringLiteral("New Exit Level editor... Save replay...(grey) Watch replay... Network game..."));
  EXPECT_EQ(Offered("HelpMenu"), QStringLiteral("Bricks Keys High score About"));

  StartGame();
  EXPECT_EQ(Offered("GameMenu"), QStringLiteral("Pause Stop Exit"));
  EXPECT_EQ(Offered("HelpMenu"), QStringLiteral("Bricks(grey) Keys(grey) High score(grey) About(grey)"));

  Item("PauseItem").trigger();
  EXPECT_EQ(model.ScreenState, PauseScreen);
  EXPECT_TRUE(model.Settings.Paused);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Game));
  EXPECT_EQ(Offered("GameMenu"), QStringLiteral("Pause[x] Stop Exit"));
  EXPECT_EQ(Offered("HelpMenu"), QStringLiteral("Bricks Keys High score About"));

  // A help screen over the paused game: the game can still be resumed or
  // stopped.
  model.ScreenState = KeysScreen;
  EXPECT_EQ(Offered("GameMenu"), QStringLiteral("Pause[x] Stop Exit"));

  Item("PauseItem").trigger();
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_FALSE(model.Settings.Paused);
  EXPECT_TRUE(form.TimerEnabled(GameTimer::Game));
  EXPECT_FALSE(Item("PauseItem").isChecked());
  EXPECT_EQ(Offered("GameMenu"), QStringLiteral("Pause Stop Exit"));

  Item("StopItem").trigger();
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Game));
  EXPECT_EQ(Offered("GameMenu"),
            QStringLiteral("New Exit Level editor... Save replay... Watch replay... Network game..."));
}

TEST_F(MainMenuTest, StopWhilePausedEndsTheGameForEveryPlayer) {
  GameModel& model = ArrangedModel(form);
  StartGame(3);
  ASSERT_EQ(model.Settings.PlayerCount, 3);
  QTest::keyClick(&form, Qt::Key_P);
  ASSERT_TRUE(model.Settings.Paused);
  model.Settings.ReEnterName = false;
  for (int player = 1; player <= 3; ++player) {
    model.Players[player].Score = 9100;
    model.Players[player].Name = std::string(1, static_cast<char>('A' + player - 1));
  }
  model.Players[2].Lives = 0;

  Item("StopItem").trigger();
  EXPECT_FALSE(model.Settings.Paused);
  EXPECT_FALSE(form.TimerEnabled(GameTimer::Game));
  EXPECT_EQ(model.ScreenState, TitleScreen);
  for (int player = 1; player <= 3; ++player) EXPECT_EQ(model.Players[player].Lives, 0) << player;
  // The players still in play are offered to the table, in player order.
  testing::FakeHost host;
  const HighScoreTable table =
      FileHighScores(dataDirectory.filePath(QStringLiteral("hscores.dat")).toStdString(), host).ReadHighScores();
  EXPECT_EQ(table[0], (HighScoreEntry{"A", 9100}));
  EXPECT_EQ(table[1], (HighScoreEntry{"C", 9100}));
  EXPECT_NE(table[2].Name, "B");

  // The window takes F2 even though New was hidden when the menu last opened.
  testing::StartGameFromTheDialog(form);
  EXPECT_EQ(model.ScreenState, BoardScreen);
}

TEST_F(MainMenuTest, ExitClosesTheWindowThroughItsShutdown) {
  form.show();
  ArrangedModel(form).Settings.Speed = 3;
  Item("ExitItem").trigger();
  EXPECT_FALSE(form.isVisible());
  const SettingsLoad saved = LoadSettings(dataDirectory.filePath(QStringLiteral("settings.dat")).toStdString());
  ASSERT_FALSE(saved.failure);
  EXPECT_EQ(saved.stored.Settings.Speed, 3);
}

}  // namespace
}  // namespace coilrun
