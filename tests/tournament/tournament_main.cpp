// coilrun-tournament: each skill against the one below it, in seeded
// two-player competitions on the built-in levels. Prints the table and
// exits with 1 when a skill wins less than 60 % against the one below.
//   coilrun-tournament [GAMES_PER_PAIR [SEED]]
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "tests/tournament/tournament.h"

int main(int argc, char** argv) {
  using namespace coilrun;
  using namespace coilrun::testing;
  constexpr double kLeastRate = 0.6;
  const int games = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 17);
  const auto start = std::chrono::steady_clock::now();
  std::vector<PairResult> results;
  bool ordered = true;
  for (int weaker = 0; weaker + 1 < kSkillCount; ++weaker) {
    results.push_back(PlayPair(kSkills[weaker + 1], kSkills[weaker], games, seed + weaker));
    ordered = ordered && results.back().StrongerRate() >= kLeastRate;
    std::cout << Table({results.back()}).substr(Table({}).size()) << std::flush;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  long beats = 0;
  for (const PairResult& pair : results) beats += pair.beats;
  std::cout << '\n' << Table(results) << beats << " beats in " << seconds << " s\n";
  if (!ordered) std::cout << "FAILED: a skill won less than 60 % against the one below it\n";
  return ordered ? 0 : 1;
}
