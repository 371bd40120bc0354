#include "shell/dialog_parts.h"

#include <QEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>

namespace coilrun {

namespace {

class ClickFilter : public QObject {
 public:
  ClickFilter(QWidget* widget, std::function<void()> handler)
      : QObject(widget), widget_(widget), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget_ && event->type() == QEvent::MouseButtonRelease && widget_->isEnabled()) {
      const auto* release = static_cast<QMouseEvent*>(event);
      if (release->button() == Qt::LeftButton && widget_->rect().contains(release->position().toPoint())) handler_();
    }
    return false;
  }

 private:
  QWidget* widget_;
  std::function<void()> handler_;
};

}  // namespace

void CenterOnScreen(QWidget& window) {
  if (const QScreen* shownOn = window.screen())
    window.move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), shownOn->availableGeometry()).topLeft());
}

void OnClick(QWidget* widget, std::function<void()> handler) {
  widget->installEventFilter(new ClickFilter(widget, std::move(handler)));
}

}  // namespace coilrun
