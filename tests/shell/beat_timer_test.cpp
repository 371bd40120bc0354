#include "shell/beat_timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <thread>

namespace coilrun {
namespace {

TEST(BeatTimerTest, TicksUntilStoppedAndNotAfter) {
  BeatTimer timer;
  int ticks = 0;
  QObject::connect(&timer, &BeatTimer::timeout, [&] { ++ticks; });
  timer.setInterval(5);
  timer.start();
  EXPECT_TRUE(timer.isActive());
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000));

  // A deadline that passed while the program was busy is not delivered
  // once the timer has been stopped.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  timer.stop();
  const int ticksAtStop = ticks;
  QTest::qWait(30);
  EXPECT_EQ(ticks, ticksAtStop);
  EXPECT_FALSE(timer.isActive());
}

// 0 ms would switch the kernel's timer off instead of firing at once.
TEST(BeatTimerTest, AZeroIntervalStillTicks) {
  BeatTimer timer;
  int ticks = 0;
  QObject::connect(&timer, &BeatTimer::timeout, [&] { ++ticks; });
  timer.setInterval(0);
  timer.start();
  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 5000));
}

}  // namespace
}  // namespace coilrun
