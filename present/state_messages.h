// The message pairs the report panel shows under the information screens:
// three pairs for each screen, a first and a second line each.
#pragma once

#include <QString>
#include <array>

#include "engine/model.h"

namespace coilrun {

constexpr int kFirstInformationScreen = KeysScreen;
constexpr int kLastInformationScreen = DisappointmentScreen;
constexpr int kInformationScreenCount = kLastInformationScreen - kFirstInformationScreen + 1;
constexpr int kMessagePairsPerScreen = 3;

constexpr bool IsInformationScreen(int state) {
  return state >= kFirstInformationScreen && state <= kLastInformationScreen;
}

struct MessagePair {
  QString first;
  QString second;
};

// Indexed by screen state less kFirstInformationScreen, then by pair number.
using StateMessageTable = std::array<std::array<MessagePair, kMessagePairsPerScreen>, kInformationScreenCount>;

StateMessageTable StateMessageTexts();

}  // namespace coilrun
