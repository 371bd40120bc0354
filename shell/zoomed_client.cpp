#include "shell/zoomed_client.h"

#include <QPaintEvent>
#include <QPainter>

namespace coilrun {

ZoomedClient::ZoomedClient(QWidget* client, QWidget* parent) : QWidget(parent), client_(client) {
  client_->setParent(this);
  client_->move(0, 0);
  setFixedSize(client_->size());
  client_->show();
}

void ZoomedClient::ShowChange(QWidget& part, const QRect& pixels) {
  if (!zoomed_) {
    part.update(pixels);
    return;
  }
  const qreal ratio = devicePixelRatio();
  const QPointF topLeft = QPointF(TopLeftInWindow()) * ratio;
  const QRect inClient(part.mapTo(client_, pixels.topLeft()), pixels.size());
  const QRectF device = DevicePixelsOf(inClient, PlacementAt(ratio, topLeft));
  update(QRectF((device.topLeft() - topLeft) / ratio, device.size() / ratio).toAlignedRect());
}

void ZoomedClient::SetCentredInWindow(bool centred) {
  centredInWindow_ = centred;
  if (!Restage()) update();
}

Placement ZoomedClient::PlacementAt(qreal ratio, QPointF topLeft) const {
  const QRectF area = centredInWindow_
                          ? QRectF(topLeft - QPointF(TopLeftInWindow()) * ratio, QSizeF(window()->size()) * ratio)
                          : QRectF(topLeft, QSizeF(size()) * ratio);
  return PlacePicture(client_->size(), area.toAlignedRect());
}

bool ZoomedClient::Restage() {
  const qreal ratio = devicePixelRatio();
  const bool zoomed = ratio != 1.0 || size() != client_->size() ||
                      PlacementAt(ratio, TopLeftInWindow()) != Placement{1, TopLeftInWindow()};
  if (zoomed == zoomed_) return false;
  zoomed_ = zoomed;
  // Out of sight above this widget, yet shown, so that it renders with all
  // its parts.
  client_->move(0, zoomed ? -client_->height() - 1 : 0);
  // At 1x the client's margins show the window's background through this
  // widget; zoomed, this widget paints every pixel itself.
  setAttribute(Qt::WA_OpaquePaintEvent, zoomed);
  update();
  return true;
}

void ZoomedClient::resizeEvent(QResizeEvent* /*event*/) {
  if (!Restage()) update();
}

void ZoomedClient::moveEvent(QMoveEvent* /*event*/) {
  if (!Restage()) update();
}

void ZoomedClient::showEvent(QShowEvent* /*event*/) { Restage(); }

void ZoomedClient::paintEvent(QPaintEvent* event) {
  // The display scale can change with the screen; the first paint on the
  // new screen puts things right.
  if (Restage() || !zoomed_) return;
  QPainter painter(this);
  const qreal ratio = painter.device()->devicePixelRatio();
  const QTransform toDevice = painter.deviceTransform();
  const QTransform fromDevice = toDevice.inverted();
  const Placement placement = PlacementAt(ratio, toDevice.map(QPointF()));
  const QRect picture = DevicePixelsOf(client_->rect(), placement);
  for (const QRect& exposed : event->region()) {
    const QRect device = toDevice.mapRect(QRectF(exposed)).toAlignedRect();
    // Black goes only where no picture will cover it: a full screen of it
    // would take longer than scaling the picture.
    for (const QRect& border : QRegion(device).subtracted(picture))
      painter.fillRect(fromDevice.mapRect(QRectF(border)), Qt::black);
    const QRect pixels = PicturePixelsUnder(device, placement, client_->size());
    if (pixels.isEmpty()) continue;
    QImage part(pixels.size(), QImage::Format_RGB32);
    client_->render(&part, QPoint(), QRegion(pixels));
    QImage scaled = ScaledUp(part, placement.factor);
    // Drawn at the display's own scale, each image pixel is one device pixel.
    scaled.setDevicePixelRatio(ratio);
    painter.drawImage(fromDevice.map(QPointF(DevicePixelsOf(pixels, placement).topLeft())), scaled);
  }
}

}  // namespace coilrun
