// What a new game is set up from: the choices of the new game dialog.
#pragma once

#include <string>

#include "game/seats.h"

namespace coilrun {

struct NewGameChoice {
  int PlayerCount = 1;
  bool Competition = false;
  int WinsTarget = 5;
  bool BuiltIn = true;
  std::string LevelFile{};
  coilrun::Seats Seats{};
};

}  // namespace coilrun
