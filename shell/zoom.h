// Whole-number zoom of the window's fixed picture: how large it may be,
// where it stands, and how its pixels are made larger. A zoomed picture is
// the 1x picture with every pixel a square of factor x factor device pixels,
// so it stays as sharp as at 1x at any size and at any display scale.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace coilrun {

// Even an 8K screen holds no more than 15 times the window's width; a
// larger stored zoom is taken for this one and then lowered to what fits.
inline constexpr int kLargestZoom = 16;

// The largest zoom, 1 to kLargestZoom, at which the picture times the zoom
// plus what does not grow with it (the menu bar, the window's frame) fits in
// the room; 1 when not even 1x fits.
int LargestZoomThatFits(QSize picture, QSize fixedPart, QSize room);

// Where a picture stands among device pixels: each of its pixels is a
// factor x factor square, the picture's top left at origin.
struct Placement {
  int factor = 1;
  QPoint origin;

  friend bool operator==(const Placement&, const Placement&) = default;
};

// The largest whole factor (at least 1) at which the picture fits the area,
// centred in it.
Placement PlacePicture(QSize picture, const QRect& area);

// The device pixels that a rectangle of picture pixels covers.
QRect DevicePixelsOf(const QRect& pixels, const Placement& placement);

// The picture's pixels that cover any of the device pixels; empty when the
// device pixels lie wholly outside the picture.
QRect PicturePixelsUnder(const QRect& devicePixels, const Placement& placement, QSize picture);

// The image with every pixel made a factor x factor square: nearest
// neighbour, no blending, every column and row repeated the same number of
// times. Takes and gives 32-bit RGB.
QImage ScaledUp(const QImage& image, int factor);

}  // namespace coilrun
