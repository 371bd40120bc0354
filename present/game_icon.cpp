#include "present/game_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace coilrun {

namespace {

// The icon is laid out on 8 x 8 cells, like the game's field on a small scale.
constexpr double kCells = 8;

// Cell centres of the coil, from the tail to the head: around the edge of the
// field and inwards.
constexpr std::array<QPointF, 7> kCoil = {
    {{1.5, 1.5}, {6.5, 1.5}, {6.5, 6.5}, {1.5, 6.5}, {1.5, 3.5}, {4.5, 3.5}, {4.5, 4.5}}};
constexpr QPointF kTarget{4.5, 5.55};

}  // namespace

QImage GameIconImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double cell = size / kCells;
  painter.scale(cell, cell);

  // The field in its frame.
  painter.setPen(QPen(Qt::black, 0.25));
  painter.setBrush(QColor(0x2E, 0x8B, 0x3A));
  painter.drawRoundedRect(QRectF(0.2, 0.2, kCells - 0.4, kCells - 0.4), 1.1, 1.1);

  // The snake: a dark edge under a white body.
  QPainterPath coil(kCoil.front());
  for (std::size_t i = 1; i < kCoil.size(); ++i) coil.lineTo(kCoil[i]);
  painter.setBrush(Qt::NoBrush);
  painter.strokePath(coil, QPen(QColor(0x10, 0x30, 0x14), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.strokePath(coil, QPen(Qt::white, 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

  // The head, looking down at the target.
  const QPointF head = kCoil.back();
  painter.setPen(QPen(QColor(0x10, 0x30, 0x14), 0.12));
  painter.setBrush(QColor(0xFF, 0xD0, 0x20));
  painter.drawEllipse(head, 0.55, 0.55);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(head + QPointF(-0.22, 0.18), 0.12, 0.12);
  painter.drawEllipse(head + QPointF(0.22, 0.18), 0.12, 0.12);

  // The target: a red cell.
  painter.setPen(QPen(Qt::black, 0.1));
  painter.setBrush(QColor(0xE0, 0x20, 0x20));
  painter.drawRect(QRectF(kTarget - QPointF(0.4, 0.4), QSizeF(0.8, 0.8)));
  return image;
}

// The sizes a title bar and a task bar show; the launchers take the large
// installed pictures, which would cost the start-up more time than the
// window's whole layout.
GameIconAhead::GameIconAhead()
    : pictures_(std::async(std::launch::async, [] {
        std::vector<QImage> pictures;
        for (const int size : {16, 24, 32, 48, 64}) pictures.push_back(GameIconImage(size));
        return pictures;
      })) {}

QIcon GameIconAhead::Take() {
  QIcon icon;
  for (const QImage& picture : pictures_.get()) icon.addPixmap(QPixmap::fromImage(picture));
  return icon;
}

}  // namespace coilrun
