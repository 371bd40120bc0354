#include "shell/beat_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace coilrun {

namespace {

timespec FromMilliseconds(int milliseconds) {
  return {.tv_sec = milliseconds / 1000, .tv_nsec = static_cast<long>(milliseconds % 1000) * 1'000'000};
}

}  // namespace

// The kernel's timer counts its periods on the monotonic clock, so the
// deadlines never drift by the time a tick takes to arrive or to run.
BeatTimer::BeatTimer(QObject* parent)
    : QObject(parent), clock_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
  if (clock_ < 0) throw std::system_error(errno, std::generic_category(), "The game timer cannot be created");
  expiry_ = new QSocketNotifier(clock_, QSocketNotifier::Read, this);
  connect(expiry_, &QSocketNotifier::activated, this, &BeatTimer::Expired);
}

BeatTimer::~BeatTimer() {
  delete expiry_;
  ::close(clock_);
}

// A timer of 0 ms would be switched off, not fire at once; the shortest
// beat is 1 ms.
void BeatTimer::setInterval(int milliseconds) {
  interval_ = std::max(milliseconds, 1);
  if (active_) Arm(interval_);
}

void BeatTimer::start() {
  if (interval_ == 0) interval_ = 1;
  active_ = true;
  Arm(interval_);
}

// Disarming also forgets an expiry not yet delivered, so no tick follows a stop.
void BeatTimer::stop() {
  active_ = false;
  Arm(0);
}

void BeatTimer::Arm(int milliseconds) {
  const itimerspec period{.it_interval = FromMilliseconds(milliseconds), .it_value = FromMilliseconds(milliseconds)};
  timerfd_settime(clock_, 0, &period, nullptr);
}

void BeatTimer::Expired() {
  std::uint64_t deadlinesReached = 0;
  if (::read(clock_, &deadlinesReached, sizeof deadlinesReached) != sizeof deadlinesReached) return;
  if (active_) emit timeout();
}

}  // namespace coilrun
