// The window's zoom and full screen: the Options menu's items for them, the
// window's size at each zoom, the menu bar revealed by Alt in full screen,
// and their keeping in coilrun.ini.
//
// Zoomed, the window shows exactly its 1x picture with every pixel a square
// of zoom x zoom pixels; full screen shows it at the largest zoom that fits
// the screen, centred, the rest black. The zoom keys are Ctrl with +, - and
// 0, and F11 and Escape for full screen: none of them is a player's key or
// one the game listens to.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <optional>

#include "shell/coilrun_ini.h"
#include "shell/view_settings.h"
#include "shell/zoomed_client.h"

namespace coilrun {

class WindowZoom : public QObject {
  Q_OBJECT

 public:
  // Puts a ZoomedClient between the window and its central widget, adds the
  // items below the Options menu's own, and applies the stored zoom and
  // full screen. Without a coilrun.ini the view starts at its defaults and
  // is not kept.
  WindowZoom(QMainWindow& window, QMenu& optionsMenu, CoilrunIni* ini);

  ZoomedClient& client() { return *client_; }
  // A change to show of one of the client's parts, at whatever zoom.
  void ShowChange(QWidget& part, const QRect& pixels) { client_->ShowChange(part, pixels); }
  void ShowChange(QWidget& part) { client_->ShowChange(part); }
  int zoom() const { return settings_.zoom; }
  bool fullScreen() const { return settings_.fullScreen; }

  // Lowered to the largest zoom that fits the screen. Full screen keeps its
  // own zoom; the window takes this one when it leaves full screen.
  void SetZoom(int zoom);
  void SetFullScreen(bool on);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddKeyedItem(QMenu& menu, const char* name, const QString& caption, const QList<QKeySequence>& keys);
  int LargestFittingZoom() const;
  void ShowZoomedSize();
  void FitWindowToClient();
  void EnterFullScreen();
  void LeaveFullScreen();
  void UpdateItems();
  void Store();
  // In full screen the menu bar hides, so that the picture can take the
  // whole screen; Alt shows it over the picture until the menus are left.
  void RevealMenuBar();
  void ConcealMenuBarWhenLeft();

  QMainWindow& window_;
  CoilrunIni* ini_;
  ViewSettings settings_;
  ZoomedClient* client_;
  QAction* zoomInItem_;
  QAction* zoomOutItem_;
  QAction* actualSizeItem_;
  QAction* fullScreenItem_;
  QShortcut* leaveFullScreen_;
  QTimer menuBarWatch_;
  std::optional<QPoint> windowedPosition_;
};

}  // namespace coilrun
