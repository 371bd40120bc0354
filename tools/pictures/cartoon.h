// The one cartoon style of the game's pictures: flat colours, a soft
// highlight, and a dark ink line round every shape.
#pragma once

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <initializer_list>

namespace coilrun::pictures {

inline const QColor kInk(0x2B, 0x1B, 0x17);
// Pure white is see-through on the field, so what must stay visible and
// look white is painted in this instead.
inline const QColor kPaperWhite(0xF8, 0xF8, 0xF8);
inline const QColor kGold(0xFF, 0xCC, 0x2E);
inline const QColor kGoldLight(0xFF, 0xF0, 0x9C);
inline const QColor kGoldDark(0xD9, 0x8E, 0x00);

constexpr double kInkWidth = 2.0;

QPen InkPen(double width = kInkWidth);

// Fills the shape and draws the ink line centred on its edge.
void PaintInked(QPainter& painter, const QPainterPath& shape, const QBrush& fill, double inkWidth = kInkWidth);

// A closed shape through the corners in turn.
QPainterPath Polygon(std::initializer_list<QPointF> corners);

// Metal lit from the upper left, shining in a band left of the middle.
QLinearGradient GoldAcross(double left, double right);

// A flat face lit from the left: light at its left edge, darker at its right.
QLinearGradient ShadeAcross(const QRectF& face, const QColor& light, const QColor& dark);

QFont DejaVuSans(int pixelSize, bool bold);

// The outline of a text with its baseline starting at the given point.
QPainterPath TextShape(const QString& text, const QFont& font, const QPointF& baselineStart);

// Text in ink, drawn as a filled outline like every other shape.
void PaintInkText(QPainter& painter, const QString& text, const QFont& font, const QPointF& baselineStart);

// A five-pointed star, used for sparkle and for medals.
QPainterPath StarShape(const QPointF& centre, double outerRadius, double innerRadius, double turnDegrees = 0);

}  // namespace coilrun::pictures
