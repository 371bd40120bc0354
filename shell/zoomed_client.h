// The window's client area at any zoom. It holds the 1x client with the
// window's parts in their fixed layout. At 1x on a display of scale 1 the
// client itself is shown, as it always was. At any other size or display
// scale the client is kept out of sight and this widget shows its picture,
// every pixel a square of device pixels, centred, the rest black: each
// repaint renders the 1x picture of what changed and scales it once.
#pragma once

#include <QWidget>

#include "shell/zoom.h"

namespace coilrun {

class ZoomedClient : public QWidget {
  Q_OBJECT

 public:
  // Takes the client as its child.
  ZoomedClient(QWidget* client, QWidget* parent = nullptr);

  QWidget& client() { return *client_; }

  // The way for the client's parts to show a change: out of sight, a part's
  // own repaint would go nowhere.
  void ShowChange(QWidget& part, const QRect& pixels);
  void ShowChange(QWidget& part) { ShowChange(part, part.rect()); }

  // While set, the picture is centred in the whole window rather than in
  // this widget, so that a menu bar shown over a full-screen picture leaves
  // the picture where it was.
  void SetCentredInWindow(bool centred);

  // Whether the scaled picture is shown rather than the client, and where,
  // in device pixels of the window.
  bool zoomed() const { return zoomed_; }
  Placement placement() const {
    return PlacementAt(devicePixelRatio(), QPointF(TopLeftInWindow()) * devicePixelRatio());
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QPoint TopLeftInWindow() const { return mapTo(window(), QPoint()); }
  // At a display scale such as 1.5 this widget's top left may fall between
  // device pixels; the picture keeps to whole device pixels of the surface
  // painted on, whose device pixel the top left is at `topLeft` of.
  Placement PlacementAt(qreal ratio, QPointF topLeft) const;
  // Puts the client in view at 1x and out of sight otherwise. True when
  // that changed anything.
  bool Restage();

  QWidget* client_;
  bool centredInWindow_ = false;
  bool zoomed_ = false;
};

}  // namespace coilrun
