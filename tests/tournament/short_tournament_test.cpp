// A short tournament inside the suite: the strongest computer player must
// clearly beat the weakest. The whole ladder is make tournament's.
#include <gtest/gtest.h>

#include "tests/tournament/tournament.h"

namespace coilrun::testing {
namespace {

TEST(ShortTournamentTest, MasterBeatsBeginner) {
  const PairResult result = PlayPair(Skill::Master, Skill::Beginner, 40, 2026);
  std::cout << Table({result});
  EXPECT_GE(result.StrongerRate(), 0.75);
}

}  // namespace
}  // namespace coilrun::testing
