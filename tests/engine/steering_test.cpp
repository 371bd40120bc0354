#include <utility>

#include "engine/keys.h"
#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

class SteeringTest : public GameFixture {
 protected:
  SteeringTest() { model.Settings.PlayerCount = 1; }

  void Press(int key, unsigned shift = ShiftNone) { game.FormKeyDown(key, shift); }
};

TEST_F(SteeringTest, UpThenLeftWithinABeatStepsUpAndNeverReverses) {
  PlaceSnake(1, 9, 1, Direction::Right);
  game.TimerTimer();
  game.TimerTimer();  // head (11, 1), entry 2 (10, 1)
  Press(VkUp);
  EXPECT_EQ(Head(1), Cell(11, 1));
  EXPECT_EQ(model.Players[1].Direction, Direction::Up);
  Press(VkLeft);
  EXPECT_EQ(Head(1), Cell(11, 0));
  EXPECT_EQ(model.Players[1].Direction, Direction::Left);
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(10, 0));
}

TEST_F(SteeringTest, CurrentOrOppositeKeyChangesNothing) {
  PlaceSnake(1, 9, 1, Direction::Right);
  game.TimerTimer();
  view.calls.clear();
  Press(VkRight);
  Press(VkLeft);
  EXPECT_EQ(Head(1), Cell(10, 1));
  EXPECT_EQ(model.Players[1].Direction, Direction::Right);
  EXPECT_TRUE(view.calls.empty());
}

TEST_F(SteeringTest, AlternatingKeysClimbDiagonallyOneCellPerPress) {
  PlaceSnake(1, 20, 10, Direction::Right);
  game.TimerTimer();  // head (21, 10)
  Press(VkUp);
  EXPECT_EQ(Head(1), Cell(21, 10));
  Press(VkRight);
  EXPECT_EQ(Head(1), Cell(21, 9));
  Press(VkUp);
  EXPECT_EQ(Head(1), Cell(22, 9));
  Press(VkRight);
  EXPECT_EQ(Head(1), Cell(22, 8));
  EXPECT_EQ(model.Players[1].Direction, Direction::Right);
}

TEST_F(SteeringTest, FirstTurnAfterLevelStartDoesNotStep) {
  PlaceSnake(1, 9, 1, Direction::Right);
  Press(VkUp);
  EXPECT_EQ(Head(1), Cell(9, 1));
  Press(VkLeft);
  EXPECT_EQ(Head(1), Cell(9, 0));
  EXPECT_EQ(model.Players[1].Direction, Direction::Left);
}

TEST_F(SteeringTest, EachPlayerHasItsOwnKeysAndOnlyPlayersInTheGameSteer) {
  model.Settings.PlayerCount = 4;
  PlaceSnake(1, 9, 1, Direction::Right);
  PlaceSnake(2, 40, 28, Direction::Left);
  PlaceSnake(3, 40, 0, Direction::Left);
  PlaceSnake(4, 9, 29, Direction::Right);
  Press(VkDown);
  Press(VkW);
  Press(VkK);
  Press(VkNumpad8);
  EXPECT_EQ(model.Players[1].Direction, Direction::Down);
  EXPECT_EQ(model.Players[2].Direction, Direction::Up);
  EXPECT_EQ(model.Players[3].Direction, Direction::Down);
  EXPECT_EQ(model.Players[4].Direction, Direction::Up);

  model.Settings.PlayerCount = 2;
  Press(VkJ);  // player 3's Left
  Press(VkNumpad4);
  EXPECT_EQ(model.Players[3].Direction, Direction::Down);
  EXPECT_EQ(model.Players[4].Direction, Direction::Up);
}

TEST_F(SteeringTest, KeysDoNothingWhilePausedOrOffTheBoard) {
  PlaceSnake(1, 9, 1, Direction::Right);
  model.Settings.Paused = true;
  Press(VkUp);
  EXPECT_EQ(model.Players[1].Direction, Direction::Right);
  model.Settings.Paused = false;
  model.ScreenState = KeysScreen;
  Press(VkUp);
  EXPECT_EQ(model.Players[1].Direction, Direction::Right);
}

TEST_F(SteeringTest, PauseKeysToggleThePause) {
  PlaceSnake(1, 9, 1, Direction::Right);
  host.gameTimerOn = true;
  Press(VkP);
  EXPECT_TRUE(model.Settings.Paused);
  EXPECT_FALSE(host.gameTimerOn);
  EXPECT_EQ(model.ScreenState, PauseScreen);
  Press(VkPause);
  EXPECT_FALSE(model.Settings.Paused);
  EXPECT_TRUE(host.gameTimerOn);
  EXPECT_EQ(model.ScreenState, BoardScreen);
}

}  // namespace
}  // namespace coilrun::testing
