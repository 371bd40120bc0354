#include "present/information_screens.h"

#include <gtest/gtest.h>

#include "game/game.h"
#include "game/game_parts.h"
#include "present/presentation.h"
#include "present/text_painting.h"
#include "tests/present/surface_checks.h"
#include "tests/support/fake_host.h"

namespace coilrun {
namespace {

using testing::InkBounds;
using testing::ShowsText;

const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kWhite(0xFF, 0xFF, 0xFF);

class InformationScreensTest : public ::testing::Test {
 protected:
  InformationScreensTest() {
    model.ScreenState = TitleScreen;
    presentation.report.InitMessages(host.seed);
  }

  const QImage& Field() const { return presentation.surfaces.field(); }
  const QImage& Report() const { return presentation.surfaces.report(); }
  ::testing::AssertionResult Body(int x, int y, const QString& text) const {
    return ShowsText(Field(), {x, y}, text, SansFace(12, false), Qt::black, kGreen);
  }

  // A level in play with bricks of two kinds, a snake and the target, all
  // clear of the pause box.
  void SetUpGame() {
    model.ScreenState = BoardScreen;
    model.Settings.PlayerCount = 1;
    for (int x = 5; x < 45; x += 3) {
      model.LevelGrid.at(x, 25).Content = x % 2 ? -4 : -1;
      model.LevelGrid.at(x, 25).Occupied = 1;
    }
    PlayerState& snake = model.Players[1];
    snake.Length = 6;
    snake.Lives = 3;
    snake.Color = RgbColor(0xFF, 0xFF, 0xFF);
    for (int k = 1; k <= 6; ++k) {
      snake.BodyX[k] = 20 - k;
      snake.BodyY[k] = 20;
    }
    model.TargetX = 25;
    model.TargetY = 22;
    model.TargetNumber = 4;
    host.gameTimerOn = true;
    presentation.screens.RepaintBoard();
    presentation.report.RepaintReport();
  }

