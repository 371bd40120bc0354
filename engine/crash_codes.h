// How a crash names who crashed: a player 1..4 alone, or -1..-6 for a
// head-on pair, from (1, 2) down to (3, 4).
#pragma once

#include <algorithm>
#include <iterator>
#include <utility>

#include "engine/model.h"

namespace coilrun {

// Index k holds the pair of crash code -k; index 0 is no pair.
constexpr std::pair<int, int> kHeadOnPairs[] = {{0, 0}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
constexpr int kHeadOnPairCount = std::size(kHeadOnPairs) - 1;

// 0, which names no crash, unless the two are different players 1..4.
constexpr int HeadOnCode(int playerA, int playerB) {
  const std::pair<int, int> pair = std::minmax(playerA, playerB);
  for (int code = 1; code <= kHeadOnPairCount; ++code) {
    if (kHeadOnPairs[code] == pair) return -code;
  }
  return 0;
}
static_assert(HeadOnCode(2, 1) == -1 && HeadOnCode(3, 4) == -6 && HeadOnCode(2, 2) == 0 && HeadOnCode(1, 5) == 0);

// Crash codes index the player records and the pair table, so a value
// that names neither is no crash at all.
constexpr bool IsCrashCode(int code) {
  return (code >= 1 && code <= kMaxPlayers) || (code <= -1 && code >= -kHeadOnPairCount);
}

// The pair of a head-on crash code -1..-6.
constexpr std::pair<int, int> HeadOnPair(int crashCode) { return kHeadOnPairs[-crashCode]; }

}  // namespace coilrun
