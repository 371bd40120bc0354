// Snakes taken out of a game in play, as when the machine that steered them
// has left a network game: they stop, vanish from the field and score no
// more; the others play on.
#pragma once

#include <cstdint>

#include "game/game_parts.h"

namespace coilrun {

// `players`: bit n-1 for player n.
void RetireSnakes(GameParts& parts, std::uint32_t players);
// Or the computer plays them on, as when their machine went silent.
void TakeOverSnakes(GameParts& parts, std::uint32_t players);

}  // namespace coilrun
