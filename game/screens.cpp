#include "game/screens.h"

namespace coilrun {

void Screens::ShowScreen(ScreenStateValue screen) {
  const bool entering = model_.ScreenState != screen;
  model_.ScreenState = screen;
  view_.report.ShowStateMessage(entering);
  StartMovingLines();
  view_.screens.ShowPage(entering);
}

// The title page replaces the three end pages at once, before the window
// shows: each end page takes its turn of message pairs as it is entered,
// but none is painted, as nobody would see it.
void Screens::PrepareInformationScreens() {
  for (const ScreenStateValue screen : {WinnerScreen, CongratulationsScreen, DisappointmentScreen}) {
    const bool entering = model_.ScreenState != screen;
    model_.ScreenState = screen;
    view_.report.ShowStateMessage(entering);
    StartMovingLines();
  }
  ShowScreen(TitleScreen);
}

void Screens::StartMovingLines() {
  if (model_.Settings.ReportMode != ReportMoving) return;
  timers_.SetTimerInterval(GameTimer::Report, model_.Settings.ReportInterval);
  timers_.SetTimerEnabled(GameTimer::Report, true);
}

void Screens::ReportTimerTimer() {
  if (!ScreenShown()) return;
  // A timer left running from a game in which the mode left Moving has
  // nothing to move; it stops rather than wake the idle program for ever.
  if (model_.Settings.ReportMode != ReportMoving) {
    timers_.SetTimerEnabled(GameTimer::Report, false);
    return;
  }
  view_.report.MoveReportLines();
}

// On an information screen the pair shown moves to the new mode's place at once.
void Screens::SetReportMode(std::uint8_t mode) {
  const std::uint8_t previous = model_.Settings.ReportMode;
  if (!ScreenShown()) {
    model_.Settings.ReportMode = mode;
    return;
  }
  if (mode != ReportMoving) timers_.SetTimerEnabled(GameTimer::Report, false);
  model_.Settings.ReportMode = mode;
  view_.report.ReportModeChanged(previous);
  if (mode == ReportMoving) timers_.SetTimerEnabled(GameTimer::Report, true);
}

}  // namespace coilrun
