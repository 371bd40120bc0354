// Looks at the next modal box from inside its event loop, then closes it.
// The box is closed whatever the look finds, and even when a check in it
// fails and returns early, so that a failing test fails instead of leaving
// exec() waiting for a click that never comes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>

namespace coilrun::testing {

class NextModalBox {
 public:
  explicit NextModalBox(std::function<void(QWidget& box)> look) : look_(std::move(look)) {
    timer_.setInterval(kPollMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  ~NextModalBox() {
    if (!seen_) ADD_FAILURE() << "no modal box was opened";
  }
  NextModalBox(const NextModalBox&) = delete;
  NextModalBox& operator=(const NextModalBox&) = delete;

 private:
  static constexpr int kPollMilliseconds = 10;
  static constexpr int kPatiencePolls = 500;

  void Poll() {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) {
      // Nothing to close: the event loop that polls is not a box's.
      if (++polls_ >= kPatiencePolls) timer_.stop();
      return;
    }
    timer_.stop();
    seen_ = true;
    look_(*box);
    box->close();
  }

  std::function<void(QWidget& box)> look_;
  QTimer timer_;
  int polls_ = 0;
  bool seen_ = false;
};

}  // namespace coilrun::testing
