#include "present/shape_stamps.h"

#include <algorithm>
#include <cmath>

#include "engine/model.h"

namespace coilrun {

namespace {

// A pixel belongs to the shape when its centre lies within the corner
// circle, less a quarter pixel so that the outline's steps come out even.
// Measured from the nearest point the corner circle's centre can take, the
// test covers the straight edges too.
bool InsideShape(int px, int py, double radius) {
  const double centreX = px + 0.5;
  const double centreY = py + 0.5;
  const double nearestX = std::clamp(centreX, radius, kCellPixels - radius);
  const double nearestY = std::clamp(centreY, radius, kCellPixels - radius);
  return std::hypot(centreX - nearestX, centreY - nearestY) <= radius - 0.25;
}

bool InsideCellShape(int px, int py, double radius) {
  if (px < 0 || py < 0 || px >= kCellPixels || py >= kCellPixels) return false;
  return InsideShape(px, py, radius);
}

QImage DrawRounded(const QColor& fill, int cornerEllipse) {
  const double radius = cornerEllipse / 2.0;
  QImage image(kCellPixels, kCellPixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  for (int py = 0; py < kCellPixels; ++py) {
    for (int px = 0; px < kCellPixels; ++px) {
      if (!InsideShape(px, py, radius)) continue;
      const bool onOutline = !InsideCellShape(px - 1, py, radius) || !InsideCellShape(px + 1, py, radius) ||
                             !InsideCellShape(px, py - 1, radius) || !InsideCellShape(px, py + 1, radius);
      image.setPixelColor(px, py, onOutline ? QColor(Qt::black) : fill);
    }
  }
  return image;
}

}  // namespace

const QImage& ShapeStamps::Rounded(const QColor& fill, int cornerEllipse) {
  for (const Entry& entry : stamps_)
    if (entry.cornerEllipse == cornerEllipse && entry.fill == fill.rgb()) return entry.image;
  if (stamps_.size() == kMaxStamps) stamps_.clear();
  stamps_.push_back({cornerEllipse, fill.rgb(), DrawRounded(fill, cornerEllipse)});
  return stamps_.back().image;
}

}  // namespace coilrun
