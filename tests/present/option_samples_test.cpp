#include "present/option_samples.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "present/cell_looks.h"

namespace coilrun {
namespace {

class OptionSamplesTest : public ::testing::Test {
 protected:
  OptionSamplesTest() {
    model.LevelNumber = 37;
    model.Players[3].Color = RgbColor(0x00, 0xFF, 0xFF);
  }

  QImage Paint(int sampleSnakePlayer = 1) {
    QImage image(kSampleShapeSize, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    Draw_Snake_Bricks_Type(painter, model, sampleSnakePlayer);
    return image;
  }

  // Square i of a sample: its top left pixel and one inside its ring.
  static QPoint Corner(const QRect& box, int i) { return box.topLeft() + QPoint(10 * i, 20); }

  GameModel model;
};

TEST_F(OptionSamplesTest, TheSnakeIsSevenSquaresOfTheSamplePlayersColourFramedByTheSnakeFrame) {
  const QImage framed = Paint(3);
  const QColor cyan(0x00, 0xFF, 0xFF);
  EXPECT_EQ(framed.pixelColor(0, 0), Qt::black);
  EXPECT_EQ(framed.pixelColor(256, 48), Qt::black);
  EXPECT_EQ(framed.pixelColor(1, 1), ToQColor(model.Settings.BackColor));
  for (int i = 0; i < 7; ++i) {
    const QPoint corner = Corner(kSnakeBoxRect, i);
    EXPECT_EQ(framed.pixelColor(corner), Qt::black) << i;
    EXPECT_EQ(framed.pixelColor(corner + QPoint(9, 9)), Qt::black) << i;
    EXPECT_EQ(framed.pixelColor(corner + QPoint(1, 1)), cyan) << i;
    EXPECT_EQ(framed.pixelColor(corner + QPoint(8, 8)), cyan) << i;
  }
  // Nothing beyond the seventh square, above or below the row.
  EXPECT_EQ(framed.pixelColor(Corner(kSnakeBoxRect, 7)), ToQColor(model.Settings.BackColor));
  EXPECT_EQ(framed.pixelColor(Corner(kSnakeBoxRect, 0) - QPoint(0, 1)), ToQColor(model.Settings.BackColor));
  EXPECT_EQ(framed.pixelColor(Corner(kSnakeBoxRect, 0) + QPoint(0, 10)), ToQColor(model.Settings.BackColor));

  model.Settings.SnakeFrame = false;
  const QImage plain = Paint(3);
  EXPECT_EQ(plain.pixelColor(Corner(kSnakeBoxRect, 0)), cyan);
  EXPECT_EQ(plain.pixelColor(Corner(kSnakeBoxRect, 6) + QPoint(9, 9)), cyan);
}

// Level 1's colours run from red at the left edge to blue at the right, in
// column 8i + 1 of row 15; a snake's brick there keeps the snake's colour.
TEST_F(OptionSamplesTest, MixedBricksTakeLevelOnesColoursAndTheLevelInPlayIsGivenBack) {
  BoardCell& snakeBrick = model.LevelGrid.at(9, 15);
  snakeBrick = BoardCell{static_cast<std::int32_t>(RgbColor(1, 2, 3)), 1, {SnakeBrickMark}};
  const QImage image = Paint();
  EXPECT_EQ(model.LevelNumber, 37);
  for (int i = 0; i < 7; ++i) {
    const int column = 8 * i + 1;
    const QColor expected = i == 1 ? QColor(1, 2, 3) : QColor(255 - 5 * column, 0, 5 * column);
    const QPoint corner = Corner(kBrickBoxRect, i);
    EXPECT_EQ(image.pixelColor(corner), expected) << i;  // no frame by default
    EXPECT_EQ(image.pixelColor(corner + QPoint(9, 9)), expected) << i;
  }
}

TEST_F(OptionSamplesTest, UnmixedBricksTakeTheBrickColourFramedByTheBrickFrame) {
  model.Settings.MixBricksColors = false;
  model.Settings.BrickFrame = true;
  model.Settings.BrickColors[0] = RgbColor(0x12, 0x34, 0x56);
  const QImage image = Paint();
  for (int i = 0; i < 7; ++i) {
    const QPoint corner = Corner(kBrickBoxRect, i);
    EXPECT_EQ(image.pixelColor(corner), Qt::black) << i;
    EXPECT_EQ(image.pixelColor(corner + QPoint(4, 4)), QColor(0x12, 0x34, 0x56)) << i;
  }
}

}  // namespace
}  // namespace coilrun
