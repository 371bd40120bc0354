// Text on the surfaces: the faces, how wide a text comes out, and writing
// it on an opaque background.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

namespace coilrun {

// The sans-serif face of the report panel and the screens. Its size is in
// pixels, so that the look does not change with the screen's dots per inch
// (8 points at 96 dpi are 11 pixels).
QFont SansFace(int pixelSize, bool bold);

// `font` at the largest pixel size whose text cell (ascent plus descent) is
// at most cellHeight pixels high.
QFont FitCellHeight(QFont font, int cellHeight);

// A face fitted to its cell when it is first used: each size tried costs a
// font engine, and the title page, which the program opens on, needs few
// of the faces.
class FittedFont {
 public:
  explicit FittedFont(std::function<QFont()> fit) : fit_(std::move(fit)) {}
  const QFont& get() const {
    if (!font_) font_ = fit_();
    return *font_;
  }

 private:
  std::function<QFont()> fit_;
  mutable std::optional<QFont> font_;
};

// The pixels PaintText covers for `text`, from its top left corner.
QSize TextSize(const QFont& font, const QString& text);

// Writes text with its text cell's top left corner at `topLeft`, on an
// opaque background, and paints nothing outside that text cell; returns the
// pixels it covered.
QRect PaintText(QPainter& painter, const QPoint& topLeft, const QString& text, const QFont& font,
                const QColor& foreground, const QColor& background);

}  // namespace coilrun
