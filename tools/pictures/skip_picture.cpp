#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "tools/pictures/cartoon.h"
#include "tools/pictures/mascot.h"
#include "tools/pictures/pictures.h"

namespace coilrun::pictures {

namespace {

constexpr double kGround = 196;
constexpr double kFirstStep = 128;
constexpr double kStepWidth = 26;

const QColor kBrick(0x00, 0x80, 0x80);
const QColor kBrickLight(0x33, 0xA8, 0xA8);
const QColor kBrickTop(0x7F, 0xD0, 0xC8);
const QColor kBrickSide(0x00, 0x62, 0x62);
const QColor kGhost(0xC4, 0xE6, 0xE2);
const QColor kAnger(0xE0, 0x28, 0x3C);
const QColor kTrail(0xE0, 0x28, 0x3C);
const QColor kFlag(0xE0, 0x28, 0x3C);

QRectF StepFront(double left, double height, double width = kStepWidth) {
  return QRectF(left, kGround - height, width, height);
}

void PaintStep(QPainter& painter, const QRectF& front, const QString& level) {
  const QPointF depth(5, -5);
  PaintInked(painter, Polygon({front.topLeft(), front.topLeft() + depth, front.topRight() + depth, front.topRight()}),
             kBrickTop, 2);
  PaintInked(painter,
             Polygon({front.topRight(), front.topRight() + depth, front.bottomRight() + depth, front.bottomRight()}),
             kBrickSide, 2);
  QPainterPath face;
  face.addRect(front);
  PaintInked(painter, face, ShadeAcross(front, kBrickLight, kBrick), 2);

  const QFont font = DejaVuSans(level.size() > 1 ? 13 : 14, true);
  const double textWidth = QFontMetricsF(font).horizontalAdvance(level);
  QPainterPath badge;
  badge.addRoundedRect(QRectF(front.center().x() - textWidth / 2 - 4, front.top() + 4, textWidth + 8, 17), 4, 4);
  PaintInked(painter, badge, kPaperWhite, 1.5);
  PaintInkText(painter, level, font, QPointF(front.center().x() - textWidth / 2, front.top() + 18));
}

// Where a step is missing, only a pale ghost with a dashed edge is left.
void PaintMissingStep(QPainter& painter, const QRectF& front) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGhost);
  painter.drawRect(front);
  QPen dashes = InkPen(1.5);
  dashes.setDashPattern({3, 3});
  painter.setPen(dashes);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(front);
}

// A dotted trail of inked dashes, so that it shows on a dark field too.
void PaintJump(QPainter& painter, const QPointF& from, const QPointF& to, double lift) {
  constexpr double kDash = 5;
  constexpr double kGap = 4;
  QPainterPath arc(from);
  const QPointF control((from.x() + to.x()) / 2, std::min(from.y(), to.y()) - lift);
  arc.quadTo(control, to);
  const double length = arc.length();
  for (double start = 0; start + kDash < length - 8; start += kDash + kGap) {
    const QPointF a = arc.pointAtPercent(arc.percentAtLength(start));
    const QPointF b = arc.pointAtPercent(arc.percentAtLength(start + kDash));
    painter.setPen(InkPen(5.5));
    painter.drawLine(a, b);
    painter.setPen(QPen(kTrail, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(a, b);
  }
  const QPointF heading = to - control;
  const QPointF along = heading / std::hypot(heading.x(), heading.y()) * 10.0;
  const QPointF across(-along.y() * 0.6, along.x() * 0.6);
  PaintInked(painter, Polygon({to, to - along + across, to - along - across}), kTrail, 1.8);
}

void PaintFlag(QPainter& painter, const QPointF& foot) {
  QPainterPath pole;
  pole.addRoundedRect(QRectF(foot.x() - 2, foot.y() - 40, 4, 40), 2, 2);
  PaintInked(painter, pole, QColor(0x9A, 0x9A, 0xA6), 1.5);
  QPainterPath cloth(foot + QPointF(2, -39));
  cloth.cubicTo(foot + QPointF(12, -44), foot + QPointF(20, -34), foot + QPointF(30, -38));
  cloth.lineTo(foot + QPointF(30, -22));
  cloth.cubicTo(foot + QPointF(20, -18), foot + QPointF(12, -28), foot + QPointF(2, -23));
  cloth.closeSubpath();
  PaintInked(painter, cloth, kFlag, 1.8);
}

// The cartoon sign of a temper: four bulging corners round a cross.
void PaintAngerMark(QPainter& painter, const QPointF& centre, double size) {
  painter.setPen(InkPen(size * 0.34));
  painter.setBrush(Qt::NoBrush);
  for (int quarter = 0; quarter < 4; ++quarter) {
    painter.save();
    painter.translate(centre);
    painter.rotate(quarter * 90.0);
    QPainterPath corner(QPointF(size * 0.25, size));
    corner.quadTo(QPointF(size * 0.25, size * 0.25), QPointF(size, size * 0.25));
    painter.setPen(InkPen(size * 0.42));
    painter.drawPath(corner);
    painter.setPen(QPen(kAnger, size * 0.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(corner);
    painter.restore();
  }
}

void PaintGrumblingSnake(QPainter& painter) {
  const QPointF headCentre(68, 62);
  const QPainterPath heap = CoilHeapSpine(QPointF(66, 193), 104, 26, 1.9, 17);
  QPainterPath spine(QPointF(14, 72));
  spine.cubicTo(QPointF(4, 100), QPointF(8, 160), heap.pointAtPercent(0));
  spine.connectPath(heap);
  const QPointF neckStart = spine.currentPosition();
  spine.cubicTo(neckStart + QPointF(8, -24), headCentre + QPointF(-6, 36), headCentre + QPointF(0, 14));
  PaintSnakeBody(painter, spine, 9.5, 70);
  PaintSnakeHead(painter, headCentre, 64, Mood::kCross, 4);
  PaintAngerMark(painter, QPointF(112, 28), 12);
}

}  // namespace

void PaintSkip(QPainter& painter) {
  const auto front = [](int step) { return StepFront(kFirstStep + step * kStepWidth, 24 + 15 * step); };
  PaintStep(painter, front(0), QStringLiteral("1"));
  PaintStep(painter, front(1), QStringLiteral("2"));
  PaintStep(painter, front(2), QStringLiteral("3"));
  PaintMissingStep(painter, front(3));
  PaintMissingStep(painter, front(4));
  PaintStep(painter, front(5), QStringLiteral("6"));
  PaintMissingStep(painter, front(6));
  PaintMissingStep(painter, front(7));
  const QRectF last = StepFront(kFirstStep + 8 * kStepWidth + 10, 150, 40);
  PaintStep(painter, last, QStringLiteral("82"));
  PaintFlag(painter, last.topLeft() + QPointF(24, -3));

  PaintJump(painter, front(2).topLeft() + QPointF(16, -8), front(5).topLeft() + QPointF(10, -8), 26);
  PaintJump(painter, front(5).topLeft() + QPointF(18, -8), last.topLeft() + QPointF(8, -9), 28);
  PaintGrumblingSnake(painter);
}

}  // namespace coilrun::pictures
