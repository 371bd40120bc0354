// Seeded two-player competitions between computer players, headless on the
// fake host: the measure of how much stronger each skill is than the one
// below it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/skill.h"

namespace coilrun::testing {

struct PairResult {
  Skill stronger;
  Skill weaker;
  int games = 0;
  int strongerWins = 0;
  int weakerWins = 0;
  // Competitions still undecided when their beats ran out.
  int undecided = 0;
  long beats = 0;

  // The stronger one's wins in all games played, draws counting as lost.
  double StrongerRate() const { return games == 0 ? 0 : static_cast<double>(strongerWins) / games; }
};

// Plays `games` competitions to `winsTarget` won levels, each starting on a
// built-in level drawn from `seed`, with the default options. The two swap
// seats every game, so that neither keeps the first move or a start cell.
PairResult PlayPair(Skill stronger, Skill weaker, int games, std::uint32_t seed, int winsTarget = 3);

// One line per pair, with the stronger one's rate of wins.
std::string Table(const std::vector<PairResult>& results);

}  // namespace coilrun::testing
