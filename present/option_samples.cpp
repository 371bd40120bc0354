#include "present/option_samples.h"

#include "engine/brick_colors.h"
#include "present/cell_looks.h"

namespace coilrun {

namespace {

constexpr int kSampleSquares = 7;
// The squares stand in the third cell row of a box.
constexpr int kSampleRow = 2;
// The mixed colour of square i is that of column 8i + 1 in this row.
constexpr int kBrickSampleRow = 15;
constexpr int kBrickSampleColumnStep = 8;
constexpr int kSampleLevel = 1;

}  // namespace

void Draw_Snake_Bricks_Type(QPainter& painter, const GameModel& model, int sampleSnakePlayer) {
  const GameSettings& settings = model.Settings;
  const QRect shape(QPoint(0, 0), kSampleShapeSize);
  painter.fillRect(shape, Qt::black);
  painter.fillRect(shape.adjusted(1, 1, -1, -1), ToQColor(settings.BackColor));

  painter.save();
  painter.translate(kSnakeBoxRect.topLeft());
  const QColor snakeColor = ToQColor(model.Players[sampleSnakePlayer].Color);
  for (int i = 0; i < kSampleSquares; ++i) PaintSquare(painter, i, kSampleRow, snakeColor, settings.SnakeFrame);
  painter.restore();

  painter.save();
  painter.translate(kBrickBoxRect.topLeft());
  for (int i = 0; i < kSampleSquares; ++i) {
    const Color fill = settings.MixBricksColors
                           ? BrickColorOnLevel(model, kSampleLevel, kBrickSampleColumnStep * i + 1, kBrickSampleRow)
                           : settings.BrickColors[0];
    PaintSquare(painter, i, kSampleRow, ToQColor(fill), settings.BrickFrame);
  }
  painter.restore();
}

}  // namespace coilrun
