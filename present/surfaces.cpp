#include "present/surfaces.h"

#include "present/cell_looks.h"

namespace coilrun {

Surfaces::Surfaces(const GameModel& model)
    : images_{QImage(kFieldWidth, kFieldHeight, QImage::Format_RGB32),
              QImage(kReportWidth, kReportHeight, QImage::Format_RGB32)} {
  image(Surface::Field).fill(ToQColor(model.Settings.BackColor));
  image(Surface::Report).fill(ToQColor(model.Settings.ReportColor));
}

Surfaces::Painting::Painting(Surfaces& surfaces, Surface surface)
    : surfaces_(surfaces), surface_(surface), target_(surfaces.target(surface)) {
  if (target_.depth++ == 0) target_.painter.begin(&surfaces_.image(surface_));
}

Surfaces::Painting::~Painting() {
  if (--target_.depth != 0) return;
  target_.painter.end();
  const QRect changed = target_.changed & surfaces_.image(surface_).rect();
  target_.changed = QRect();
  if (changed.isValid() && surfaces_.changeListener_) surfaces_.changeListener_(surface_, changed);
}

}  // namespace coilrun
