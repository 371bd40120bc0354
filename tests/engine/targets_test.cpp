#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

class TargetTest : public GameFixture {
 protected:
  TargetTest() {
    model.Settings.PlayerCount = 1;
    model.LevelNumber = 3;
    model.Players[1].Name = "Ann";
  }

  Cell Entry(int player, int k) const { return {model.Players[player].BodyX[k], model.Players[player].BodyY[k]}; }
  Cell Target() const { return {model.TargetX, model.TargetY}; }

  // Every field cell becomes a brick with the given Occupied value, except the listed ones.
  void FillFieldExcept(std::initializer_list<Cell> freeCells, std::uint8_t occupied = 1) {
    for (int x = 0; x < kFieldColumns; ++x) {
      for (int y = 0; y < kFieldRows; ++y) model.LevelGrid.at(x, y) = BoardCell{-NormalBrick, occupied, {}};
    }
    for (const auto& [x, y] : freeCells) model.LevelGrid.at(x, y) = BoardCell{};
  }
};

TEST_F(TargetTest, EaterGrowsByTheNumberAndItsTailWaits) {
  model.Settings.PlayerCount = 2;
  SetBody(1, {{12, 3}, {11, 3}, {10, 3}}, Direction::Right);
  SetBody(2, {{30, 9}, {31, 9}, {32, 9}, {33, 9}, {34, 9}}, Direction::Left);
  model.Players[2].Lives = 0;  // resting, so its entries stay put
  model.TargetX = 13;
  model.TargetY = 3;
  model.TargetNumber = 1;
  game.TimerTimer();

  EXPECT_EQ(model.Players[1].Length, 4);
  EXPECT_EQ(model.TargetNumber, 2);
  // Entry Length and the two copies beyond it all hold the cell the tail left.
  for (int k = 3; k <= 5; ++k) EXPECT_EQ(Entry(1, k), Cell(11, 3)) << k;
  EXPECT_TRUE(view.Called("DrawWholeSnake 1"));
  EXPECT_TRUE(view.Called("ClearBrick 11 3"));
  // The other snake only gets its tail repeated; its length stays.
  EXPECT_EQ(model.Players[2].Length, 5);
  for (int k = 6; k <= 7; ++k) EXPECT_EQ(Entry(2, k), Cell(34, 9)) << k;

  model.TargetX = 45;  // out of the way of the next steps
  model.TargetY = 20;
  view.calls.clear();
  game.TimerTimer();
  EXPECT_TRUE(view.Called("ClearBrick 11 3"));  // the tail end stayed where it was
  game.TimerTimer();
  EXPECT_TRUE(view.Called("ClearBrick 12 3"));
  EXPECT_EQ(Head(1), Cell(15, 3));
}

TEST_F(TargetTest, EightTargetsGrowBy36AndTheNinthPaysWithoutGrowthAndEndsTheLevel) {
  PlaceSnake(1, 9, 1, Direction::Right);
  model.Players[1].Lives = 3;
  for (int number = 1; number <= 8; ++number) {
    model.TargetNumber = static_cast<std::int8_t>(number);
    parts.rules.EatTarget(1);
  }
  EXPECT_EQ(model.Players[1].Length, 46);
  EXPECT_EQ(model.Players[1].RoundScore, 8 * 130);
  EXPECT_EQ(model.TargetNumber, 9);
  EXPECT_TRUE(host.messages.empty());

  host.gameTimerOn = true;
  parts.rules.EatTarget(1);
  EXPECT_EQ(model.Players[1].Score, 9 * 130 + 100);  // and the level bonus
  EXPECT_EQ(model.Players[1].Lives, 4);
  EXPECT_EQ(host.messages, Texts{"Level 3 finished."});
  EXPECT_FALSE(host.timerOnAtMessage.at(0));
  // The next level has started: snakes back at their start, targets from 1.
  EXPECT_EQ(model.LevelNumber, 4);
  EXPECT_EQ(model.Players[1].Length, kStartLength);
  EXPECT_EQ(model.Players[1].RoundScore, 0);
  EXPECT_EQ(model.TargetNumber, 1);
  EXPECT_TRUE(host.gameTimerOn);
}

