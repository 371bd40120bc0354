#include "tests/support/recording_view.h"

#include <algorithm>

namespace coilrun::testing {

bool RecordingView::Called(const std::string& call) const {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

std::string RecordingView::PageCall() const {
  switch (model_.ScreenState) {
    case KeysScreen: return "ShowKeys";
    case HighScoreScreen: return "ShowHighScores";
    case AboutScreen: return "ShowAbout";
    case TitleScreen: return "ShowTitle";
    case BrickTypesScreen: return "ShowBrickTypes";
    case CongratulationsScreen: return "ShowCongratulations";
    case WinnerScreen: return "ShowWinner";
    case DisappointmentScreen: return "ShowDisappointment";
    default: return "ShowPage " + std::to_string(model_.ScreenState);
  }
}

}  // namespace coilrun::testing
