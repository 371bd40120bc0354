#include "tools/pictures/cartoon.h"
#include "tools/pictures/mascot.h"
#include "tools/pictures/pictures.h"

namespace coilrun::pictures {

namespace {

const QColor kWood(0x8A, 0x52, 0x2E);
const QColor kWoodLight(0xB0, 0x74, 0x45);
const QColor kRibbonRed(0xE0, 0x30, 0x40);
const QColor kRibbonBlue(0x2F, 0x6F, 0xD8);

void PaintTrophy(QPainter& painter, double centreX, double top, double bottom) {
  const double w = 80;
  QPainterPath handles;
  handles.addEllipse(QPointF(centreX - w * 0.42, top + 26), 16, 20);
  handles.addEllipse(QPointF(centreX + w * 0.42, top + 26), 16, 20);
  handles.addEllipse(QPointF(centreX - w * 0.42, top + 26), 9, 13);
  handles.addEllipse(QPointF(centreX + w * 0.42, top + 26), 9, 13);
  PaintInked(painter, handles, GoldAcross(centreX - w * 0.7, centreX + w * 0.7), 2.5);

  QPainterPath cup;
  cup.moveTo(centreX - w / 2, top);
  cup.lineTo(centreX + w / 2, top);
  cup.cubicTo(centreX + w / 2, top + 50, centreX + 18, top + 62, centreX + 7, top + 68);
  cup.lineTo(centreX + 7, top + 84);
  cup.cubicTo(centreX + 10, top + 90, centreX + 22, top + 92, centreX + 24, top + 98);
  cup.lineTo(centreX - 24, top + 98);
  cup.cubicTo(centreX - 22, top + 92, centreX - 10, top + 90, centreX - 7, top + 84);
  cup.lineTo(centreX - 7, top + 68);
  cup.cubicTo(centreX - 18, top + 62, centreX - w / 2, top + 50, centreX - w / 2, top);
  cup.closeSubpath();
  PaintInked(painter, cup, GoldAcross(centreX - w / 2, centreX + w / 2), 2.5);

  QPainterPath rim;
  rim.addRoundedRect(QRectF(centreX - w / 2 - 4, top - 6, w + 8, 10), 4, 4);
  PaintInked(painter, rim, GoldAcross(centreX - w / 2, centreX + w / 2), 2.5);
  PaintInked(painter, StarShape(QPointF(centreX, top + 30), 15, 6.5), kGoldLight, 2);

  QPainterPath base;
  base.addRoundedRect(QRectF(centreX - 34, top + 98, 68, bottom - top - 98), 3, 3);
  PaintInked(painter, base, ShadeAcross(base.boundingRect(), kWoodLight, kWood), 2.5);
  QPainterPath plate;
  plate.addRoundedRect(QRectF(centreX - 20, top + 106, 40, bottom - top - 114), 2, 2);
  PaintInked(painter, plate, GoldAcross(centreX - 20, centreX + 20), 1.5);
  PaintInkText(painter, QStringLiteral("82"), DejaVuSans(15, true), QPointF(centreX - 9.5, bottom - 12));
}

void PaintMedal(QPainter& painter, const QPointF& neck, const QPointF& disc) {
  const QPainterPath ribbon =
      Polygon({neck + QPointF(-13, 0), disc + QPointF(-4, -6), disc + QPointF(4, -6), neck + QPointF(13, 0),
               neck + QPointF(6, 0), disc + QPointF(0, -12), neck + QPointF(-6, 0)});
  PaintInked(painter, ribbon, kRibbonRed, 1.8);
  QPainterPath stripe;
  stripe.moveTo(neck + QPointF(-9.5, 0));
  stripe.lineTo(disc + QPointF(-2, -9));
  painter.setPen(QPen(kRibbonBlue, 2.5));
  painter.drawPath(stripe);
  QPainterPath medal;
  medal.addEllipse(disc, 11, 11);
  PaintInked(painter, medal, GoldAcross(disc.x() - 11, disc.x() + 11), 2);
  PaintInked(painter, StarShape(disc, 7, 3), kGoldLight, 1.3);
}

}  // namespace

void PaintExe(QPainter& painter) {
  PaintTrophy(painter, 58, 48, 205);

  QPainterPath spine = CoilHeapSpine(QPointF(140, 204), 96, 26, 2.2, 16);
  const QPointF neckStart = spine.currentPosition();
  const QPointF headCentre(140, 78);
  spine.cubicTo(neckStart + QPointF(-6, -22), headCentre + QPointF(14, 30), headCentre + QPointF(0, 10));
  PaintSnakeBody(painter, spine, 9, 40);
  PaintMedal(painter, headCentre + QPointF(0, 24), headCentre + QPointF(2, 52));
  PaintSnakeHead(painter, headCentre, 58, Mood::kProud, -6);

  PaintInked(painter, StarShape(QPointF(140, 22), 12, 5, 10), kGold, 2);
  PaintInked(painter, StarShape(QPointF(183, 52), 8, 3.5, -12), kGold, 1.8);
  PaintInked(painter, StarShape(QPointF(100, 12), 7, 3, 20), kGold, 1.8);
  PaintInked(painter, StarShape(QPointF(14, 22), 9, 4, -8), kGold, 1.8);
}

}  // namespace coilrun::pictures
