// Starts a game as a player does: F2, then Start in the new game dialog,
// with its choices as they stand or with the number of players given.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "tests/shell/modal_answer.h"

namespace coilrun::testing {

inline void StartGameFromTheDialog(QWidget& window, int players = 0) {
  const ModalAnswer clickStart([players](QWidget& dialog) {
    static const char* const kPlayerButtons[] = {"", "OnePlayer1", "TwoPlayers1", "ThreePlayers1", "FourPlayers1"};
    if (players >= 1 && players <= 4) {
      if (auto* button = dialog.findChild<QAbstractButton*>(QLatin1String(kPlayerButtons[players]))) button->click();
    }
    if (auto* start = dialog.findChild<QAbstractButton*>(QStringLiteral("StartButton"))) start->click();
  });
  QTest::keyClick(&window, Qt::Key_F2);
  // A message box during the start would be closed unread.
  EXPECT_EQ(clickStart.dialogsSeen(), 1) << "F2 showed no new game dialog, or more than it";
}

}  // namespace coilrun::testing
