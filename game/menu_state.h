// What the Game and Help menus offer, decided by the state of the game
// alone, so that the window only applies it as a menu opens.
#pragma once

#include "engine/model.h"

namespace coilrun {

struct GameMenuState {
  bool NewVisible = true;
  bool PauseVisible = false;
  bool PauseChecked = false;
  bool StopVisible = false;
  // Bricks, Keys, High score and About.
  bool HelpItemsEnabled = true;

  friend bool operator==(const GameMenuState&, const GameMenuState&) = default;
};

// True while a game is on the board or paused, also when a help screen
// covers the paused game: then it can be resumed or stopped, and no new
// game may start.
bool GameInPlay(const GameModel& model);

// The Game menu as Game1Click leaves it and the help items as Help1Click
// leaves them.
GameMenuState MenuStateFor(const GameModel& model);

}  // namespace coilrun
