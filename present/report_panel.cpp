// The report panel below the field.
#include "present/surface_view.h"

namespace coilrun {

void SurfaceView::ShowScore(int /*player*/) {}  // not yet: the report panel's texts arrive with the report panel
void SurfaceView::ShowLives(int /*player*/) {}  // not yet: arrives with the report panel
void SurfaceView::ShowNumber() {}               // not yet: arrives with the report panel
void SurfaceView::ClearReport() {}              // not yet: arrives with the report panel
void SurfaceView::RepaintReport() {}            // not yet: arrives with the report panel

}  // namespace coilrun
