// Where the rules take the seeds of their random choices from.
#pragma once

#include <cstdint>

namespace coilrun {

class Clock {
 public:
  virtual ~Clock() = default;

  // A fresh seed, taken from the clock.
  virtual std::uint32_t ClockSeed() = 0;
};

}  // namespace coilrun
