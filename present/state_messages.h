// The message pairs the report panel shows under the information screens:
// three pairs for each screen, a first and a second line each.
#pragma once

#include <QString>
#include <array>

#include "engine/model.h"

namespace coilrun {

constexpr int kMessagePairsPerScreen = 3;

struct MessagePair {
  QString first;
  QString second;
};

// Indexed by screen state less kFirstInformationScreen, then by pair number.
using StateMessageTable = std::array<std::array<MessagePair, kMessagePairsPerScreen>, kInformationScreenCount>;

StateMessageTable StateMessageTexts();

}  // namespace coilrun
