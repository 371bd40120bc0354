#include <QLinearGradient>

#include "tools/pictures/cartoon.h"
#include "tools/pictures/mascot.h"
#include "tools/pictures/pictures.h"

namespace coilrun::pictures {

namespace {

constexpr double kDeskTop = 96;
const QPointF kPencilTip(70, kDeskTop + 5);

const QColor kWallTop(0xD4, 0xE8, 0xF6);
const QColor kWallBottom(0xF0, 0xE6, 0xCC);
const QColor kFrame(0x9A, 0x5E, 0x32);
const QColor kFrameLight(0xC8, 0x8A, 0x55);
const QColor kDesk(0xB8, 0x78, 0x44);
const QColor kDeskEdge(0x8A, 0x52, 0x2E);
const QColor kPaper(0xFA, 0xF6, 0xE8);
const QColor kBrick(0x00, 0x80, 0x80);
const QColor kPencil(0xFF, 0xC8, 0x2E);
const QColor kWoodTip(0xF0, 0xC8, 0x96);
const QColor kEraser(0xF0, 0x80, 0x90);

void PaintWall(QPainter& painter) {
  QLinearGradient wall(0, 0, 0, kDeskTop);
  wall.setColorAt(0, kWallTop);
  wall.setColorAt(1, kWallBottom);
  painter.fillRect(QRectF(0, 0, 105, 130), wall);
}

// On the wall hangs a little game field: a snake of squares and its target.
void PaintFieldOnWall(QPainter& painter) {
  const QRectF field(68, 16, 24, 16);
  QPainterPath border;
  border.addRect(field.adjusted(-2, -2, 2, 2));
  PaintInked(painter, border, kDeskEdge, 1.2);
  painter.fillRect(field, QColor(0x00, 0xFF, 0x00));
  for (const QPointF cell : {QPointF(3, 9), QPointF(6, 9), QPointF(9, 9), QPointF(9, 6), QPointF(12, 6)}) {
    painter.fillRect(QRectF(field.topLeft() + cell, QSizeF(3, 3)), QColor(0xFF, 0xFF, 0x00));
  }
  painter.fillRect(QRectF(field.topLeft() + QPointF(18, 3), QSizeF(3, 3)), QColor(0xE0, 0x28, 0x3C));
}

void PaintDesk(QPainter& painter) {
  QPainterPath top;
  top.addRect(QRectF(-2, kDeskTop, 109, 14));
  PaintInked(painter, top, kDesk, 2);
  QPainterPath front;
  front.addRect(QRectF(-2, kDeskTop + 14, 109, 22));
  PaintInked(painter, front, kDeskEdge, 2);
}

// A sheet with a level being drawn on it: a wall of bricks and a target.
void PaintSheet(QPainter& painter) {
  painter.save();
  painter.translate(60, kDeskTop + 7);
  painter.rotate(-6);
  QPainterPath sheet;
  sheet.addRect(QRectF(-20, -8, 40, 15));
  PaintInked(painter, sheet, kPaper, 1.5);
  painter.setPen(QPen(kInk, 0.8));
  for (int column = 0; column < 5; ++column) {
    painter.fillRect(QRectF(-15 + column * 4, -4, 4, 3), kBrick);
  }
  painter.fillRect(QRectF(-15, -1, 4, 4), kBrick);
  painter.fillRect(QRectF(7, 0, 4, 4), QColor(0xE0, 0x28, 0x3C));
  painter.restore();
}

void PaintPencil(QPainter& painter) {
  painter.save();
  painter.translate(kPencilTip);
  painter.rotate(-50);
  QPainterPath tip;
  tip.moveTo(0, 0);
  tip.lineTo(8, -3);
  tip.lineTo(8, 3);
  tip.closeSubpath();
  PaintInked(painter, tip, kWoodTip, 1.2);
  QPainterPath lead;
  lead.moveTo(0, 0);
  lead.lineTo(3, -1.1);
  lead.lineTo(3, 1.1);
  lead.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  painter.drawPath(lead);
  QPainterPath body;
  body.addRect(QRectF(8, -3, 26, 6));
  PaintInked(painter, body, kPencil, 1.2);
  QPainterPath eraser;
  eraser.addRoundedRect(QRectF(34, -3, 6, 6), 1.5, 1.5);
  PaintInked(painter, eraser, kEraser, 1.2);
  painter.restore();
}

void PaintFrame(QPainter& painter) {
  QPainterPath frame;
  frame.addRect(QRectF(1, 1, 103, 128));
  frame.addRect(QRectF(6, 6, 93, 118));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kFrame);
  painter.drawPath(frame);
  painter.setPen(QPen(kFrameLight, 1));
  painter.drawLine(QPointF(2.5, 2.5), QPointF(102.5, 2.5));
  painter.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 127.5));
  painter.setPen(QPen(kInk, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(0.5, 0.5, 104, 129));
  painter.drawRect(QRectF(5.5, 5.5, 94, 119));
}

}  // namespace

void PaintAuthor(QPainter& painter) {
  PaintWall(painter);
  PaintFieldOnWall(painter);
  const QPointF headCentre(42, 50);
  QPainterPath neck(QPointF(30, kDeskTop + 4));
  neck.cubicTo(QPointF(26, 80), QPointF(40, 72), headCentre + QPointF(0, 10));
  PaintSnakeBody(painter, neck, 8.5, 0);
  PaintDesk(painter);
  PaintSheet(painter);
  PaintPencil(painter);
  // The tail rises from behind the desk and hooks round the pencil.
  QPainterPath tail(QPointF(77, 78));
  tail.cubicTo(QPointF(82, 94), QPointF(100, 84), QPointF(96, kDeskTop + 8));
  painter.save();
  painter.setClipRect(QRectF(0, 0, 105, kDeskTop - 1));
  PaintSnakeBody(painter, tail, 5.5, 24);
  painter.restore();
  PaintSnakeHead(painter, headCentre, 46, Mood::kBusy, 10);
  PaintFrame(painter);
}

}  // namespace coilrun::pictures
