#include "present/report_panel.h"

#include <gtest/gtest.h>

#include <functional>

#include "present/text_painting.h"
#include "tests/present/surface_checks.h"
#include "tests/support/fake_host.h"

namespace coilrun {
namespace {

using testing::InkBounds;
using testing::ShowsText;

const QColor kRed(0xFF, 0x00, 0x00);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);

class ReportPanelTest : public ::testing::Test {
 protected:
  ReportPanelTest() {
    model.ScreenState = BoardScreen;
    model.LevelNumber = 7;
    model.TargetNumber = 3;
    for (int player = 1; player <= kMaxPlayers; ++player) {
      model.Players[player].Score = 1000 * player;
      model.Players[player].RoundScore = 10 * player;
      model.Players[player].Lives = static_cast<std::int8_t>(player);
      model.Players[player].Wins = static_cast<std::uint8_t>(20 + player);
    }
    panel.InitMessages();
  }

  ::testing::AssertionResult Label(int x, int y, const char* text) const {
    return ShowsText(surfaces.report(), {x, y}, QString::fromLatin1(text), font, kYellow, kRed);
  }
  ::testing::AssertionResult Value(int x, int y, const QString& text) const {
    return ShowsText(surfaces.report(), {x, y}, text, font, kWhite, kRed);
  }
  QRect Ink(const QRect& area) const { return InkBounds(surfaces.report(), area, kRed); }
  QRect AllInk() const { return Ink(surfaces.report().rect()); }
  int Width(const QString& text) const { return TextSize(font, text).width(); }

  // Enters an information screen as the screens do: the pair first, then the state.
  void Enter(int state) {
    panel.ShowStateMessage(state);
    model.ScreenState = static_cast<std::uint8_t>(state);
  }

