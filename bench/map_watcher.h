// A watcher of an X server's root window that sees a window map to the
// millisecond. Xlib's macros clash with Qt's names; keep this header out of
// programs that include Qt.
#pragma once

#include <X11/Xlib.h>

#include "bench/private_x.h"

namespace coilrun::bench {

// Sees the top-level windows map on a display, and closes them as a window
// manager would.
class MapWatcher {
 public:
  explicit MapWatcher(const std::string& displayName) : display_(XOpenDisplay(displayName.c_str())) {
    if (display_ == nullptr) Fail("cannot open display " + displayName);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, True);
  }
  ~MapWatcher() { XCloseDisplay(display_); }
  MapWatcher(const MapWatcher&) = delete;
  MapWatcher& operator=(const MapWatcher&) = delete;

  // Forgets the events seen so far.
  void Forget() { XSync(display_, True); }

  std::optional<Window> AwaitMap() {
    const SteadyClock::time_point deadline = SteadyClock::now() + kPatience;
    while (SteadyClock::now() < deadline) {
      while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) return event.xmap.window;
      }
      pollfd connection{.fd = ConnectionNumber(display_), .events = POLLIN, .revents = 0};
      poll(&connection, 1, 100);
    }
    return std::nullopt;
  }

  void AskToClose(Window window) {
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &message);
    XFlush(display_);
  }

 private:
  Display* display_;
};

}  // namespace coilrun::bench
