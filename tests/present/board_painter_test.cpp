#include "present/board_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "present/surfaces.h"

namespace coilrun {
namespace {

const QColor kGreen(0x00, 0xFF, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

using Rows = std::vector<std::string>;

// Hears which players' scores the painter refreshes, and whether the head
// was already on the field when it did.
class ScoreRecordingReport : public SilentReport {
 public:
  explicit ScoreRecordingReport(const Surfaces& surfaces) : surfaces_(surfaces) {}
  void ShowScore(int player) override {
    scoredPlayers.push_back(player);
    headPaintedBeforeScore = surfaces_.field().pixelColor(95, 15) == kYellow;
  }

  std::vector<int> scoredPlayers;
  bool headPaintedBeforeScore = false;

 private:
  const Surfaces& surfaces_;
};

class BoardDrawingTest : public ::testing::Test {
 protected:
  BoardDrawingTest() {
    model.ScreenState = BoardScreen;
    model.LevelNumber = 1;
  }

  BoardCell& Put(int x, int y, std::int32_t content, std::uint8_t extra = 0) {
    BoardCell& cell = model.LevelGrid.at(x, y);
    cell.Content = content;
    cell.Occupied = 1;
    cell.Extra[0] = extra;
    return cell;
  }

  // A plain red square laid by a snake, to see what a drawing keeps of it.
  void PaintRed(int x, int y) {
    model.Settings.SnakeFrame = false;
    Put(x, y, static_cast<std::int32_t>(RgbColor(0xFF, 0, 0)), SnakeBrickMark);
    view.DrawNormalBrick(x, y);
  }

  QColor Pixel(int px, int py) const { return surfaces.field().pixelColor(px, py); }

  // `rows` pixel rows from the top of a cell, as letters: '#' white, 'o'
  // `fill`, '.' the background green, '?' anything else.
  Rows Picture(int x, int y, int rows, const QColor& fill) const {
    Rows picture;
    for (int py = 10 * y; py < 10 * y + rows; ++py) {
      std::string row;
      for (int px = 10 * x; px < 10 * x + 10; ++px) {
        const QColor pixel = Pixel(px, py);
        row += pixel == Qt::white ? '#' : pixel == fill ? 'o' : pixel == kGreen ? '.' : '?';
      }
      picture.push_back(row);
    }
    return picture;
  }

  // The 100 pixels of a cell, row by row.
  std::vector<QColor> CellPixels(int x, int y) const {
    std::vector<QColor> pixels;
    for (int py = 10 * y; py < 10 * y + 10; ++py)
      for (int px = 10 * x; px < 10 * x + 10; ++px) pixels.push_back(Pixel(px, py));
    return pixels;
  }

  int CountInCell(int x, int y, const QColor& color) const {
    int count = 0;
    for (const QColor& pixel : CellPixels(x, y)) count += pixel == color ? 1 : 0;
    return count;
  }

  // Checks that exactly the cell's square was painted: the 12 x 12 ring
  // around it still shows the background.
  void ExpectSurroundingUntouched(int x, int y) const {
    for (int px = 10 * x - 1; px <= 10 * x + 10; ++px) {
      EXPECT_EQ(Pixel(px, 10 * y - 1), kGreen) << px;
      EXPECT_EQ(Pixel(px, 10 * y + 10), kGreen) << px;
    }
    for (int py = 10 * y; py < 10 * y + 10; ++py) {
      EXPECT_EQ(Pixel(10 * x - 1, py), kGreen) << py;
      EXPECT_EQ(Pixel(10 * x + 10, py), kGreen) << py;
    }
  }

  GameModel model;
  Surfaces surfaces{model};
  ScoreRecordingReport report{surfaces};
  BoardPainter view{model, surfaces, report};
};

TEST_F(BoardDrawingTest, FramedSquareHasABlackRingOf36PixelsAroundAnEightByEightFill) {
  model.Settings.MixBricksColors = false;
  model.Settings.BrickFrame = true;
  Put(3, 4, -1);
  view.DrawNormalBrick(3, 4);

  EXPECT_EQ(CountInCell(3, 4, Qt::black), 36);
  EXPECT_EQ(CountInCell(3, 4, kTeal), 64);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Pixel(30 + i, 40), Qt::black);
    EXPECT_EQ(Pixel(30 + i, 49), Qt::black);
    EXPECT_EQ(Pixel(30, 40 + i), Qt::black);
    EXPECT_EQ(Pixel(39, 40 + i), Qt::black);
  }
  ExpectSurroundingUntouched(3, 4);
}

TEST_F(BoardDrawingTest, PlainSquareFillsAllHundredPixelsInTheLevelsBrickColour) {
  Put(10, 4, 12345);  // a normal brick of any positive Content takes the colour of its cell
  view.DrawNormalBrick(10, 4);

  // Level 1 runs from red at the left edge to blue at the right.
  EXPECT_EQ(CountInCell(10, 4, QColor(205, 0, 50)), 100);
  ExpectSurroundingUntouched(10, 4);
}

TEST_F(BoardDrawingTest, DrawBricksPaintsEachKindInItsDefaultColour) {
  model.Settings.MixBricksColors = false;
  const struct {
    std::int32_t content;
    QColor inside;
  } kinds[] = {
      {-1, kTeal}, {-2, QColor(0xCC, 0x99, 0xD9)},  {-3, QColor(0xEB, 0x7A, 0x86)},  {-4, QColor(0x99, 0xCC, 0xFF)},
      {-5, kTeal}, {-10, QColor(0xA6, 0xE2, 0x8F)}, {-11, QColor(0xE3, 0xE3, 0x8E)},
  };
  int x = 1;
  for (const auto& kind : kinds) Put(x++, 1, kind.content, kind.content == -5 ? 160 : 0);  // a space
  view.DrawBricks();

  x = 1;
  for (const auto& kind : kinds) {
    EXPECT_EQ(Pixel(10 * x + 5, 15), kind.inside) << "Content " << kind.content;
    ++x;
  }
}

TEST_F(BoardDrawingTest, ReboundBrickErasesItsCellFirstWhileOtherRoundKindsKeepTheCorners) {
  const struct {
    std::int32_t content;
    QColor corner;
  } kinds[] = {{-2, kRed}, {-3, kRed}, {-4, kGreen}, {-10, kRed}, {-11, kRed}};
  for (const auto& kind : kinds) {
    PaintRed(5, 5);
    Put(5, 5, kind.content);
    view.DrawBricks();
    for (const auto& [px, py] : {std::pair{50, 50}, {59, 50}, {50, 59}, {59, 59}})
      EXPECT_EQ(Pixel(px, py), kind.corner) << "Content " << kind.content << " at " << px << "," << py;
    EXPECT_EQ(Pixel(54, 50), Qt::black) << "outline of Content " << kind.content;
    EXPECT_NE(Pixel(55, 55), kRed) << "Content " << kind.content;
    ExpectSurroundingUntouched(5, 5);
  }
}

TEST_F(BoardDrawingTest, RoundLooksAreSymmetricAndTheDiscIsRounderThanTheRoundedSquare) {
  view.DrawDoorBrick(1, 1);
  view.DrawScoreBrick(3, 1);
  for (const int x : {1, 3}) {
    const std::vector<QColor> pixels = CellPixels(x, 1);
    for (int row = 0; row < 10; ++row) {
      for (int column = 0; column < 10; ++column) {
        EXPECT_EQ(pixels[10 * row + column], pixels[10 * row + 9 - column]) << x << ": " << column << "," << row;
        EXPECT_EQ(pixels[10 * row + column], pixels[10 * (9 - row) + column]) << x << ": " << column << "," << row;
      }
    }
    EXPECT_EQ(pixels[0], kGreen);
    EXPECT_EQ(pixels[4], Qt::black);
  }
  EXPECT_GT(CountInCell(1, 1, kGreen), CountInCell(3, 1, kGreen));
  EXPECT_GT(CountInCell(3, 1, kGreen), 0);
}

TEST_F(BoardDrawingTest, SnakeLaidBrickKeepsItsSnakesColourAndFollowsSnakeFrame) {
  Put(7, 8, static_cast<std::int32_t>(RgbColor(0xFF, 0xFF, 0x00)), SnakeBrickMark);
  model.Settings.SnakeFrame = true;
  model.Settings.BrickFrame = false;
  for (const bool mixed : {true, false}) {
    model.Settings.MixBricksColors = mixed;
    model.Settings.BrickColors[0] = RgbColor(0x12, 0x34, 0x56);
    view.DrawNormalBrick(7, 8);
    EXPECT_EQ(CountInCell(7, 8, kYellow), 64);
    EXPECT_EQ(CountInCell(7, 8, Qt::black), 36);
  }

  model.Settings.SnakeFrame = false;
  model.Settings.BrickFrame = true;
  view.DrawNormalBrick(7, 8);
  EXPECT_EQ(CountInCell(7, 8, kYellow), 100);
  ExpectSurroundingUntouched(7, 8);
}

TEST_F(BoardDrawingTest, BrickFrameChangesOnlyNormalAndCharacterBricks) {
  const std::int32_t contents[] = {-1, -2, -3, -4, -5, -10, -11};
  for (const std::int32_t content : contents) {
    Put(4, 4, content, content == -5 ? 201 : 0);  // "I"
    model.Settings.BrickFrame = false;
    view.ClearBoard();
    view.DrawBricks();
    const std::vector<QColor> plain = CellPixels(4, 4);
    model.Settings.BrickFrame = true;
    view.ClearBoard();
    view.DrawBricks();
    const bool framable = content == -1 || content == -5;
    EXPECT_EQ(CellPixels(4, 4) != plain, framable) << "Content " << content;
  }
}

TEST_F(BoardDrawingTest, CellsThatAreNoBrickOrLieOutsideTheFieldLeaveTheSurfaceAlone) {
  Put(1, 1, 0);                // a black normal brick of a level with a black colour rule
  Put(2, 2, -7);               // no kind
  Put(3, 3, -2).Occupied = 0;  // an open door's linked cell
  for (const std::int32_t content : {-1, -2, -3, -4, -5, -10, -11}) {
    Put(50, 5 - content, content, 218);
    Put(5 - content, 30, content, 218);
  }
  Put(50, 30, -1);
  const QImage before = surfaces.field().copy();

  view.DrawBricks();
  EXPECT_EQ(surfaces.field(), before);

  PlayerState& snake = model.Players[1];
  snake.Color = RgbColor(0xFF, 0xFF, 0xFF);
  snake.Length = 3;
  snake.BodyX = {0, 50, 49, 48, 47};
  snake.BodyY = {0, 29, 30, -1, 0};
  view.DrawSnake(1);
  view.DrawWholeSnake(1);
  EXPECT_EQ(surfaces.field(), before);
}

// The pictures below are what a player sees: DejaVu Sans Bold, which stands
// in for the missing small font, as Debian 12 renders it.
TEST_F(BoardDrawingTest, CharacterBrickShowsTheExtraBytePlus128InWhite) {
  model.Settings.MixBricksColors = false;
  Put(6, 6, -5, 218);
  view.DrawCharacterBrick(6, 6);

  // A "Z" on the brick's colour; the text cell is 11 pixels high, one row
  // into the cell below.
  EXPECT_EQ(Picture(6, 6, 11, kTeal), (Rows{
                                          "oooooooooo",
                                          "oooooooooo",
                                          "ooo#####oo",
                                          "oooooo##oo",
                                          "ooooo##ooo",
                                          "ooooo#oooo",
                                          "oooo##oooo",
                                          "ooo##ooooo",
                                          "ooo#####oo",
                                          "oooooooooo",
                                          "..oooooo..",
                                      }));
}

TEST_F(BoardDrawingTest, DrawNumberShowsTheTargetNumberWhiteOnABlackSquare) {
  model.TargetX = 8;
  model.TargetY = 2;
  model.TargetNumber = 7;
  view.DrawNumber();

  EXPECT_EQ(Picture(8, 2, 10, Qt::black), (Rows{
                                              "oooooooooo",
                                              "ooo####ooo",
                                              "oooooo#ooo",
                                              "ooooo##ooo",
                                              "ooooo#oooo",
                                              "ooooo#oooo",
                                              "oooo##oooo",
                                              "oooo#ooooo",
                                              "oooooooooo",
                                              "oooooooooo",
                                          }));
  ExpectSurroundingUntouched(8, 2);
}

TEST_F(BoardDrawingTest, DrawSnakePaintsTheHeadThenRefreshesThatPlayersScore) {
  model.Settings.SnakeFrame = false;
  PlayerState& snake = model.Players[2];
  snake.Color = RgbColor(0xFF, 0xFF, 0x00);
  snake.Length = 10;
  snake.BodyX = {0, 9, 8, 8};
  snake.BodyY = {0, 1, 1, 1};

  view.DrawSnake(2);
  EXPECT_EQ(report.scoredPlayers, std::vector<int>{2});
  EXPECT_TRUE(report.headPaintedBeforeScore);
  EXPECT_EQ(Pixel(80, 10), kGreen);  // entry 2 is not the head's business

  view.DrawWholeSnake(2);
  EXPECT_EQ(report.scoredPlayers, std::vector<int>{2});
}

TEST_F(BoardDrawingTest, DrawWholeSnakePaintsEntriesOneToLengthMinusOne) {
  PlayerState& snake = model.Players[3];
  snake.Color = RgbColor(0xFF, 0xFF, 0x00);
  snake.Length = 4;
  snake.BodyX = {0, 10, 11, 12, 13, 14};
  snake.BodyY = {0, 20, 20, 20, 20, 20};

  model.Settings.SnakeFrame = true;
  view.DrawWholeSnake(3);
  for (int x = 10; x <= 12; ++x) {
    EXPECT_EQ(CountInCell(x, 20, kYellow), 64) << x;
    EXPECT_EQ(CountInCell(x, 20, Qt::black), 36) << x;
  }
  EXPECT_EQ(CountInCell(13, 20, kGreen), 100);
  EXPECT_EQ(CountInCell(14, 20, kGreen), 100);

  // Without frames the snake is one solid band.
  model.Settings.SnakeFrame = false;
  view.DrawWholeSnake(3);
  for (int px = 100; px < 130; ++px) EXPECT_EQ(Pixel(px, 200), kYellow) << px;
}

TEST_F(BoardDrawingTest, ErasingPaintsTheCurrentBackColour) {
  model.Settings.BrickFrame = true;
  Put(2, 2, -1);
  Put(3, 2, -1);
  view.DrawBricks();
  view.ClearBrick(2, 2);
  EXPECT_EQ(CountInCell(2, 2, kGreen), 100);
  EXPECT_EQ(CountInCell(3, 2, Qt::black), 36);

  model.Settings.BackColor = RgbColor(0x11, 0x22, 0x33);
  view.ClearBoard();
  QImage expected(kFieldWidth, kFieldHeight, QImage::Format_RGB32);
  expected.fill(QColor(0x11, 0x22, 0x33));
  EXPECT_EQ(surfaces.field(), expected);
}

TEST_F(BoardDrawingTest, TellsTheWindowOncePerOperationWhatChanged) {
  std::vector<QRect> changes;
  surfaces.setChangeListener([&](Surface surface, const QRect& pixels) {
    EXPECT_EQ(surface, Surface::Field);
    changes.push_back(pixels);
  });

  view.DrawReboundBrick(3, 4);  // erases first, but that is part of the one operation
  EXPECT_EQ(changes, std::vector<QRect>{QRect(30, 40, 10, 10)});

  changes.clear();
  Put(0, 0, -1);
  Put(49, 29, -2);
  view.DrawBricks();
  EXPECT_EQ(changes, std::vector<QRect>{QRect(0, 0, 500, 300)});

  changes.clear();
  Put(50, 3, -1);
  model.LevelGrid.at(0, 0).Occupied = 0;
  model.LevelGrid.at(49, 29).Occupied = 0;
  view.DrawBricks();
  EXPECT_TRUE(changes.empty());

  // With the painters kept open for a beat, each operation still tells its
  // own cell, its pixels already on the surface.
  changes.clear();
  {
    Surfaces::PaintersKept kept(surfaces);
    view.DrawDoorBrick(7, 8);
    EXPECT_NE(Pixel(75, 85), kGreen);
    view.ClearBrick(3, 4);
    EXPECT_EQ(changes, (std::vector<QRect>{QRect(70, 80, 10, 10), QRect(30, 40, 10, 10)}));
  }
  view.ClearBrick(7, 8);
  EXPECT_EQ(Pixel(75, 85), kGreen);
}

// Whatever byte a level gives a character brick (a tab, an accented
// capital), nothing is painted beyond the brick and its text cell, which
// reaches one row into the cell below.
TEST_F(BoardDrawingTest, CharacterBrickPaintsNothingBeyondItsCellAndTextCell) {
  model.Settings.MixBricksColors = false;
  for (int code = 0; code < 256; ++code) {
    view.ClearBoard();
    Put(5, 5, -5, static_cast<std::uint8_t>(code - 128));
    view.DrawCharacterBrick(5, 5);
    int strayPixels = 0;
    for (int py = 40; py < 70; ++py) {
      for (int px = 40; px < 70; ++px) {
        const bool inCell = px >= 50 && px < 60 && py >= 50 && py < 60;
        const bool inTextRowBelow = py == 60 && px >= 52 && px < 60;
        if (!inCell && !inTextRowBelow && Pixel(px, py) != kGreen) ++strayPixels;
      }
    }
    EXPECT_EQ(strayPixels, 0) << "character code " << code;
  }
}

}  // namespace
}  // namespace coilrun
