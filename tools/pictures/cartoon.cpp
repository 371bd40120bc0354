#include "tools/pictures/cartoon.h"

#include <cmath>
#include <numbers>

namespace coilrun::pictures {

QPen InkPen(double width) {
  QPen pen(kInk, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void PaintInked(QPainter& painter, const QPainterPath& shape, const QBrush& fill, double inkWidth) {
  painter.save();
  painter.setPen(InkPen(inkWidth));
  painter.setBrush(fill);
  painter.drawPath(shape);
  painter.restore();
}

QFont DejaVuSans(int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QPainterPath TextShape(const QString& text, const QFont& font, const QPointF& baselineStart) {
  QPainterPath shape;
  shape.addText(baselineStart, font, text);
  return shape;
}

QPainterPath StarShape(const QPointF& centre, double outerRadius, double innerRadius, double turnDegrees) {
  QPainterPath star;
  for (int corner = 0; corner < 10; ++corner) {
    const double radius = corner % 2 == 0 ? outerRadius : innerRadius;
    const double angle = (turnDegrees - 90.0 + corner * 36.0) * std::numbers::pi / 180.0;
    const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    if (corner == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  return star;
}

}  // namespace coilrun::pictures