  GameModel model;
  testing::FakeHost host;
  Surfaces surfaces{model};
  ReportPanel panel{model, surfaces, host};
  const QFont font = SansFace(11, true);
};

TEST_F(ReportPanelTest, OneAndTwoPlayerGamesShowTwoPlayerColumnsAndTheGamesOwnValues) {
  model.LevelNumber = 101;  // the first level of a file is level 1
  model.Settings.Speed = 10;
  for (const int count : {1, 2}) {
    model.Settings.PlayerCount = static_cast<std::uint8_t>(count);
    panel.RepaintReport();

    EXPECT_TRUE(Label(14, 2, "Score"));
    EXPECT_TRUE(Label(14, 18, "Lives "));
    EXPECT_TRUE(Label(144, 2, "Score"));
    EXPECT_TRUE(Label(144, 18, "Lives "));
    EXPECT_TRUE(Label(274, 2, "Number"));
    EXPECT_TRUE(Label(274, 18, "Level"));
    EXPECT_TRUE(Label(404, 2, "Wrap"));
    EXPECT_TRUE(Label(404, 18, "Speed"));
    EXPECT_TRUE(Value(64, 2, "1000  "));
    EXPECT_TRUE(Value(64, 18, "1  "));
    // A lone player's game still shows player 2's record.
    EXPECT_TRUE(Value(194, 2, "2000  "));
    EXPECT_TRUE(Value(194, 18, "2  "));
    EXPECT_TRUE(Value(340, 2, "3 "));
    EXPECT_TRUE(Value(324, 18, "1  "));
    EXPECT_TRUE(Value(454, 2, "Yes "));
    EXPECT_TRUE(Value(460, 18, "10  "));
  }
}

TEST_F(ReportPanelTest, ThreeOrFourPlayersFillFourPlayerColumnsAndHideTheGamesValues) {
  for (const int count : {3, 4}) {
    model.Settings.PlayerCount = static_cast<std::uint8_t>(count);
    panel.RepaintReport();
    for (int player = 1; player <= 4; ++player) {
      const int left = 130 * (player - 1);
      EXPECT_TRUE(Label(left + 14, 2, "Score")) << player;
      EXPECT_TRUE(Label(left + 14, 18, "Lives ")) << player;
      EXPECT_TRUE(Value(left + 64, 2, QString::number(1000 * player) + "  ")) << player;
      EXPECT_TRUE(Value(left + 64, 18, QString::number(player) + "  ")) << player;
    }

    panel.ClearReport();
    panel.ShowNumber();
    panel.ShowLevel();
    panel.ShowWrap();
    panel.ShowSpeed();
    EXPECT_TRUE(AllInk().isEmpty()) << count << " players";
  }
}

TEST_F(ReportPanelTest, CompetitionShowsRoundScoresAndWinsFourPixelsLeftOfLives) {
  model.Settings.Competition = true;
  model.Settings.PlayerCount = 4;
  panel.RepaintReport();
  for (int player = 1; player <= 4; ++player) {
    const int left = 130 * (player - 1);
    EXPECT_TRUE(Label(left + 14, 18, "Wins  ")) << player;
    EXPECT_TRUE(Value(left + 64, 2, QString::number(10 * player) + "  ")) << player;
    EXPECT_TRUE(Value(left + 60, 18, QString::number(20 + player) + "  ")) << player;
  }
}

TEST_F(ReportPanelTest, TrailingBlanksWipeTheTailOfALongerValue) {
  model.Settings.Speed = 10;
  panel.RepaintReport();
  model.Settings.Speed = 9;
  panel.ShowSpeed();
  EXPECT_TRUE(Value(460, 18, "9  "));
  EXPECT_TRUE(Ink({460 + Width("9  "), 18, 40, 14}).isEmpty());

  model.Settings.Wrap = false;
  panel.ShowWrap();
  EXPECT_TRUE(Value(454, 2, "No  "));
  EXPECT_TRUE(Ink({454 + Width("No  "), 2, 40, 14}).isEmpty());
}

TEST_F(ReportPanelTest, ValuesDrawNothingWhileAScreenIsShown) {
  model.Settings.PlayerCount = 2;
  model.ScreenState = TitleScreen;
  panel.ClearReport();
  for (int player = 1; player <= 4; ++player) {
    panel.ShowScore(player);
    panel.ShowLives(player);
  }
  panel.ShowNumber();
  panel.ShowLevel();
  panel.ShowWrap();
  panel.ShowSpeed();
  EXPECT_TRUE(AllInk().isEmpty());
}

TEST_F(ReportPanelTest, LeftAndCenterModesPlaceThePairWithoutTheTimer) {
  model.Settings.ReportMode = ReportLeft;
  Enter(KeysScreen);
  for (const int top : {2, 18}) {
    EXPECT_GE(Ink({0, top, kReportWidth, 14}).left(), 14) << "row at " << top;
    EXPECT_LT(Ink({0, top, kReportWidth, 14}).left(), 14 + 3) << "row at " << top;
  }
  EXPECT_FALSE(host.reportTimerOn);

  model.Settings.ReportMode = ReportCenter;
  panel.RepaintReport();
  for (const int top : {2, 18}) {
    const QRect ink = Ink({0, top, kReportWidth, 14});
    EXPECT_NEAR(ink.left() + ink.right(), 2 * 250, 4) << "row at " << top;
  }
  EXPECT_FALSE(host.reportTimerOn);
}

// Ticks until both moving lines have run to the right edge and back to the
// left one. Each line must leave no trail: its ink keeps its width all the way.
void FollowMovingLines(ReportPanel& panel, const std::function<QRect(int top)>& rowInk, int step) {
  struct Line {
    int top;
    int step;
    std::int32_t (ReportPanel::*position)() const;
    int inkWidth = 0;
    bool turnedAtRight = false;
    bool turnedAtLeft = false;
  };
  Line lines[] = {{2, step + 1, &ReportPanel::topLineX}, {18, step, &ReportPanel::bottomLineX}};
  for (Line& line : lines) line.inkWidth = rowInk(line.top).width();
  for (int tick = 0; tick < 1000 && !(lines[0].turnedAtLeft && lines[1].turnedAtLeft); ++tick) {
    const std::int32_t before[] = {(panel.*lines[0].position)(), (panel.*lines[1].position)()};
    panel.ReportTimerTimer();
    for (int i = 0; i < 2; ++i) {
      Line& line = lines[i];
      const std::int32_t after = (panel.*line.position)();
      const QRect ink = rowInk(line.top);
      ASSERT_EQ(ink.width(), line.inkWidth) << "line at " << line.top << ", tick " << tick;
      ASSERT_GE(ink.left(), std::abs(after)) << "line at " << line.top << ", tick " << tick;
      if (before[i] > 0 && after < 0) {
        line.turnedAtRight = true;
        EXPECT_EQ(after, -(before[i] + line.step)) << "line at " << line.top;
        EXPECT_GT(ink.right(), 492 - 30) << "line at " << line.top;
      }
      if (before[i] < 0 && after > 0) {
        line.turnedAtLeft = true;
        EXPECT_GT(before[i], -10 - line.step) << "line at " << line.top;
        EXPECT_EQ(after, 10) << "line at " << line.top;
      }
    }
  }
  for (const Line& line : lines) {
    EXPECT_TRUE(line.turnedAtRight) << "line at " << line.top;
    EXPECT_TRUE(line.turnedAtLeft) << "line at " << line.top;
  }
}

TEST_F(ReportPanelTest, MovingLinesStartAt11AndBounceAt492And10WithoutTrails) {
  model.Settings.ReportMode = ReportMoving;
  model.Settings.ReportStep = 5;
  model.Settings.ReportInterval = 45;
  for (int pair = 0; pair < 3; ++pair) {
    Enter(KeysScreen);
    Enter(TitleScreen);  // the title screen's next pair
    EXPECT_TRUE(host.reportTimerOn);
    EXPECT_EQ(host.reportTimerInterval, 45);
    EXPECT_EQ(panel.topLineX(), 11);
    EXPECT_EQ(panel.bottomLineX(), 11);
    FollowMovingLines(
        panel,
        [this](int top) {
          return Ink({0, top, kReportWidth, 14});
        },
        5);
  }
}

TEST_F(ReportPanelTest, PairIsDrawnAgainOnRepaintAndAdvancesOnlyWhenEnteredAnew) {
  model.Settings.ReportMode = ReportLeft;
  Enter(KeysScreen);
  const QImage keysFirst = surfaces.report().copy();
  panel.RepaintReport();
  EXPECT_EQ(surfaces.report(), keysFirst);
  Enter(KeysScreen);
  EXPECT_EQ(surfaces.report(), keysFirst);

  Enter(AboutScreen);
  Enter(KeysScreen);
  EXPECT_NE(surfaces.report(), keysFirst);
  Enter(AboutScreen);
  Enter(KeysScreen);
  Enter(AboutScreen);
  Enter(KeysScreen);
  EXPECT_EQ(surfaces.report(), keysFirst) << "three pairs, taken in turn";
}

TEST_F(ReportPanelTest, SwitchingMovingToLeftOnAScreenStopsTheTimerAndRedrawsAt14) {
  model.Settings.ReportMode = ReportMoving;
  Enter(HighScoreScreen);
  for (int tick = 0; tick < 30; ++tick) panel.ReportTimerTimer();
  ASSERT_GT(Ink({0, 2, kReportWidth, 14}).left(), 100);

  panel.ChangeReportMode(ReportLeft);
  EXPECT_FALSE(host.reportTimerOn);
  EXPECT_EQ(model.Settings.ReportMode, ReportLeft);
  EXPECT_EQ(panel.topLineX(), 14);
  EXPECT_EQ(panel.bottomLineX(), 14);
  for (const int top : {2, 18}) {
    EXPECT_GE(Ink({0, top, kReportWidth, 14}).left(), 14) << "row at " << top;
    EXPECT_LT(Ink({0, top, kReportWidth, 14}).left(), 14 + 3) << "row at " << top;
  }

  panel.ChangeReportMode(ReportMoving);
  EXPECT_TRUE(host.reportTimerOn);
}

TEST_F(ReportPanelTest, TheTimerMovesNothingDuringPlayAndStopsOnAScreenOutOfMovingMode) {
  model.Settings.ReportMode = ReportMoving;
  model.Settings.PlayerCount = 1;
  panel.RepaintReport();
  host.reportTimerOn = true;
  const QImage report = surfaces.report().copy();
  panel.ReportTimerTimer();
  EXPECT_EQ(surfaces.report(), report);

  // The mode changed to Left during play; the game ended on the title page.
  panel.ChangeReportMode(ReportLeft);
  Enter(TitleScreen);
  const QImage title = surfaces.report().copy();
  panel.ReportTimerTimer();
  EXPECT_FALSE(host.reportTimerOn);
  EXPECT_EQ(surfaces.report(), title);
}

}  // namespace
}  // namespace coilrun
