// Which information screen takes the field's place, and the message pair
// the report panel shows for it, moving or standing still.
#pragma once

#include <cstdint>

#include "engine/game_view.h"
#include "engine/model.h"
#include "game/game_timers.h"

namespace coilrun {

class Screens {
 public:
  Screens(GameModel& model, GameView view, GameTimers& timers) : model_(model), view_(view), timers_(timers) {}

  // Shows a page in the board's place with its message pair; shown already,
  // it is drawn again.
  void ShowScreen(ScreenStateValue screen);
  // Each page once, as start-up prepares their pictures, ending on the title.
  void PrepareInformationScreens();
  void ReportTimerTimer();
  void SetReportMode(std::uint8_t mode);

 private:
  bool ScreenShown() const { return IsInformationScreen(model_.ScreenState); }
  void StartMovingLines();

  GameModel& model_;
  GameView view_;
  GameTimers& timers_;
};

}  // namespace coilrun
