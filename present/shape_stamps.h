// The round looks of a cell: squares whose corners are rounded by an ellipse
// of a given size, the disc being the one whose corner ellipse is the whole
// cell. Each is worked out once per colour as a cell-sized image and then
// copied onto the field: the painter's own small curves come out lopsided at
// ten pixels, and a copy costs a fraction of drawing a curve.
#pragma once

#include <QColor>
#include <QImage>
#include <vector>

namespace coilrun {

class ShapeStamps {
 public:
  // A 1-pixel black outline and the fill inside; the pixels outside the
  // shape are transparent, so a copy keeps what was under the corners.
  const QImage& Rounded(const QColor& fill, int cornerEllipse);

 private:
  // Colours change only in the options dialog; a bound keeps a long session
  // of colour changes from piling up stamps.
  static constexpr std::size_t kMaxStamps = 64;

  struct Entry {
    int cornerEllipse;
    QRgb fill;
    QImage image;
  };

  std::vector<Entry> stamps_;
};

}  // namespace coilrun
