// The direction a pad's D-pad or stick points, for steering by edges: a
// snake turns when the direction changes, so a stick resting near a
// diagonal must not swing between its two directions.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "engine/model.h"

namespace coilrun {

// The stick must leave the middle by this much (of 32767) to point, a
// little over a third of its travel, beyond any worn stick's rest.
inline constexpr int kStickDeadZone = 12'000;
// Once pointing, it keeps its direction down to this, so that a stick held
// at the dead zone's edge does not flicker in and out.
inline constexpr int kStickHoldZone = 8'000;

inline bool IsHorizontal(Direction direction) { return direction == Direction::Left || direction == Direction::Right; }

// x grows to the right and y downwards, as SDL reports them, each -32768 to
// 32767 (a D-pad counts as a stick pushed all the way). The direction held
// before wins on a diagonal until the other axis leads by half as much
// again (about 56 degrees off it); from the middle, the longer axis wins
// and a perfect diagonal goes sideways.
inline std::optional<Direction> PadDirection(std::optional<Direction> previous, int x, int y) {
  const int across = std::abs(x);
  const int along = std::abs(y);
  const Direction horizontal = x < 0 ? Direction::Left : Direction::Right;
  const Direction vertical = y < 0 ? Direction::Up : Direction::Down;
  if (previous && IsHorizontal(*previous) && across >= kStickHoldZone && 2 * along <= 3 * across) return horizontal;
  if (previous && !IsHorizontal(*previous) && along >= kStickHoldZone && 2 * across <= 3 * along) return vertical;
  if (std::max(across, along) < kStickDeadZone) return std::nullopt;
  return across >= along ? horizontal : vertical;
}

}  // namespace coilrun
