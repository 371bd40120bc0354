// The clock the game takes its random seeds from.
#pragma once

#include <chrono>
#include <cstdint>

#include "engine/clock.h"

namespace coilrun {

class SystemClock : public Clock {
 public:
  std::uint32_t ClockSeed() override {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
  }
};

}  // namespace coilrun
