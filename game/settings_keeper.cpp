#include "game/settings_keeper.h"

namespace coilrun {

void SettingsKeeper::Keep(const GameModel& model) {
  settings_ = model.Settings;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    names_[player] = model.Players[player].Name;
    colors_[player] = model.Players[player].Color;
  }
}

void SettingsKeeper::Restore(GameModel& model, GameOptions& options) const {
  GameSettings& settings = model.Settings;
  settings.Wrap = settings_.Wrap;
  settings.Long = settings_.Long;
  settings.Competition = settings_.Competition;
  settings.PlayerCount = settings_.PlayerCount;
  settings.WinsTarget = settings_.WinsTarget;
  settings.ExtendedMessageShown = settings_.ExtendedMessageShown;
  settings.LevelsSkipped = settings_.LevelsSkipped;
  settings.BuiltInLevels = settings_.BuiltInLevels;
  settings.Paused = settings_.Paused;
  settings.MixBricksColors = settings_.MixBricksColors;
  settings.BrickColors[0] = settings_.BrickColors[0];
  settings.ShowMessages = settings_.ShowMessages;
  settings.LevelFileName = settings_.LevelFileName;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    model.Players[player].Name = names_[player];
    model.Players[player].Color = colors_[player];
  }
  // Through the options, so that the game timer and the report panel follow.
  options.SetSpeed(settings_.Speed);
}

}  // namespace coilrun
