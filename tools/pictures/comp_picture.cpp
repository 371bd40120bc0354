#include "tools/pictures/cartoon.h"
#include "tools/pictures/mascot.h"
#include "tools/pictures/pictures.h"

namespace coilrun::pictures {

namespace {

const QColor kStone(0xC9, 0xD0, 0xDE);
const QColor kStoneTop(0xEC, 0xEF, 0xF5);
const QColor kSilver(0xC8, 0xCE, 0xD8);
const QColor kBronze(0xD0, 0x84, 0x4A);
const QColor kRuby(0xE0, 0x28, 0x3C);
const QColor kSapphire(0x2F, 0x6F, 0xD8);

const SnakeColours kCyanSnake{QColor(0x2E, 0xC4, 0xD6), QColor(0x9B, 0xE8, 0xF0), QColor(0x16, 0x84, 0x96)};
const SnakeColours kPinkSnake{QColor(0xE2, 0x66, 0xD9), QColor(0xF4, 0xAE, 0xEE), QColor(0xA0, 0x35, 0x98)};

void PaintBlock(QPainter& painter, const QRectF& front, const QString& place, const QColor& badge) {
  const QPainterPath top = Polygon(
      {front.topLeft(), front.topLeft() + QPointF(6, -6), front.topRight() + QPointF(-6, -6), front.topRight()});
  PaintInked(painter, top, kStoneTop, 2);
  QPainterPath face;
  face.addRect(front);
  PaintInked(painter, face, ShadeAcross(front, kStoneTop, kStone), 2);

  const QPointF badgeCentre(front.center().x(), front.top() + 19);
  QPainterPath disc;
  disc.addEllipse(badgeCentre, 12, 12);
  PaintInked(painter, disc, badge, 2);
  PaintInkText(painter, place, DejaVuSans(17, true), badgeCentre + QPointF(-5.5, 6.5));
}

void PaintCrown(QPainter& painter, const QPointF& bottomCentre, double width) {
  const double w = width;
  const double h = width * 0.62;
  const QPainterPath crown =
      Polygon({QPointF(-w / 2, 0), QPointF(-w / 2 - 3, -h), QPointF(-w / 4, -h * 0.45), QPointF(0, -h * 1.12),
               QPointF(w / 4, -h * 0.45), QPointF(w / 2 + 3, -h), QPointF(w / 2, 0)})
          .translated(bottomCentre);
  PaintInked(painter, crown, GoldAcross(bottomCentre.x() - w / 2, bottomCentre.x() + w / 2), 2.2);
  for (const QPointF tip : {QPointF(-w / 2 - 3, -h), QPointF(0, -h * 1.12), QPointF(w / 2 + 3, -h)}) {
    QPainterPath ball;
    ball.addEllipse(bottomCentre + tip, 3.5, 3.5);
    PaintInked(painter, ball, kGoldLight, 1.6);
  }
  QPainterPath band;
  band.addRect(QRectF(bottomCentre + QPointF(-w / 2, -9), QSizeF(w, 9)));
  PaintInked(painter, band, kGold, 2);
  const QColor gems[] = {kSapphire, kRuby, kSapphire};
  for (int i = 0; i < 3; ++i) {
    QPainterPath gem;
    gem.addEllipse(bottomCentre + QPointF((i - 1) * w * 0.3, -4.5), 3, 3);
    PaintInked(painter, gem, gems[i], 1.3);
  }
}

void PaintHeapedSnake(QPainter& painter, const QPointF& seat, double size, const QPointF& headCentre, Mood mood,
                      double tilt, const SnakeColours& colours) {
  QPainterPath spine = CoilHeapSpine(seat, size * 1.2, size * 0.3, 1.6, size * 0.2);
  const QPointF neckStart = spine.currentPosition();
  spine.cubicTo(neckStart + QPointF(0, -size * 0.3), headCentre + QPointF(0, size * 0.4),
                headCentre + QPointF(0, size * 0.15));
  PaintSnakeBody(painter, spine, size * 0.13, size * 0.5, colours);
  PaintSnakeHead(painter, headCentre, size, mood, tilt, colours);
}

void PaintConfetti(QPainter& painter, const QPointF& centre, double turnDegrees, const QColor& colour) {
  painter.save();
  painter.translate(centre);
  painter.rotate(turnDegrees);
  QPainterPath bit;
  bit.addRect(QRectF(-4, -2, 8, 4));
  PaintInked(painter, bit, colour, 1.3);
  painter.restore();
}

}  // namespace

void PaintComp(QPainter& painter) {
  PaintBlock(painter, QRectF(6, 150, 56, 48), QStringLiteral("2"), kSilver);
  PaintBlock(painter, QRectF(116, 164, 56, 34), QStringLiteral("3"), kBronze);
  PaintBlock(painter, QRectF(60, 124, 58, 74), QStringLiteral("1"), kGold);

  PaintHeapedSnake(painter, QPointF(34, 147), 32, QPointF(34, 116), Mood::kHappy, -8, kCyanSnake);
  PaintHeapedSnake(painter, QPointF(144, 161), 30, QPointF(146, 132), Mood::kCross, 6, kPinkSnake);
  PaintHeapedSnake(painter, QPointF(89, 121), 50, QPointF(89, 70), Mood::kProud, 0, kMascotColours);
  PaintCrown(painter, QPointF(89, 52), 34);

  PaintConfetti(painter, QPointF(22, 30), 25, kRuby);
  PaintConfetti(painter, QPointF(150, 24), -30, kSapphire);
  PaintConfetti(painter, QPointF(40, 70), -15, kGold);
  PaintConfetti(painter, QPointF(140, 82), 40, QColor(0x3C, 0xC0, 0x5A));
  PaintConfetti(painter, QPointF(160, 110), 10, kRuby);
  PaintConfetti(painter, QPointF(12, 100), 60, kSapphire);
  PaintInked(painter, StarShape(QPointF(132, 48), 8, 3.5, 12), kGold, 1.8);
  PaintInked(painter, StarShape(QPointF(46, 44), 6, 2.6, -10), kGold, 1.6);
}

}  // namespace coilrun::pictures
