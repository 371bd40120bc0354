#include "tools/pictures/pictures.h"

#include <array>

namespace coilrun::pictures {

namespace {

constexpr QRgb kSeeThrough = 0xFFFFFFFF;
constexpr QRgb kNearWhite = 0xFFFEFEFE;

constexpr std::array kPictures{
    Picture{"logo.png", QSize(345, 135), true, PaintLogo}, Picture{"author.png", QSize(105, 130), false, PaintAuthor},
    Picture{"exe.png", QSize(198, 220), true, PaintExe},   Picture{"skip.png", QSize(400, 199), true, PaintSkip},
    Picture{"comp.png", QSize(178, 200), true, PaintComp},
};

// Opaque where alpha reaches one half, pure white elsewhere; an opaque pixel
// that happens to be pure white is nudged off it, so that it does not turn
// see-through.
QImage FlattenOntoWhite(const QImage& painted) {
  const QImage straight = painted.convertToFormat(QImage::Format_ARGB32);
  QImage flat(straight.size(), QImage::Format_RGB32);
  for (int y = 0; y < straight.height(); ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    auto* target = reinterpret_cast<QRgb*>(flat.scanLine(y));
    for (int x = 0; x < straight.width(); ++x) {
      if (qAlpha(source[x]) < 128) {
        target[x] = kSeeThrough;
      } else {
        const QRgb opaque = source[x] | 0xFF000000;
        target[x] = opaque == kSeeThrough ? kNearWhite : opaque;
      }
    }
  }
  return flat;
}

}  // namespace

std::span<const Picture> AllPictures() { return kPictures; }

QImage RenderPicture(const Picture& picture) {
  QImage canvas(picture.size, QImage::Format_ARGB32_Premultiplied);
  canvas.fill(picture.seeThrough ? Qt::transparent : Qt::white);
  {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    picture.paint(painter);
  }
  if (picture.seeThrough) return FlattenOntoWhite(canvas);
  return canvas.convertToFormat(QImage::Format_RGB32);
}

}  // namespace coilrun::pictures
