#include "present/report_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "game/screens.h"
#include "present/text_painting.h"
#include "tests/present/surface_checks.h"
#include "tests/support/fake_host.h"
#include "tests/support/recording_view.h"

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
    panel.InitMessages(host.seed);
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

  // The ink of both lines starts within the first glyph's bearing of x = 14.
  void ExpectPairAt14() const {
    for (const int top : {2, 18}) {
      EXPECT_GE(Ink({0, top, kReportWidth, 14}).left(), 14) << "row at " << top;
      EXPECT_LT(Ink({0, top, kReportWidth, 14}).left(), 14 + 3) << "row at " << top;
    }
  }

  // Enters an information screen as the game does.
  void Enter(int state) { screens.ShowScreen(static_cast<ScreenStateValue>(state)); }

  GameModel model;
  testing::FakeHost host;
  Surfaces surfaces{model};
  ReportPanel panel{model, surfaces};
  // The panel with the game's control of its timer; the field is not drawn.
  testing::RecordingView field{model};
  Screens screens{model, {field, panel, field}, host};
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

// A value asked for again unchanged is not painted again; whatever else
// was painted over it in the meantime, it shows again.
TEST_F(ReportPanelTest, AnUnchangedValueShowsAgainAfterThePanelWasPaintedOver) {
  const QColor kBlue(0x00, 0x00, 0xFF);
  const struct {
    const char* what;
    std::function<void()> paintOver;
    QColor background;
  } cases[] = {
      {"cleared", [&] { panel.ClearReport(); }, kRed},
      {"message lines", [&] { panel.DrawReportLines(QString(40, QLatin1Char('W')), QString(40, QLatin1Char('W'))); },
       kRed},
      {"panel colour", [&] { model.Settings.ReportColor = RgbColor(0, 0, 0xFF); }, kBlue},
  };
  for (const auto& paintedOver : cases) {
    model.Settings.PlayerCount = 4;
    model.Settings.ReportColor = RgbColor(0xFF, 0, 0);
    panel.RepaintReport();
    panel.ShowScore(1);
    paintedOver.paintOver();
    panel.ShowScore(1);
    EXPECT_TRUE(ShowsText(surfaces.report(), {64, 2}, QStringLiteral("1000  "), font, kWhite, paintedOver.background))
        << paintedOver.what;
  }
}

TEST_F(ReportPanelTest, LeftAndCenterModesPlaceThePairWithoutTheTimer) {
  model.Settings.ReportMode = ReportLeft;
  Enter(KeysScreen);
  ExpectPairAt14();
  EXPECT_FALSE(host.reportTimerOn);

  model.Settings.ReportMode = ReportCenter;
  panel.RepaintReport();
  for (const int top : {2, 18}) {
    const QRect ink = Ink({0, top, kReportWidth, 14});
    EXPECT_NEAR(ink.left() + ink.right(), 2 * 250, 4) << "row at " << top;
  }
  EXPECT_FALSE(host.reportTimerOn);
}

bool CameBack(const std::vector<std::int32_t>& positions) {
  const auto turn = std::find_if(positions.begin(), positions.end(), [](std::int32_t x) { return x < 0; });
  return std::find_if(turn, positions.end(), [](std::int32_t x) { return x > 0; }) != positions.end();
}

// A moving line's positions, tick by tick: from 11 it runs right by `step`,
// turns negative on the tick it passes the right edge, and comes back at 10.
void ExpectBounce(const std::vector<std::int32_t>& positions, int step) {
  EXPECT_EQ(positions[0], 11);
  EXPECT_EQ(positions[1], 11 + step);
  const auto turn = std::find_if(positions.begin(), positions.end(), [](std::int32_t x) { return x < 0; });
  ASSERT_NE(turn, positions.end());
  EXPECT_EQ(*turn, -(turn[-1] + step));
  const auto back = std::find_if(turn, positions.end(), [](std::int32_t x) { return x > 0; });
  ASSERT_NE(back, positions.end());
  EXPECT_EQ(*back, 10);
  EXPECT_GT(back[-1], -10 - step);
}

TEST_F(ReportPanelTest, MovingLinesStartAt11AndBounceAt492And10WithoutTrails) {
  model.Settings.ReportMode = ReportMoving;
  model.Settings.ReportStep = 5;
  for (int pair = 0; pair < 3; ++pair) {
    Enter(KeysScreen);
    Enter(TitleScreen);  // the title screen's next pair
    ASSERT_TRUE(host.reportTimerOn);
    // Nothing trails behind a line: its ink keeps its width all the way.
    const int topWidth = Ink({0, 2, kReportWidth, 14}).width();
    const int bottomWidth = Ink({0, 18, kReportWidth, 14}).width();
    std::vector<std::int32_t> top{panel.topLineX()};
    std::vector<std::int32_t> bottom{panel.bottomLineX()};
    while (top.size() < 1000 && !(CameBack(top) && CameBack(bottom))) {
      screens.ReportTimerTimer();
      top.push_back(panel.topLineX());
      bottom.push_back(panel.bottomLineX());
      ASSERT_EQ(Ink({0, 2, kReportWidth, 14}).width(), topWidth) << "tick " << top.size();
      ASSERT_EQ(Ink({0, 18, kReportWidth, 14}).width(), bottomWidth) << "tick " << top.size();
    }
    ExpectBounce(top, 6);
    ExpectBounce(bottom, 5);
  }
}

TEST_F(ReportPanelTest, SwitchingMovingToLeftOnAScreenStopsTheTimerAndRedrawsAt14) {
  model.Settings.ReportMode = ReportMoving;
  Enter(HighScoreScreen);
  for (int tick = 0; tick < 30; ++tick) screens.ReportTimerTimer();
  ASSERT_GT(Ink({0, 2, kReportWidth, 14}).left(), 100);

  screens.SetReportMode(ReportLeft);
  EXPECT_FALSE(host.reportTimerOn);
  EXPECT_EQ(model.Settings.ReportMode, ReportLeft);
  ExpectPairAt14();

  screens.SetReportMode(ReportMoving);
  EXPECT_TRUE(host.reportTimerOn);
}

TEST_F(ReportPanelTest, TheTimerMovesNothingDuringPlayAndStopsOnAScreenOutOfMovingMode) {
  model.Settings.ReportMode = ReportMoving;
  model.Settings.PlayerCount = 1;
  panel.RepaintReport();
  host.reportTimerOn = true;
  const QImage report = surfaces.report().copy();
  screens.ReportTimerTimer();
  EXPECT_EQ(surfaces.report(), report);

  // The mode changed to Left during play; the game ended on the title page.
  screens.SetReportMode(ReportLeft);
  Enter(TitleScreen);
  const QImage title = surfaces.report().copy();
  screens.ReportTimerTimer();
  EXPECT_FALSE(host.reportTimerOn);
  EXPECT_EQ(surfaces.report(), title);
}

}  // namespace
}  // namespace coilrun
