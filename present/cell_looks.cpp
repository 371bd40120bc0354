#include "present/cell_looks.h"

#include <QFontMetrics>

namespace coilrun {

namespace {
// Narrow and of even width: every character, written two pixels into its
// brick, stays within the brick's ten pixels.
constexpr char kSmallFace[] = "DejaVu Sans Mono";
}  // namespace

QColor ToQColor(Color color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

Color FromQColor(const QColor& color) { return RgbColor(color.red(), color.green(), color.blue()); }

QRect CellRect(int x, int y) { return QRect(x * kCellPixels, y * kCellPixels, kCellPixels, kCellPixels); }

void PaintSquare(QPainter& painter, int x, int y, const QColor& fill, bool framed) {
  const QRect cell = CellRect(x, y);
  if (!framed) {
    painter.fillRect(cell, fill);
    return;
  }
  painter.fillRect(cell, Qt::black);
  painter.fillRect(cell.adjusted(1, 1, -1, -1), fill);
}

QFont SmallBoldFont(int cellHeight) {
  QFont font(QString::fromLatin1(kSmallFace));
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  int pixelSize = cellHeight;
  do {
    font.setPixelSize(pixelSize);
  } while (QFontMetrics(font).height() > cellHeight && --pixelSize > 1);
  return font;
}

QRect PaintText(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font,
                const QColor& foreground, const QColor& background) {
  const QFontMetrics metrics(font);
  // Measured glyph by glyph, so that a tab is one glyph wide and not a tab
  // stop; and clipped to the text cell, because accents on capitals rise
  // above the face's ascent into the cell above.
  int width = 0;
  for (const QChar character : text) width += metrics.horizontalAdvance(character);
  const QRect covered(topLeft, QSize(width, metrics.height()));
  painter.fillRect(covered, background);
  painter.save();
  painter.setClipRect(covered);
  painter.setFont(font);
  painter.setPen(foreground);
  painter.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), text);
  painter.restore();
  return covered;
}

}  // namespace coilrun
