#include "present/pictures.h"

#include <QString>

namespace coilrun {

namespace {

// Every pixel one 32-bit word, so that the see-through copy is one pass
// over whole words.
QImage Decode(const char* name) {
  return QImage(QStringLiteral(":/pictures/") + QLatin1String(name)).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

Pictures::Pictures() : logoAhead_(std::async(std::launch::async, [] { return Decode("logo.png"); })) {}

const QImage& Pictures::LogoPic() {
  if (logoAhead_.valid()) logo_ = logoAhead_.get();
  return logo_;
}

const QImage& Pictures::Decoded(QImage& picture, const char* name) {
  if (picture.isNull()) picture = Decode(name);
  return picture;
}

void BuildSeeThroughCopy(const QImage& picture, const QColor& back, QImage& copy) {
  if (copy.size() != picture.size() || copy.format() != QImage::Format_RGB32)
    copy = QImage(picture.size(), QImage::Format_RGB32);
  const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
  const QRgb backPixel = back.rgb();
  for (int y = 0; y < picture.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < picture.width(); ++x) to[x] = from[x] == white ? backPixel : from[x];
  }
}

}  // namespace coilrun
