// The colour of a normal brick, by its cell and the level in play.
#pragma once

#include "engine/model.h"

namespace coilrun {

// A brick laid by a snake keeps that snake's colour; otherwise the colour is
// entry 0 of BrickColors, or, with mixed colours, a band pattern that depends
// on LevelNumber modulo 4.
Color BrickColorAt(const GameModel& model, int x, int y);
// The same as if the given level were in play.
Color BrickColorOnLevel(const GameModel& model, int levelNumber, int x, int y);

}  // namespace coilrun
