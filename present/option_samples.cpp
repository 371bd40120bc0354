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

class LevelNumberForSample {
 public:
  LevelNumberForSample(GameModel& model, int level) : model_(model), kept_(model.LevelNumber) {
    model_.LevelNumber = static_cast<std::int16_t>(level);
  }
  ~LevelNumberForSample() { model_.LevelNumber = kept_; }
  LevelNumberForSample(const LevelNumberForSample&) = delete;
  LevelNumberForSample& operator=(const LevelNumberForSample&) = delete;

 private:
  GameModel& model_;
  std::int16_t kept_;
};

}  // namespace

void Draw_Snake_Bricks_Type(QPainter& painter, GameModel& model, int sampleSnakePlayer) {
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
  const LevelNumberForSample levelOne(model, 1);
  for (int i = 0; i < kSampleSquares; ++i) {
    const Color fill = settings.MixBricksColors ? BrickColorAt(model, kBrickSampleColumnStep * i + 1, kBrickSampleRow)
                                                : settings.BrickColors[0];
    PaintSquare(painter, i, kSampleRow, ToQColor(fill), settings.BrickFrame);
  }
  painter.restore();
}

}  // namespace coilrun
