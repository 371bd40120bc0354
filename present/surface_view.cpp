#include "present/surface_view.h"

#include "present/cell_looks.h"

namespace coilrun {

namespace {
constexpr int kCharacterCellHeight = 11;
constexpr int kNumberCellHeight = 10;
}  // namespace

SurfaceView::SurfaceView(const GameModel& model)
    : model_(model),
      field_(kFieldWidth, kFieldHeight, QImage::Format_RGB32),
      report_(kReportWidth, kReportHeight, QImage::Format_RGB32),
      characterFont_(SmallBoldFont(kCharacterCellHeight)),
      numberFont_(SmallBoldFont(kNumberCellHeight)) {
  field_.fill(ToQColor(model.Settings.BackColor));
  report_.fill(ToQColor(model.Settings.ReportColor));
}

SurfaceView::FieldPainting::FieldPainting(SurfaceView& view) : view_(view) {
  if (view_.fieldPaintingDepth_++ == 0) view_.fieldPainter_.begin(&view_.field_);
}

SurfaceView::FieldPainting::~FieldPainting() {
  if (--view_.fieldPaintingDepth_ != 0) return;
  view_.fieldPainter_.end();
  const QRect changed = view_.fieldChanged_ & view_.field_.rect();
  view_.fieldChanged_ = QRect();
  if (changed.isValid() && view_.changeListener_) view_.changeListener_(Surface::Field, changed);
}

}  // namespace coilrun
