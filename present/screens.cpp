// The information screens that replace the field.
#include "present/surface_view.h"

namespace coilrun {

void SurfaceView::ShowTitle() {}      // not yet: the information screens arrive later
void SurfaceView::ShowWinner() {}     // not yet: arrives with the information screens
void SurfaceView::DrawPauseBox() {}   // not yet: arrives with the information screens
void SurfaceView::ErasePauseBox() {}  // not yet: arrives with the information screens

}  // namespace coilrun
