#include "shell/sound_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include "tests/shell/test_sounds.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

// The audio threads that have mixed since the last look.
struct Mixers {
  std::mutex mutex;
  std::set<std::thread::id> threads;

  std::set<std::thread::id> Take() {
    const std::lock_guard lock(mutex);
    return std::exchange(threads, {});
  }
};

void Mixed(void* context, Uint8* /*stream*/, int /*length*/) {
  auto& mixers = *static_cast<Mixers*>(context);
  const std::lock_guard lock(mixers.mutex);
  mixers.threads.insert(std::this_thread::get_id());
}

// The disk driver opens a second device beside the one closing, as sound
// servers do. From the sleep on only the woken device mixes, so that a sound
// started at once loses nothing to the device closing; the next sleep waits
// for the last close before it starts its own.
TEST(SoundDeviceTest, AWakeWhileTheSleepingDeviceClosesMixesOnTheNewDeviceAlone) {
  TempDirectory directory("coilrun-sound-device");
  AudioDriver disk("disk", directory / "capture.raw");
  Mixers mixers;
  SoundDevice device(44'100, 512, 48, &Mixed, &mixers, nullptr);
  ASSERT_EQ(device.Open(false), "");
  for (int round = 0; round < 3; ++round) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::set<std::thread::id> beforeSleep = mixers.Take();
    ASSERT_FALSE(beforeSleep.empty());
    device.Sleep();
    mixers.Take();  // a buffer the old device was mixing as it went to sleep
    ASSERT_TRUE(device.Wake());
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::set<std::thread::id> woken = mixers.Take();
    EXPECT_FALSE(woken.empty()) << "round " << round;
    for (const std::thread::id thread : woken) EXPECT_EQ(beforeSleep.count(thread), 0u) << "round " << round;
  }
  device.Close();
  EXPECT_FALSE(device.open());
}

}  // namespace
}  // namespace coilrun::testing
