#include <utility>

#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

class MovementTest : public GameFixture {
 protected:
  MovementTest() { model.Settings.PlayerCount = 1; }

  Cell Entry(int k) const { return {model.Players[1].BodyX[k], model.Players[1].BodyY[k]}; }
};

TEST_F(MovementTest, StackedBodyUnrollsOneEntryPerBeatAndThenErasesItsTail) {
  PlaceSnake(1, 9, 1, Direction::Right);

  game.TimerTimer();
  EXPECT_EQ(Entry(1), Cell(10, 1));
  EXPECT_EQ(Entry(2), Cell(9, 1));
  for (int k = 3; k <= 11; ++k) EXPECT_EQ(Entry(k), Cell(8, 1)) << "entry " << k;
  EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearBrick 8 1", "DrawSnake 1"}));

  view.calls.clear();
  game.TimerTimer();
  EXPECT_EQ(Entry(1), Cell(11, 1));
  EXPECT_EQ(Entry(2), Cell(10, 1));
  EXPECT_EQ(Entry(3), Cell(9, 1));
  for (int k = 4; k <= 11; ++k) EXPECT_EQ(Entry(k), Cell(8, 1)) << "entry " << k;
  EXPECT_TRUE(view.Called("ClearBrick 8 1"));

  for (int beat = 3; beat <= 9; ++beat) {
    view.calls.clear();
    game.TimerTimer();
  }
  EXPECT_EQ(Entry(1), Cell(18, 1));
  for (int k = 2; k <= 10; ++k) EXPECT_EQ(Entry(k), Cell(19 - k, 1)) << "entry " << k;
  EXPECT_TRUE(view.Called("ClearBrick 9 1"));
}

TEST_F(MovementTest, WrapBringsHeadsBackAtAllFourEdgesColumnFirst) {
  model.Settings.Wrap = true;
  PlaceSnake(1, 0, 5, Direction::Left);
  MoveSnake(model.Players[1]);
  WrapCheck(model.Players[1]);
  EXPECT_EQ(Head(1), Cell(49, 5));

  PlaceSnake(1, 49, 5, Direction::Right);
  MoveSnake(model.Players[1]);
  WrapCheck(model.Players[1]);
  EXPECT_EQ(Head(1), Cell(0, 5));

  PlaceSnake(1, 7, 0, Direction::Up);
  MoveSnake(model.Players[1]);
  WrapCheck(model.Players[1]);
  EXPECT_EQ(Head(1), Cell(7, 29));

  PlaceSnake(1, 7, 29, Direction::Down);
  MoveSnake(model.Players[1]);
  WrapCheck(model.Players[1]);
  EXPECT_EQ(Head(1), Cell(7, 0));

  // A head outside on both axes (after a jump) comes back on both.
  model.Players[1].BodyX[1] = 50;
  model.Players[1].BodyY[1] = -1;
  WrapCheck(model.Players[1]);
  EXPECT_EQ(Head(1), Cell(0, 29));
}

TEST_F(MovementTest, ScoresCountDownPerStepAndStopAtZero) {
  PlaceSnake(1, 9, 1, Direction::Right);
  model.Players[1].Score = 2;
  model.Players[1].RoundScore = 1;
  game.TimerTimer();
  EXPECT_EQ(model.Players[1].Score, 1);
  EXPECT_EQ(model.Players[1].RoundScore, 0);
  game.TimerTimer();
  game.TimerTimer();
  EXPECT_EQ(model.Players[1].Score, 0);
  EXPECT_EQ(model.Players[1].RoundScore, 0);
}

TEST_F(MovementTest, LongLaysATrailInTheSnakesColourAndStopsTheDecay) {
  model.Settings.Long = true;
  PlayerState& snake = PlaceSnake(1, 9, 1, Direction::Right);
  snake.Color = RgbColor(1, 2, 3);
  snake.Score = 40;
  for (int beat = 0; beat < 3; ++beat) game.TimerTimer();

  EXPECT_EQ(snake.Length, 1);
  EXPECT_EQ(snake.Score, 40);
  for (int x = 10; x <= 12; ++x) {
    const BoardCell& cell = model.LevelGrid.at(x, 1);
    EXPECT_EQ(cell.Occupied, 1) << x;
    EXPECT_EQ(cell.Content, static_cast<std::int32_t>(RgbColor(1, 2, 3))) << x;
    EXPECT_EQ(cell.Extra[0], SnakeBrickMark) << x;
  }
  EXPECT_FALSE(view.Called("ClearBrick 8 1"));
}

TEST_F(MovementTest, TailRedrawsTheBrickAndTargetItUncovers) {
  SetBody(1, {{12, 3}, {11, 3}, {10, 3}}, Direction::Right);
  model.LevelGrid.at(11, 3) = BoardCell{-4, 1, {}};
  model.TargetX = 11;
  model.TargetY = 3;
  game.TimerTimer();
  EXPECT_EQ(view.calls,
            (std::vector<std::string>{"ClearBrick 11 3", "DrawReboundBrick 11 3", "DrawNumber", "DrawSnake 1"}));

  // A cell that is present but holds Content 0 is no brick and is not drawn.
  model.LevelGrid.at(12, 3) = BoardCell{0, 1, {}};
  view.calls.clear();
  game.TimerTimer();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"ClearBrick 12 3", "DrawSnake 1"}));
}

TEST_F(MovementTest, GridIgnoresWritesOutsideAndReadsThemAsEmpty) {
  BoardGrid grid;
  grid.at(-1, 0).Occupied = 1;
  grid.at(51, 0).Content = 9;
  grid.at(0, 31).Extra[0] = 7;
  EXPECT_EQ(grid, BoardGrid{});
  EXPECT_EQ(grid.at(-128, 127), BoardCell{});
  const BoardGrid& constGrid = grid;
  EXPECT_EQ(constGrid.at(50, 30), BoardCell{});
  grid.at(50, 30).Occupied = 1;
  EXPECT_EQ(constGrid.at(50, 30).Occupied, 1);
}

TEST_F(MovementTest, LongSnakeOutsideTheGridLaysNoBrick) {
  PlaceSnake(1, 49, 5, Direction::Right);
  // Stepped without the collision test, as after a door jump off the edge.
  MoveSnake(model.Players[1]);
  SnakeToBrick(model.Players[1], model.LevelGrid);
  EXPECT_EQ(Head(1), Cell(50, 5));  // inside the grid's spare column
  EXPECT_EQ(model.LevelGrid.at(50, 5).Occupied, 1);
  MoveSnake(model.Players[1]);
  SnakeToBrick(model.Players[1], model.LevelGrid);
  EXPECT_EQ(Head(1), Cell(51, 5));
  EXPECT_EQ(model.LevelGrid.at(51, 5), BoardCell{});
}

TEST_F(MovementTest, NothingMovesOffTheBoardScreenOrWithoutLives) {
  PlaceSnake(1, 9, 1, Direction::Right);
  model.ScreenState = TitleScreen;
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(9, 1));

  model.ScreenState = BoardScreen;
  model.Players[1].Lives = 0;
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(9, 1));
  EXPECT_TRUE(view.calls.empty());
}

}  // namespace
}  // namespace coilrun::testing
