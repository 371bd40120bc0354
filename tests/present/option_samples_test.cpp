#include "present/option_samples.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "present/cell_looks.h"

namespace coilrun {
namespace {

class OptionSamplesTest : public ::testing::Test {
 protected:
  QImage Paint(int sampleSnakePlayer) {
    QImage image(kSampleShapeSize, QImage::Format_RGB32);
    QPainter painter(&image);
    Draw_Snake_Bricks_Type(painter, model, sampleSnakePlayer);
    return image;
  }

  // The top left pixel of square i of a sample.
  static QPoint Corner(const QRect& box, int i) { return box.topLeft() + QPoint(10 * i, 20); }

  GameModel model;
};

// Framed squares have a black ring around their fill; nothing is drawn
// beyond the seventh square or outside the row.
TEST_F(OptionSamplesTest, SevenSquaresOfTheSamplePlayersColourFramedByTheSnakeFrame) {
  const QColor cyan(0x00, 0xFF, 0xFF);
  const QColor back = ToQColor(model.Settings.BackColor);
  model.Players[3].Color = FromQColor(cyan);
  const QImage framed = Paint(3);
  EXPECT_EQ(framed.pixelColor(0, 0), Qt::black);
  EXPECT_EQ(framed.pixelColor(1, 1), back);
  for (int i = 0; i < 7; ++i) {
    const QPoint corner = Corner(kSnakeBoxRect, i);
    EXPECT_EQ(framed.pixelColor(corner), Qt::black) << i;
    EXPECT_EQ(framed.pixelColor(corner + QPoint(9, 9)), Qt::black) << i;
    EXPECT_EQ(framed.pixelColor(corner + QPoint(1, 1)), cyan) << i;
  }
  EXPECT_EQ(framed.pixelColor(Corner(kSnakeBoxRect, 7)), back);
  EXPECT_EQ(framed.pixelColor(Corner(kSnakeBoxRect, 0) - QPoint(0, 1)), back);
  EXPECT_EQ(framed.pixelColor(Corner(kSnakeBoxRect, 0) + QPoint(0, 10)), back);

  model.Settings.SnakeFrame = false;
  EXPECT_EQ(Paint(3).pixelColor(Corner(kSnakeBoxRect, 6) + QPoint(9, 9)), cyan);
}

// Mixed: level 1's colours in column 8i + 1 of row 15, whatever level is in
// play, and a snake's brick there keeps the snake's colour. Unmixed: the
// brick colour, framed by the brick frame.
TEST_F(OptionSamplesTest, BricksTakeLevelOnesMixedColoursOrTheBrickColour) {
  model.LevelNumber = 38;
  model.LevelGrid.at(9, 15) = BoardCell{static_cast<std::int32_t>(RgbColor(1, 2, 3)), 1, {SnakeBrickMark}};
  const QImage mixed = Paint(1);
  EXPECT_EQ(model.LevelNumber, 38);
  for (int i = 0; i < 7; ++i) {
    const int column = 8 * i + 1;
    const QColor expected = i == 1 ? QColor(1, 2, 3) : QColor(255 - 5 * column, 0, 5 * column);
    EXPECT_EQ(mixed.pixelColor(Corner(kBrickBoxRect, i)), expected) << i;
    EXPECT_EQ(mixed.pixelColor(Corner(kBrickBoxRect, i) + QPoint(9, 9)), expected) << i;
  }

  model.Settings.MixBricksColors = false;
  model.Settings.BrickFrame = true;
  model.Settings.BrickColors[0] = RgbColor(0x12, 0x34, 0x56);
  const QImage plain = Paint(1);
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(plain.pixelColor(Corner(kBrickBoxRect, i)), Qt::black) << i;
    EXPECT_EQ(plain.pixelColor(Corner(kBrickBoxRect, i) + QPoint(4, 4)), QColor(0x12, 0x34, 0x56)) << i;
  }
}

}  // namespace
}  // namespace coilrun
