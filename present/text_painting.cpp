#include "present/text_painting.h"

#include <QFontMetrics>

namespace coilrun {

namespace {
// Where "Verdana" is missing, as it is on Linux: a wide, open sans-serif
// face that every install of the game carries.
constexpr char kSansFace[] = "DejaVu Sans";
}  // namespace

QFont SansFace(int pixelSize, bool bold) {
  QFont font(QString::fromLatin1(kSansFace));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // Without kerning the glyphs' advances add up to the text's width, which
  // centred and right-aligned texts are placed by.
  font.setKerning(false);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QFont FitCellHeight(QFont font, int cellHeight) {
  int pixelSize = cellHeight;
  do {
    font.setPixelSize(pixelSize);
  } while (QFontMetrics(font).height() > cellHeight && --pixelSize > 1);
  return font;
}

// Measured glyph by glyph, so that a tab is one glyph wide and not a tab stop.
QSize TextSize(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  int width = 0;
  for (const QChar character : text) width += metrics.horizontalAdvance(character);
  return QSize(width, metrics.height());
}

QRect PaintText(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font,
                const QColor& foreground, const QColor& background) {
  const QRect covered(topLeft, TextSize(font, text));
  painter.fillRect(covered, background);
  // Clipped to the text cell, because accents on capitals rise above the
  // face's ascent into the cell above.
  painter.save();
  painter.setClipRect(covered);
  painter.setFont(font);
  painter.setPen(foreground);
  painter.drawText(QPoint(topLeft.x(), topLeft.y() + QFontMetrics(font).ascent()), text);
  painter.restore();
  return covered;
}

}  // namespace coilrun
