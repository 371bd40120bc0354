// The window's model as a test arranges it: states that would take a player
// many keys to reach are set straight into it. The window itself only reads
// its model; the game writes it.
#pragma once

#include "engine/model.h"
#include "shell/main_form.h"

namespace coilrun::testing {

inline GameModel& ArrangedModel(const MainForm& form) { return const_cast<GameModel&>(form.model()); }

}  // namespace coilrun::testing
