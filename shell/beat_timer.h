// The game timer. Its ticks keep to deadlines on the steady clock, one
// interval apart, so every beat comes on time to a fraction of a
// millisecond: a QTimer wakes on whole milliseconds, and at 17 ms its
// beats alternate between about 16.2 and 17.2 ms.
#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace coilrun {

class BeatTimer : public QObject {
  Q_OBJECT

 public:
  explicit BeatTimer(QObject* parent = nullptr);
  ~BeatTimer() override;
  BeatTimer(const BeatTimer&) = delete;
  BeatTimer& operator=(const BeatTimer&) = delete;

  // While running, the new interval starts afresh from now, as with QTimer.
  void setInterval(int milliseconds);
  int interval() const { return interval_; }
  // The first tick comes one interval from now.
  void start();
  void stop();
  bool isActive() const { return active_; }

 signals:
  // Once per deadline reached; deadlines missed while the program was busy
  // are dropped rather than made up in a burst.
  void timeout();

 private:
  void Arm(int milliseconds);
  void Expired();

  int interval_ = 0;
  bool active_ = false;
  int clock_ = -1;
  QSocketNotifier* expiry_ = nullptr;
};

}  // namespace coilrun
