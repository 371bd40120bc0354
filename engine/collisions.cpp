// Collisions of a head after its move, and the effects of the special bricks.
#include "engine/game.h"

namespace coilrun {

void Game::BumpCheck(int /*player*/) {}  // not yet: collisions arrive with the rules

}  // namespace coilrun
