// The two periodic timers on the window's thread: the game timer, whose
// every tick is a beat, and the report timer, which moves the report lines.
#pragma once

namespace coilrun {

enum class GameTimer { Game, Report };

class GameTimers {
 public:
  virtual ~GameTimers() = default;

  // Switching on a running timer leaves its period where it is.
  virtual void SetTimerEnabled(GameTimer timer, bool enabled) = 0;
  virtual bool TimerEnabled(GameTimer timer) const = 0;
  virtual void SetTimerInterval(GameTimer timer, int milliseconds) = 0;
};

}  // namespace coilrun
