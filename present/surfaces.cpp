#include "present/surfaces.h"

#include "present/cell_looks.h"

namespace coilrun {

Surfaces::Surfaces(const GameModel& model)
    : images_{QImage(kFieldWidth, kFieldHeight, QImage::Format_RGB32),
              QImage(kReportWidth, kReportHeight, QImage::Format_RGB32)} {
  image(Surface::Field).fill(ToQColor(model.Settings.BackColor));
  image(Surface::Report).fill(ToQColor(model.Settings.ReportColor));
}

void Surfaces::Use(Surface surface) {
  Target& used = target(surface);
  if (used.users++ == 0) used.painter.begin(&image(surface));
}

void Surfaces::Release(Surface surface) {
  Target& used = target(surface);
  if (--used.users == 0) used.painter.end();
}

Surfaces::Painting::Painting(Surfaces& surfaces, Surface surface)
    : surfaces_(surfaces), surface_(surface), target_(surfaces.target(surface)) {
  surfaces_.Use(surface_);
  ++target_.depth;
}

Surfaces::Painting::~Painting() {
  if (--target_.depth == 0) {
    const QRect changed = target_.changed & surfaces_.image(surface_).rect();
    target_.changed = QRect();
    if (changed.isValid() && surfaces_.changeListener_) surfaces_.changeListener_(surface_, changed);
  }
  surfaces_.Release(surface_);
}

Surfaces::PaintersKept::PaintersKept(Surfaces& surfaces) : surfaces_(surfaces) {
  surfaces_.Use(Surface::Field);
  surfaces_.Use(Surface::Report);
}

Surfaces::PaintersKept::~PaintersKept() {
  surfaces_.Release(Surface::Report);
  surfaces_.Release(Surface::Field);
}

}  // namespace coilrun
