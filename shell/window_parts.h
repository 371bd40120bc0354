// The pieces of the main window's fixed layout: the coloured shapes behind
// the field and the report panel, and the boxes that show the two surfaces.
#pragma once

#include <QImage>
#include <QWidget>

#include "engine/model.h"

namespace coilrun {

// A filled rectangle with a 1-pixel black outline along its inside edge. It
// reads its colour from the settings at every paint, so a changed colour
// shows at the next repaint.
class ShapeWidget : public QWidget {
 public:
  ShapeWidget(const Color& fill, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Color& fill_;
};

// Shows a surface that the view paints on; a repaint copies the pixels again.
class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(const QImage& surface, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QImage& surface_;
};

}  // namespace coilrun
