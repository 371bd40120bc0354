#include "shell/window_parts.h"

#include <QPaintEvent>
#include <QPainter>

#include "present/cell_looks.h"

namespace coilrun {

ShapeWidget::ShapeWidget(const Color& fill, QWidget* parent) : QWidget(parent), fill_(fill) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(fill_));
}

SurfaceWidget::SurfaceWidget(const QImage& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// Only the changed rectangles: a beat's few cells lie far apart, and their
// bounding rectangle is most of the field.
void SurfaceWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  for (const QRect& changed : event->region()) painter.drawImage(changed, surface_, changed);
}

}  // namespace coilrun
