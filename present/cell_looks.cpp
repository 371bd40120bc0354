#include "present/cell_looks.h"

#include "present/text_painting.h"

namespace coilrun {

namespace {
// Narrow and of even width: every character, written two pixels into its
// brick, stays within the brick's ten pixels.
constexpr char kSmallFace[] = "DejaVu Sans Mono";
}  // namespace

QColor ToQColor(Color color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

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
  return FitCellHeight(font, cellHeight);
}

}  // namespace coilrun
