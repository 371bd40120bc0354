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

QPainterPath Polygon(std::initializer_list<QPointF> corners) {
  QPainterPath shape;
  for (const QPointF& corner : corners) {
    if (shape.elementCount() == 0) {
      shape.moveTo(corner);
    } else {
      shape.lineTo(corner);
    }
  }
  shape.closeSubpath();
  return shape;
}

QLinearGradient GoldAcross(double left, double right) {
  QLinearGradient gold(left, 0, right, 0);
  gold.setColorAt(0, kGoldDark);
  gold.setColorAt(0.3, kGoldLight);
  gold.setColorAt(0.55, kGold);
  gold.setColorAt(1, kGoldDark);
  return gold;
}

QLinearGradient ShadeAcross(const QRectF& face, const QColor& light, const QColor& dark) {
  QLinearGradient shade(face.left(), 0, face.right(), 0);
  shade.setColorAt(0, light);
  shade.setColorAt(1, dark);
  return shade;
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

void PaintInkText(QPainter& painter, const QString& text, const QFont& font, const QPointF& baselineStart) {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawPath(TextShape(text, font, baselineStart));
  painter.restore();
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