TEST_F(TargetTest, WrapPays115AndNobodyIsPaidForTheFirstTarget) {
  model.Settings.Wrap = true;
  PlaceSnake(1, 9, 1, Direction::Right);
  model.TargetNumber = 9;
  parts.rules.EatTarget(1);
  EXPECT_EQ(model.Players[1].Score, 115 + 100);  // and the level bonus

  model.TargetNumber = 0;
  model.Players[1].RoundScore = 0;
  view.calls.clear();
  parts.rules.EatTarget(kNoPlayer);
  EXPECT_EQ(model.Players[1].RoundScore, 0);
  EXPECT_EQ(model.Players[1].Length, kStartLength);
  EXPECT_EQ(model.TargetNumber, 1);
  EXPECT_EQ(view.calls, (Texts{"DrawNumber", "ShowNumber"}));
}

TEST_F(TargetTest, GrowthStopsAtTheBodyCapacity) {
  PlaceSnake(1, 9, 1, Direction::Right, 65);
  model.TargetNumber = 8;
  parts.rules.EatTarget(1);
  EXPECT_EQ(model.Players[1].Length, kBodyCapacity - 1);
  EXPECT_EQ(Entry(1, kBodyCapacity), Cell(8, 1));
}

TEST_F(TargetTest, FirstTargetAvoidsTheStartCellsOfEveryPlayerInTheGame) {
  model.Settings.PlayerCount = 2;
  model.Players[1].Lives = 5;
  model.Players[2].Lives = 0;  // out of the game, yet its start is kept clear
  // Free: the start cells of players 1 and 2, and one more.
  FillFieldExcept({{9, 1}, {8, 1}, {40, 28}, {41, 28}, {25, 15}});
  parts.course.StartLevel();
  EXPECT_EQ(Target(), Cell(25, 15));
  EXPECT_EQ(model.Players[2].Length, 0);
  EXPECT_EQ(model.Players[1].Length, kStartLength);
  // Later targets still keep clear of the head of the player who is out.
  model.TargetX = 40;
  model.TargetY = 28;
  EXPECT_FALSE(TargetCellFree(model));
}

TEST_F(TargetTest, AnyOccupiedValueBlocksTheTargetButAnOpenDoorWallDoesNot) {
  FillFieldExcept({{9, 1}, {8, 1}}, 2);
  model.LevelGrid.at(31, 17) = BoardCell{-NormalBrick, 0, {}};  // an open door's wall
  parts.course.StartLevel();
  EXPECT_EQ(Target(), Cell(31, 17));
}

TEST_F(TargetTest, TargetOnAnOpenWallIsReachedOnlyByCrashingOnceTheDoorCloses) {
  model.Settings.PlayerCount = 2;
  model.Players[2].Name = "Bob";
  BoardCell door{-DoorBrick, 1, {30, 10, 30, 10, 30, 10, 30, 10}};
  model.LevelGrid.at(20, 5) = door;
  model.LevelGrid.at(30, 10) = BoardCell{-NormalBrick, 0, {}};
  model.TargetX = 30;
  model.TargetY = 10;
  model.TargetNumber = 4;
  PlaceSnake(1, 19, 5, Direction::Right);
  PlaceSnake(2, 29, 10, Direction::Right);
  ASSERT_TRUE(TargetCellFree(model));

  game.TimerTimer();  // player 1 closes the wall; player 2 runs into it
  EXPECT_EQ(host.messages, Texts{"Bob died."});
  EXPECT_EQ(model.Players[2].RoundScore, 0);
}

TEST_F(TargetTest, WithNoFreeCellTheTargetStaysOffTheField) {
  FillFieldExcept({});
  PlaceSnake(1, 9, 1, Direction::Right);
  model.TargetNumber = 2;
  parts.rules.EatTarget(1);
  EXPECT_EQ(model.TargetNumber, 3);
  EXPECT_GE(model.TargetX, kGridColumns);
  EXPECT_GE(model.TargetY, kGridRows);
  EXPECT_FALSE(view.Called("DrawNumber"));
  EXPECT_EQ(model.Players[1].RoundScore, 130);

  // Play goes on, with nothing to eat and nothing to redraw.
  model.LevelGrid.at(10, 1) = BoardCell{};
  view.calls.clear();
  game.TimerTimer();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(model.TargetNumber, 3);
  EXPECT_FALSE(view.Called("DrawNumber"));
}

TEST_F(TargetTest, PlacementIsReseededFromTheClockEveryTime) {
  host.seed = 777;
  parts.rules.EatTarget(kNoPlayer);
  const Cell first = Target();
  host.seed = 778;
  parts.rules.EatTarget(kNoPlayer);
  host.seed = 777;
  parts.rules.EatTarget(kNoPlayer);
  EXPECT_EQ(Target(), first);
  EXPECT_EQ(model.TargetNumber, 3);
}

}  // namespace
}  // namespace coilrun::testing
