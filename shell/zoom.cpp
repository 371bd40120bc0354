#include "shell/zoom.h"

#include <algorithm>
#include <cstring>

namespace coilrun {

namespace {

// Whole divisions rounding towards minus infinity: device pixels left of or
// above a centred picture have negative offsets.
int FloorDivide(int value, int divisor) { return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor); }

}  // namespace

int LargestZoomThatFits(QSize picture, QSize fixedPart, QSize room) {
  const int across = (room.width() - fixedPart.width()) / picture.width();
  const int down = (room.height() - fixedPart.height()) / picture.height();
  return std::clamp(std::min(across, down), 1, kLargestZoom);
}

Placement PlacePicture(QSize picture, const QRect& area) {
  const int factor = std::max(1, std::min(area.width() / picture.width(), area.height() / picture.height()));
  const QSize scaled = picture * factor;
  // Halves round down, so an odd leftover pixel goes to the right and the bottom.
  return {factor, area.topLeft() + QPoint((area.width() - scaled.width()) / 2, (area.height() - scaled.height()) / 2)};
}

QRect DevicePixelsOf(const QRect& pixels, const Placement& placement) {
  return {placement.origin + pixels.topLeft() * placement.factor, pixels.size() * placement.factor};
}

QRect PicturePixelsUnder(const QRect& devicePixels, const Placement& placement, QSize picture) {
  if (devicePixels.isEmpty()) return {};
  const QPoint first = devicePixels.topLeft() - placement.origin;
  const QPoint last = devicePixels.bottomRight() - placement.origin;
  const QRect under(QPoint(FloorDivide(first.x(), placement.factor), FloorDivide(first.y(), placement.factor)),
                    QPoint(FloorDivide(last.x(), placement.factor), FloorDivide(last.y(), placement.factor)));
  return under & QRect(QPoint(), picture);
}

// Each source row is widened once and then copied for the rows below it:
// the work is one pass over the larger image.
QImage ScaledUp(const QImage& image, int factor) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  if (factor == 1) return source;
  QImage scaled(source.size() * factor, QImage::Format_RGB32);
  const auto rowBytes = static_cast<std::size_t>(scaled.width()) * sizeof(QRgb);
  for (int y = 0; y < source.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    auto* wide = reinterpret_cast<QRgb*>(scaled.scanLine(y * factor));
    for (int x = 0; x < source.width(); ++x) std::fill_n(wide + x * factor, factor, from[x]);
    for (int copy = 1; copy < factor; ++copy) std::memcpy(scaled.scanLine(y * factor + copy), wide, rowBytes);
  }
  return scaled;
}

}  // namespace coilrun
