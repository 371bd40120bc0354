#include "tests/present/surface_checks.h"

#include <QPainter>

#include "present/text_painting.h"

namespace coilrun::testing {

::testing::AssertionResult ShowsText(const QImage& surface, const QPoint& topLeft, const QString& text,
                                     const QFont& font, const QColor& foreground, const QColor& background) {
  const QSize size = TextSize(font, text);
  QImage expected(size, QImage::Format_RGB32);
  {
    QPainter painter(&expected);
    PaintText(painter, QPoint(0, 0), text, font, foreground, background);
  }
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      const QPoint at = topLeft + QPoint(x, y);
      if (!surface.rect().contains(at)) continue;
      if (surface.pixelColor(at) != expected.pixelColor(x, y))
        return ::testing::AssertionFailure() << "\"" << text.toStdString() << "\" at " << topLeft.x() << ","
                                             << topLeft.y() << " differs at pixel " << at.x() << "," << at.y();
    }
  }
  return ::testing::AssertionSuccess();
}

QRect InkBounds(const QImage& surface, const QRect& area, const QColor& background) {
  QRect bounds;
  const QRect clipped = area & surface.rect();
  for (int y = clipped.top(); y <= clipped.bottom(); ++y)
    for (int x = clipped.left(); x <= clipped.right(); ++x)
      if (surface.pixelColor(x, y) != background) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace coilrun::testing
