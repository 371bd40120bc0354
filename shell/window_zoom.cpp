#include "shell/window_zoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "shell/main_menu.h"

namespace coilrun {

namespace {

// Often enough that the menu bar goes soon after its menus, seldom enough to
// cost nothing.
constexpr int kMenuBarWatchInterval = 200;

}  // namespace

WindowZoom::WindowZoom(QMainWindow& window, QMenu& optionsMenu, CoilrunIni* ini)
    : QObject(&window), window_(window), ini_(ini), settings_(ini ? ReadViewSettings(*ini) : ViewSettings{}) {
  client_ = new ZoomedClient(window_.takeCentralWidget());
  client_->setObjectName(QStringLiteral("ZoomedClient"));
  window_.setCentralWidget(client_);

  AddSeparator(optionsMenu, "ZoomSeparator");
  zoomInItem_ = AddKeyedItem(optionsMenu, "ZoomInItem", QStringLiteral("Zoom &in"),
                             {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOutItem_ =
      AddKeyedItem(optionsMenu, "ZoomOutItem", QStringLiteral("Zoom o&ut"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  actualSizeItem_ =
      AddKeyedItem(optionsMenu, "ActualSizeItem", QStringLiteral("&Actual size"), {QKeySequence(Qt::CTRL | Qt::Key_0)});
  fullScreenItem_ =
      AddKeyedItem(optionsMenu, "FullScreenItem", QStringLiteral("&Full screen"), {QKeySequence(Qt::Key_F11)});
  fullScreenItem_->setCheckable(true);
  connect(zoomInItem_, &QAction::triggered, this, [this] { SetZoom(settings_.zoom + 1); });
  connect(zoomOutItem_, &QAction::triggered, this, [this] { SetZoom(settings_.zoom - 1); });
  connect(actualSizeItem_, &QAction::triggered, this, [this] { SetZoom(1); });
  // The item checks itself when chosen; the window's state decides instead.
  connect(fullScreenItem_, &QAction::triggered, this, [this] { SetFullScreen(!settings_.fullScreen); });

  leaveFullScreen_ = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
  leaveFullScreen_->setObjectName(QStringLiteral("LeaveFullScreen"));
  leaveFullScreen_->setAutoRepeat(false);
  connect(leaveFullScreen_, &QShortcut::activated, this, [this] { SetFullScreen(false); });

  menuBarWatch_.setInterval(kMenuBarWatchInterval);
  connect(&menuBarWatch_, &QTimer::timeout, this, &WindowZoom::ConcealMenuBarWhenLeft);
  window_.installEventFilter(this);

  const bool storedFullScreen = settings_.fullScreen;
  settings_.fullScreen = false;
  SetZoom(settings_.zoom);
  SetFullScreen(storedFullScreen);
}

// The items belong to the window too, so that their keys work while the
// menu bar is hidden in full screen. A held key repeats nothing.
QAction* WindowZoom::AddKeyedItem(QMenu& menu, const char* name, const QString& caption,
                                  const QList<QKeySequence>& keys) {
  QAction* item = AddItem(menu, name, caption);
  item->setShortcuts(keys);
  item->setAutoRepeat(false);
  window_.addAction(item);
  return item;
}

int WindowZoom::LargestFittingZoom() const {
  const QSize frame = window_.isVisible() ? window_.frameGeometry().size() - window_.geometry().size() : QSize(0, 0);
  const QSize fixedPart = frame + QSize(0, window_.menuBar()->sizeHint().height());
  return LargestZoomThatFits(client_->client().size(), fixedPart, window_.screen()->availableGeometry().size());
}

void WindowZoom::SetZoom(int zoom) {
  settings_.zoom = std::clamp(zoom, 1, LargestFittingZoom());
  if (!settings_.fullScreen) ShowZoomedSize();
  UpdateItems();
  Store();
}

void WindowZoom::SetFullScreen(bool on) {
  if (on == settings_.fullScreen) return;
  settings_.fullScreen = on;
  on ? EnterFullScreen() : LeaveFullScreen();
  UpdateItems();
  Store();
}

// The window keeps its centre, as far as the screen lets it.
void WindowZoom::ShowZoomedSize() {
  const QRect before = window_.frameGeometry();
  const QSize frame = before.size() - window_.size();
  client_->setFixedSize(client_->client().size() * settings_.zoom);
  FitWindowToClient();
  if (!window_.isVisible()) return;
  const QRect screen = window_.screen()->availableGeometry();
  QRect after(QPoint(), window_.size() + frame);
  after.moveCenter(before.center());
  after.moveLeft(std::max(screen.left(), std::min(after.left(), screen.right() + 1 - after.width())));
  after.moveTop(std::max(screen.top(), std::min(after.top(), screen.bottom() + 1 - after.height())));
  window_.move(after.topLeft());
}

// The window is sized to the screen here rather than left to a window
// manager, which may not be there to do it.
void WindowZoom::EnterFullScreen() {
  windowedPosition_ = window_.isVisible() ? std::optional(window_.pos()) : std::nullopt;
  window_.layout()->setSizeConstraint(QLayout::SetNoConstraint);
  client_->setMinimumSize(0, 0);
  client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window_.menuBar()->hide();
  client_->SetCentredInWindow(true);
  const QRect screen = window_.screen()->geometry();
  window_.setFixedSize(screen.size());
  window_.move(screen.topLeft());
  window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
}

void WindowZoom::LeaveFullScreen() {
  menuBarWatch_.stop();
  window_.setWindowState(window_.windowState() & ~Qt::WindowFullScreen);
  client_->SetCentredInWindow(false);
  window_.menuBar()->show();
  window_.setMinimumSize(0, 0);
  window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
  // The screen may have changed meanwhile.
  settings_.zoom = std::min(settings_.zoom, LargestFittingZoom());
  client_->setFixedSize(client_->client().size() * settings_.zoom);
  FitWindowToClient();
  // A window that started in full screen has never had a place of its own.
  if (!windowedPosition_) {
    QRect centred(QPoint(), window_.frameGeometry().size());
    centred.moveCenter(window_.screen()->availableGeometry().center());
    windowedPosition_ = centred.topLeft();
  }
  window_.move(*windowedPosition_);
}

// Now rather than when the layout's request comes, so that the new size is
// there to place the window by.
void WindowZoom::FitWindowToClient() {
  window_.layout()->invalidate();
  window_.layout()->activate();
}

void WindowZoom::UpdateItems() {
  const bool windowed = !settings_.fullScreen;
  zoomInItem_->setEnabled(windowed && settings_.zoom < LargestFittingZoom());
  zoomOutItem_->setEnabled(windowed && settings_.zoom > 1);
  actualSizeItem_->setEnabled(windowed);
  fullScreenItem_->setChecked(settings_.fullScreen);
  leaveFullScreen_->setEnabled(settings_.fullScreen);
}

void WindowZoom::Store() {
  if (ini_) WriteViewSettings(*ini_, settings_);
}

bool WindowZoom::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  if (event->type() == QEvent::Show && !settings_.fullScreen) {
    // Only a shown window knows its frame; the stored zoom may not fit with it.
    if (settings_.zoom > LargestFittingZoom()) SetZoom(settings_.zoom);
    UpdateItems();
  } else if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) && settings_.fullScreen &&
             static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt) {
    // The menu bar takes Alt for its keyboard navigation from the shortcut
    // override that comes first, and only while it is visible; this filter,
    // installed after the menu bar's own, runs before it.
    RevealMenuBar();
  }
  return false;
}

void WindowZoom::RevealMenuBar() {
  window_.menuBar()->show();
  menuBarWatch_.start();
}

void WindowZoom::ConcealMenuBarWhenLeft() {
  QMenuBar& bar = *window_.menuBar();
  if (bar.activeAction() || QApplication::activePopupWidget() ||
      QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier))
    return;
  menuBarWatch_.stop();
  if (settings_.fullScreen) bar.hide();
}

}  // namespace coilrun
