// Text on the surfaces: the faces, how wide a text comes out, and writing
// it on an opaque background.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>

namespace coilrun {

// The sans-serif face of the report panel and the screens. Its size is in
// pixels, so that the look does not change with the screen's dots per inch
// (8 points at 96 dpi are 11 pixels).
QFont SansFace(int pixelSize, bool bold);

// `font` at the largest pixel size whose text cell (ascent plus descent) is
// at most cellHeight pixels high.
QFont FitCellHeight(QFont font, int cellHeight);

// The pixels PaintText covers for `text`, from its top left corner.
QSize TextSize(const QFont& font, const QString& text);

// Writes text with its text cell's top left corner at `topLeft`, on an
// opaque background, and paints nothing outside that text cell; returns the
// pixels it covered.
QRect PaintText(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font,
                const QColor& foreground, const QColor& background);

}  // namespace coilrun
