// A short soak inside the suite: a few hundred autopilot games, every one of
// the 82 built-in levels among them, with every promise of the model checked
// after each beat.
#include <gtest/gtest.h>

#include "tests/soak/soak.h"

namespace coilrun::testing {
namespace {

TEST(ShortSoakTest, AutopilotGamesKeepEveryPromiseOfTheModel) {
  Soak soak(20261208, COILRUN_SAMPLES_DIR);
  soak.Run(42000, 250);
  std::cout << soak.Summary();
  for (const std::string& breach : soak.breaches()) ADD_FAILURE() << breach;
  EXPECT_EQ(soak.figures().builtInLevelsPlayed.size(), 82u);
  EXPECT_GT(soak.figures().levelsFinished, 0);
  EXPECT_GT(soak.figures().deaths, 0);
}

}  // namespace
}  // namespace coilrun::testing
