#include "game/stored_settings.h"

namespace coilrun {

void ApplyStoredSettings(GameModel& model, const StoredSettings& stored) {
  model.Settings = stored.Settings;
  model.Settings.Paused = false;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    model.Players[player].Name = stored.PlayerNames[player - 1];
    model.Players[player].Color = stored.PlayerColors[player - 1];
  }
}

StoredSettings StoredSettingsOf(const GameModel& model) {
  StoredSettings stored{.Settings = model.Settings};
  for (int player = 1; player <= kMaxPlayers; ++player) {
    stored.PlayerNames[player - 1] = model.Players[player].Name;
    stored.PlayerColors[player - 1] = model.Players[player].Color;
  }
  return stored;
}

}  // namespace coilrun
