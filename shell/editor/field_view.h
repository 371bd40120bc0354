// The field of the level editor: the level as the game's board painter
// draws it, scaled by a whole number to fill the space it has, with marks
// for the selected cell, a selected door's four cells and an in-out
// brick's destination. The mouse goes to the tools, cell by cell.
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "shell/editor/drawing_tools.h"
#include "shell/editor/field_tools.h"
#include "shell/editor/level_document.h"
#include "shell/editor/level_preview.h"

namespace coilrun {

class FieldView : public QWidget {
  Q_OBJECT

 public:
  FieldView(LevelDocument& document, FieldTools& tools, LevelPreview& preview, QWidget* parent = nullptr);

  // Pixels per game pixel: 1, 2, ...
  int scale() const;
  // Where the field lies in the widget.
  QRect fieldRect() const;
  // The cell under a point of the widget; it lies off the field when the
  // point does.
  FieldCell CellAt(QPoint point) const;
  // The field as it shows now, marks included, at the game's size.
  QImage FieldImage();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  // The cell under the mouse, or none when the mouse is off the field.
  void CellHovered(std::optional<FieldCell> cell);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Redraw();
  const QImage& CurrentField();
  void PaintMarks(QPainter& painter, int cellPixels, QPoint origin) const;

  LevelDocument& document_;
  FieldTools& tools_;
  LevelPreview& preview_;
  QImage field_;
  bool stale_ = true;
  std::optional<FieldCell> hovered_;
  Qt::MouseButton dragButton_ = Qt::NoButton;
};

}  // namespace coilrun
