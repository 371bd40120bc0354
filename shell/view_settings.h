// The window's zoom and full screen as coilrun.ini keeps them, under
// "View/". Untouched, they add nothing to the file.
#pragma once

#include "shell/coilrun_ini.h"

namespace coilrun {

struct ViewSettings {
  int zoom = 1;
  bool fullScreen = false;
};

// A zoom out of range is clamped to 1..kLargestZoom; whether it fits the
// screen is the window's question.
ViewSettings ReadViewSettings(const CoilrunIni& ini);
void WriteViewSettings(CoilrunIni& ini, const ViewSettings& settings);

}  // namespace coilrun
