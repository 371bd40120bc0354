// The player's own settings, kept while a replay or a network game puts its
// own in the model, and put back when it is over, so that settings.dat
// never learns of them.
#pragma once

#include <array>
#include <string>

#include "engine/model.h"
#include "game/game_options.h"

namespace coilrun {

class SettingsKeeper {
 public:
  void Keep(const GameModel& model);
  // Puts back what a session may have changed; the options the player
  // changed meanwhile that a session never touches stay as they are now.
  void Restore(GameModel& model, GameOptions& options) const;

 private:
  GameSettings settings_;
  std::array<std::string, kMaxPlayers + 1> names_;
  std::array<Color, kMaxPlayers + 1> colors_{};
};

}  // namespace coilrun
