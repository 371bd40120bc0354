// The three level sources: the built-in block, stream files and grid files.
#include "engine/game.h"

namespace coilrun {

void Game::NextBuiltInLevel() {}  // not yet: arrives with the level loaders
void Game::NextStreamLevel() {}   // not yet: arrives with the level loaders
void Game::NextGridLevel() {}     // not yet: arrives with the level loaders

}  // namespace coilrun