  GameModel model;
  testing::FakeHost host;
  Presentation presentation{model, host.highScores};
  InformationScreens& screens = presentation.screens;
  GameParts parts{model, presentation.views(), host.ports()};
  Game game{parts};
};

// Without the wipe a shorter row would keep the end of the longer one.
TEST_F(InformationScreensTest, AfterAResetTheHighScorePageShowsOnlyTheNewRows) {
  host.highScores.table[0] = {"Bartholomew XIV", 987654};
  game.ShowHelpScreen(HighScoreScreen);
  ASSERT_TRUE(Body(260, 70, "987654"));
  host.highScores.DeleteHighScores();
  screens.RedrawHighScoresAfterReset();
  const QRect firstRow = InkBounds(Field(), QRect(100, 70, 299, 16), kGreen);
  EXPECT_EQ(firstRow, QRect(QPoint(260, 70), TextSize(SansFace(12, false), QStringLiteral("0"))) & firstRow);
  EXPECT_TRUE(Body(260, 70, "0"));
}

TEST_F(InformationScreensTest, AnotherScreenInBetweenAdvancesThePairWhileARepaintKeepsIt) {
  game.ShowHelpScreen(KeysScreen);
  const QImage keysPair = Report().copy();
  screens.RepaintBoard();
  presentation.report.RepaintReport();
  EXPECT_EQ(Report(), keysPair);

  game.ShowHelpScreen(AboutScreen);
  EXPECT_EQ(model.ScreenState, AboutScreen);
  game.ShowHelpScreen(KeysScreen);
  EXPECT_EQ(model.ScreenState, KeysScreen);
  EXPECT_NE(Report(), keysPair);
  EXPECT_TRUE(Body(100, 60, "Player 1"));
  EXPECT_TRUE(Body(320, 260, "D - Right"));
}

// Start-up ends on the title page after the three end pages, which nobody
// sees: it may skip painting them, but each must take its turn of message
// pairs as if it had been shown.
TEST_F(InformationScreensTest, StartUpLooksAsIfEachEndPageHadBeenShownBeforeTheTitle) {
  GameModel shownModel;
  testing::FakeHost shownHost;
  Presentation shown{shownModel, shownHost.highScores};
  shown.report.InitMessages(host.seed);
  GameParts shownParts{shownModel, shown.views(), shownHost.ports()};
  for (const ScreenStateValue screen : {WinnerScreen, CongratulationsScreen, DisappointmentScreen, TitleScreen})
    shownParts.screens.ShowScreen(screen);

  model.ScreenState = BoardScreen;
  parts.screens.PrepareInformationScreens();
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_EQ(Field(), shown.surfaces.field());
  EXPECT_EQ(Report(), shown.surfaces.report());
  for (const ScreenStateValue screen : {WinnerScreen, CongratulationsScreen, DisappointmentScreen}) {
    parts.screens.ShowScreen(screen);
    shownParts.screens.ShowScreen(screen);
    EXPECT_EQ(Report(), shown.surfaces.report()) << "screen " << screen;
  }
}

TEST_F(InformationScreensTest, HighScorePageReadsTheTableOnEveryRepaint) {
  host.highScores.table[0] = {"Alice", 8500};
  host.highScores.table[9] = {"Bo", -3};
  game.ShowHelpScreen(HighScoreScreen);
  const QImage pair = Report().copy();
  const QFont body = SansFace(12, false);
  EXPECT_TRUE(Body(240 - TextSize(body, "Alice").width(), 70, "Alice"));
  EXPECT_TRUE(Body(260, 70, "8500"));
  EXPECT_TRUE(Body(240 - TextSize(body, "Bo").width(), 250, "Bo"));
  EXPECT_TRUE(Body(260, 250, "-3"));

  host.highScores.table[0] = {"Carmen", 9100};
  screens.RepaintBoard();
  presentation.report.RepaintReport();
  EXPECT_TRUE(Body(240 - TextSize(body, "Carmen").width(), 70, "Carmen"));
  EXPECT_TRUE(Body(260, 70, "9100"));
  EXPECT_EQ(Report(), pair);
}

TEST_F(InformationScreensTest, WhiteOfTheFourEndPicturesTakesTheFieldColourButNotOnTheAboutPage) {
  model.Settings.BackColor = RgbColor(0, 0, 0xFF);
  Pictures pictures;

  struct Page {
    ScreenStateValue screen;
    const QImage& picture;
    QPoint topLeft;
    bool seeThrough;
  };
  const Page pages[] = {
      {TitleScreen, pictures.LogoPic(), {250 - 345 / 2, 60}, true},
      {CongratulationsScreen, pictures.ExePic(), {250 - 198 / 2, 90}, true},
      {DisappointmentScreen, pictures.SkipPic(), {250 - 400 / 2, 90}, true},
      {WinnerScreen, pictures.CompPic(), {250 - 178 / 2, 90}, true},
      {AboutScreen, pictures.AuthorPic(), {40, 60}, false},
  };
  for (const Page& page : pages) {
    parts.screens.ShowScreen(page.screen);
    int whiteInPicture = 0;
    for (int y = 0; y < page.picture.height(); ++y) {
      for (int x = 0; x < page.picture.width(); ++x) {
        const QPoint at = page.topLeft + QPoint(x, y);
        if (!Field().rect().contains(at)) continue;  // the congratulations picture reaches below the field
        const QColor own = page.picture.pixelColor(x, y);
        const QColor shown = Field().pixelColor(at);
        whiteInPicture += own == kWhite ? 1 : 0;
        ASSERT_EQ(shown, own == kWhite && page.seeThrough ? kBlue : own) << "state " << int(model.ScreenState);
      }
    }
    if (page.seeThrough) {
      EXPECT_GT(whiteInPicture, 0) << "state " << int(model.ScreenState);
    }
  }
  // The about page's text begins 20 pixels right of the 105-pixel picture.
  EXPECT_TRUE(ShowsText(Field(), {165, 60}, "Coilrun version 2.1", SansFace(12, false), Qt::black, kBlue));
}

TEST_F(InformationScreensTest, BrickTypesPageLeavesTheLevelGridAsItWasUnderItsSpacedTitle) {
  for (const std::int32_t content : {-5, -2}) {
    BoardCell& cell = model.LevelGrid.at(17, 9);
    cell.Content = content;
    cell.Occupied = 1;
    cell.Extra = {static_cast<std::uint8_t>('A' - 128), 3, 4, 5};
    const BoardGrid before = model.LevelGrid;
    model.ScreenState = TitleScreen;
    game.ShowHelpScreen(BrickTypesScreen);
    EXPECT_EQ(model.LevelGrid, before) << "Content " << content;
  }
  EXPECT_TRUE(Body(210, 85, "Character brick"));
  const QString heading = SpacedTitle("BRICK TYPES");
  EXPECT_EQ(heading, "coilrun B R I C K   T Y P E S");
  const QFont title = SansFace(16, true);
  EXPECT_TRUE(ShowsText(Field(), {250 - TextSize(title, heading).width() / 2, 20}, heading, title, Qt::black, kGreen));
}

TEST_F(InformationScreensTest, WinnerPageNamesTheHigherNumberedOfTiedPlayers) {
  model.Settings.PlayerCount = 3;
  const char* names[] = {"", "Ann", "Ben", "Cy"};
  const std::uint8_t wins[] = {0, 2, 5, 5};
  for (int player = 1; player <= 3; ++player) {
    model.Players[player].Name = names[player];
    model.Players[player].Wins = wins[player];
  }
  parts.screens.ShowScreen(WinnerScreen);
  EXPECT_TRUE(Body(250 - TextSize(SansFace(12, false), "Cy").width() / 2, 65, "Cy"));
}

TEST_F(InformationScreensTest, PauseBoxIsCentredOn250And130AndResumingLeavesNoTraceOfItNorOfAScreen) {
  SetUpGame();
  const QImage board = Field().copy();
  const QImage report = Report().copy();
  game.Pause1Click();
  ASSERT_EQ(model.ScreenState, PauseScreen);

  const QRect around(100, 80, 300, 100);  // nothing of the game lies here
  QRect inside;
  for (int y = around.top(); y <= around.bottom(); ++y)
    for (int x = around.left(); x <= around.right(); ++x)
      if (Field().pixelColor(x, y) == kWhite) inside |= QRect(x, y, 1, 1);
  const QRect drawn = InkBounds(Field(), around, kGreen);
  // Centred on (250, 130), less half a pixel: the box spans an even width.
  EXPECT_EQ(inside.left() + inside.right(), 2 * 250 - 1);
  EXPECT_EQ(inside.top() + inside.bottom(), 2 * 130 - 1);
  EXPECT_EQ(drawn, inside.adjusted(-1, -1, 6, 6));
  // The shadow: 5 pixels right of and below the box's black frame.
  EXPECT_EQ(Field().pixelColor(drawn.right(), inside.top() + 3), kGreen);
  EXPECT_EQ(Field().pixelColor(drawn.right(), inside.top() + 4), Qt::black);
  EXPECT_EQ(Field().pixelColor(inside.left() + 3, drawn.bottom()), kGreen);
  EXPECT_EQ(Field().pixelColor(inside.left() + 4, drawn.bottom()), Qt::black);
  // The white is 9 pixels wider than the text on either side.
  EXPECT_TRUE(ShowsText(Field(), {inside.left() + 9, inside.top() + 9}, "Game paused!",
                        FitCellHeight(SansFace(22, true), 22), Qt::black, kWhite));

  game.Pause1Click();
  EXPECT_EQ(Field(), board);
  EXPECT_EQ(Report(), report);

  game.Pause1Click();
  game.ShowHelpScreen(BrickTypesScreen);
  game.Pause1Click();
  EXPECT_EQ(model.ScreenState, BoardScreen);
  EXPECT_EQ(Field(), board);
  EXPECT_EQ(Report(), report);
}

}  // namespace
}  // namespace coilrun
