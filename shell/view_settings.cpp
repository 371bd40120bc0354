#include "shell/view_settings.h"

#include "shell/zoom.h"

namespace coilrun {

namespace {

const QString kZoomKey = QStringLiteral("View/Zoom");
const QString kFullScreenKey = QStringLiteral("View/FullScreen");

}  // namespace

ViewSettings ReadViewSettings(const CoilrunIni& ini) {
  const ViewSettings defaults;
  return {.zoom = ini.Integer(kZoomKey, defaults.zoom, 1, kLargestZoom),
          .fullScreen = ini.Flag(kFullScreenKey, defaults.fullScreen)};
}

void WriteViewSettings(CoilrunIni& ini, const ViewSettings& settings) {
  const ViewSettings defaults;
  ini.Set(kZoomKey, settings.zoom, defaults.zoom);
  ini.Set(kFullScreenKey, settings.fullScreen, defaults.fullScreen);
}

}  // namespace coilrun
