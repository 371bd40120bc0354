#include <string>
#include <vector>

#include "tests/support/course_fixture.h"

namespace coilrun::testing {
namespace {

class GameEndTest : public CourseFixture {
 protected:
  void StartFileGame(int playerCount) {
    host.inputPrompts.clear();
    game.StartButtonClick({.PlayerCount = playerCount, .BuiltIn = false, .LevelFile = levelFile});
    ASSERT_EQ(State(), CourseState::Running);
  }

  std::string levelFile = WriteLevelFile("levels.lvl", 3);
};

TEST_F(GameEndTest, StopWhilePausedUnderAHelpScreenResumesThenStopsAndOffersEveryPlayerInPlayInOrder) {
  StartFileGame(3);
  model.Players[2].Lives = 0;  // out of lives earlier in the game
  game.Pause1Click();
  model.ScreenState = KeysScreen;
  ASSERT_EQ(State(), CourseState::Paused);
  view.calls.clear();
  game.Stop1Click();

  EXPECT_EQ(view.calls, (Texts{"ClearBoard", "ErasePauseBox", "ShowStateMessage 1", "ShowTitle"}));
  EXPECT_EQ(Offered(), (std::vector<int>{1, 3}));
  for (int player = 1; player <= 3; ++player) EXPECT_EQ(model.Players[player].Lives, 0) << player;
  EXPECT_EQ(State(), CourseState::Idle);
  EXPECT_EQ(model.ScreenState, TitleScreen);
  EXPECT_FALSE(parts.sources.LevelFileOpen());

  game.Stop1Click();  // nothing left to stop
  EXPECT_EQ(Offered(), (std::vector<int>{1, 3}));
  EXPECT_EQ(view.calls.back(), "ShowTitle");
  EXPECT_EQ(view.calls.size(), 4u);
}

TEST_F(GameEndTest, ClosingRecordsAGameInPlayOrPausedAlsoUnderAHelpScreenAndOnlyOnce) {
  StartFileGame(2);
  game.ShutDown();
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_FALSE(parts.sources.LevelFileOpen());

  StartFileGame(2);
  game.Pause1Click();
  game.ShutDown();
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));

  StartFileGame(2);
  game.Pause1Click();
  model.ScreenState = HighScoreScreen;
  game.ShutDown();
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));
  EXPECT_FALSE(parts.sources.LevelFileOpen());
  game.ShutDown();
  EXPECT_EQ(Offered(), (std::vector<int>{1, 2}));
}

TEST_F(GameEndTest, ClosingOnAnEndPageRecordsNothingMore) {
  StartFileGame(1);
  for (int level = 1; level <= 3; ++level) EatNinthTarget(1);
  ASSERT_EQ(model.ScreenState, TitleScreen);
  ASSERT_EQ(Offered(), std::vector<int>{1});
  ASSERT_GT(model.Players[1].Lives, 0);
  game.ShutDown();
  EXPECT_EQ(Offered(), std::vector<int>{1});
}

}  // namespace
}  // namespace coilrun::testing
