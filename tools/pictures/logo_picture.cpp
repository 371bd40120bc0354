#include <QFontMetricsF>
#include <QLinearGradient>
#include <cmath>
#include <numbers>

#include "tools/pictures/cartoon.h"
#include "tools/pictures/mascot.h"
#include "tools/pictures/pictures.h"

namespace coilrun::pictures {

namespace {

constexpr int kLetterPixels = 96;
constexpr double kBaseline = 116;
constexpr double kCoilRadius = 7.5;

const QColor kLetterTop(0x4F, 0xC8, 0xF5);
const QColor kLetterBottom(0x1B, 0x62, 0xC0);

// The snake lies in an "o" coiled from the tail tip in the middle outwards,
// counter-clockwise on the screen, and leaves it on the right-hand side.
QPainterPath CoilSpine(const QPointF& centre, double outerRadius) {
  constexpr double kTurns = 2.3;
  constexpr double kInnerRadius = 2.0;
  const double sweep = kTurns * 2 * std::numbers::pi;
  QPainterPath spine;
  for (double turned = 0; turned <= sweep; turned += 0.05) {
    const double radius = kInnerRadius + (outerRadius - kInnerRadius) * turned / sweep;
    const double angle = sweep - turned;
    const QPointF point = centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
    if (turned == 0) {
      spine.moveTo(point);
    } else {
      spine.lineTo(point);
    }
  }
  return spine;
}

void PaintLetters(QPainter& painter, const QPainterPath& letters) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawPath(letters.translated(3, 3));
  QLinearGradient shade(0, kBaseline - kLetterPixels * 0.75, 0, kBaseline);
  shade.setColorAt(0, kLetterTop);
  shade.setColorAt(1, kLetterBottom);
  PaintInked(painter, letters, shade, 3.5);
  painter.restore();
}

}  // namespace

void PaintLogo(QPainter& painter) {
  QFont font = DejaVuSans(kLetterPixels, true);
  font.setStretch(QFont::SemiCondensed);
  const QFontMetricsF metrics(font);
  const double xHeight = metrics.xHeight();
  const QString before = QStringLiteral("c");
  const QString after = QString(QChar(0x0131)) + QStringLiteral("lrun");
  const double coilWidth = metrics.horizontalAdvance(QStringLiteral("o"));
  const double wordWidth = metrics.horizontalAdvance(before) + coilWidth + metrics.horizontalAdvance(after);
  const double left = (345.0 - wordWidth) / 2;

  QPainterPath letters = TextShape(before, font, QPointF(left, kBaseline));
  const double coilLeft = left + metrics.horizontalAdvance(before);
  letters.addPath(TextShape(after, font, QPointF(coilLeft + coilWidth, kBaseline)));
  PaintLetters(painter, letters);

  const QPointF coilCentre(coilLeft + coilWidth / 2, kBaseline - xHeight / 2);
  const double outerRadius = xHeight / 2 - kCoilRadius + 1;
  QPainterPath spine = CoilSpine(coilCentre, outerRadius);
  const QPointF neckStart = spine.currentPosition();
  const double dotX = coilLeft + coilWidth + metrics.horizontalAdvance(QChar(0x0131)) / 2;
  const QPointF headCentre(dotX + 4, kBaseline - xHeight - 30);
  spine.cubicTo(neckStart + QPointF(4, -16), headCentre + QPointF(-14, 18), headCentre);
  PaintSnakeBody(painter, spine, kCoilRadius, 45);
  PaintSnakeHead(painter, headCentre, 44, Mood::kHappy, 8);
}

}  // namespace coilrun::pictures
