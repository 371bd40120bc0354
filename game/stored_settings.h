// The model's side of settings.dat: what a loaded record sets, and what a
// saved one holds.
#pragma once

#include "engine/model.h"
#include "formats/settings_record.h"

namespace coilrun {

// The settings, and each player's name and colour. A game is never paused
// by a loaded record.
void ApplyStoredSettings(GameModel& model, const StoredSettings& stored);
StoredSettings StoredSettingsOf(const GameModel& model);

}  // namespace coilrun
