// A computer player at the keyboard: it presses the key it chose through the
// game's key handler, exactly as a person would.
#pragma once

#include "engine/autopilot.h"
#include "engine/keys.h"
#include "game/game.h"

namespace coilrun {

inline void Steer(Autopilot& pilot, Game& game) {
  if (const auto key = pilot.ChooseKey(game.model())) game.FormKeyDown(*key, ShiftNone);
}

}  // namespace coilrun
