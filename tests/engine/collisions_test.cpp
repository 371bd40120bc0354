#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/brick_colors.h"
#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

class CollisionTest : public GameFixture {
 protected:
  CollisionTest() {
    model.Settings.PlayerCount = 1;
    const char* names[] = {"", "Ann", "Bob", "Cid", "Dee"};
    for (int player = 1; player <= kMaxPlayers; ++player) model.Players[player].Name = names[player];
    // Far from every path, so that no test eats it by chance.
    model.TargetX = 45;
    model.TargetY = 20;
    model.TargetNumber = 1;
  }

  void Lay(int x, int y, std::int32_t content, std::initializer_list<std::uint8_t> extra = {},
           std::uint8_t occupied = 1) {
    BoardCell& cell = model.LevelGrid.at(x, y);
    cell.Content = content;
    cell.Occupied = occupied;
    int byte = 0;
    for (std::uint8_t value : extra) cell.Extra[byte++] = value;
  }

  // A door at (x, y) whose four linked cells are the given ones.
  void LayDoor(int x, int y, std::initializer_list<Cell> links) {
    Lay(x, y, -DoorBrick);
    int byte = 0;
    for (const auto& [linkX, linkY] : links) {
      model.LevelGrid.at(x, y).Extra[byte++] = static_cast<std::uint8_t>(linkX);
      model.LevelGrid.at(x, y).Extra[byte++] = static_cast<std::uint8_t>(linkY);
    }
  }
};

TEST_F(CollisionTest, OwnBodyFromEntryFourToTheLastSolidEntry) {
  // Round a 2 x 2 square: down, left, up, right; a crash replays the level
  // and puts the snake back on (9, 1).
  auto circle = [this] {
    for (Direction turn : {Direction::Down, Direction::Left, Direction::Up, Direction::Right, Direction::Down,
                           Direction::Left, Direction::Up}) {
      if (Head(1) == Cell(9, 1)) return;
      model.Players[1].Direction = turn;
      game.TimerTimer();
    }
  };

  // Length 5: the head always enters the cell the tail is leaving.
  SetBody(1, {{14, 10}, {13, 10}, {12, 10}, {11, 10}, {10, 10}}, Direction::Right);
  circle();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Head(1), Cell(13, 10));

  // Length 6: the third step meets entry 5.
  SetBody(1, {{14, 10}, {13, 10}, {12, 10}, {11, 10}, {10, 10}, {9, 10}}, Direction::Right);
  circle();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
  EXPECT_EQ(model.Players[1].Lives, 4);
}

TEST_F(CollisionTest, TailOfASnakeThatHasMovedIsFreeButNotOfOneThatHasNot) {
  model.Settings.PlayerCount = 2;
  // Player 1 moves first and leaves (32, 5); player 2 follows into it.
  SetBody(1, {{30, 5}, {31, 5}, {32, 5}, {33, 5}}, Direction::Left);
  SetBody(2, {{32, 4}, {32, 3}, {32, 2}}, Direction::Down);
  game.TimerTimer();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Head(2), Cell(32, 5));

  // Player 1 runs into the tail that player 2 has not yet moved away.
  SetBody(1, {{22, 4}, {22, 3}, {22, 2}}, Direction::Down);
  SetBody(2, {{20, 5}, {21, 5}, {22, 5}, {23, 5}}, Direction::Left);
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
}

TEST_F(CollisionTest, EdgeCrashesWithoutWrapAndWrappedHeadsAreTestedWhereTheyArrive) {
  PlaceSnake(1, 49, 5, Direction::Right);
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
  EXPECT_FALSE(host.timerOnAtMessage.at(0));

  host.messages.clear();
  model.Settings.Wrap = true;
  PlaceSnake(1, 49, 5, Direction::Right);
  game.TimerTimer();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Head(1), Cell(0, 5));

  Lay(0, 6, -NormalBrick);
  PlaceSnake(1, 49, 6, Direction::Right);
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
}

TEST_F(CollisionTest, SolidBricksCrashAndCellsThatHoldNoBrickDoNot) {
  struct Case {
    BoardCell cell;
    bool crashes;
  };
  const Case cases[] = {
      {{-NormalBrick, 1, {}}, true}, {{0x336699, 1, {}}, true},      {{-CharacterBrick, 1, {}}, true},
      {{-NormalBrick, 2, {}}, true}, {{-NormalBrick, 0, {}}, false}, {{-DoorBrick, 0, {}}, false},
      {{0, 1, {}}, false},
  };
  for (const Case& test : cases) {
    host.messages.clear();
    model.LevelGrid.at(20, 5) = test.cell;
    PlaceSnake(1, 19, 5, Direction::Right);
    game.TimerTimer();
    EXPECT_EQ(host.messages.size(), test.crashes ? 1u : 0u)
        << "Content " << test.cell.Content << " Occupied " << int{test.cell.Occupied};
  }
}

TEST_F(CollisionTest, HeadOnNamesBothPlayersLowerFirstAndTakesALifeFromEach) {
  model.Settings.PlayerCount = 3;
  PlaceSnake(1, 10, 5, Direction::Right);
  PlaceSnake(2, 30, 20, Direction::Left);
  PlaceSnake(3, 12, 5, Direction::Left);  // moves onto player 1's new head
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann & Cid died."});
  EXPECT_EQ(model.Players[1].Lives, 4);
  EXPECT_EQ(model.Players[2].Lives, 5);
  EXPECT_EQ(model.Players[3].Lives, 4);
  EXPECT_FALSE(host.timerOnAtMessage.at(0));
  EXPECT_TRUE(host.gameTimerOn);  // the level was replayed
  EXPECT_EQ(Head(1), Cell(9, 1));
}

TEST_F(CollisionTest, HeadOnInACompetitionZeroesThePairAndScoresTheOthers) {
  model.Settings.PlayerCount = 3;
  model.Settings.Competition = true;
  model.Settings.WinsTarget = 5;
  PlaceSnake(1, 10, 5, Direction::Right).RoundScore = 300;
  PlaceSnake(2, 12, 5, Direction::Left).RoundScore = 200;
  PlaceSnake(3, 30, 20, Direction::Left).RoundScore = 50;
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Winner of this level is Cid."});
  EXPECT_EQ(model.Players[1].Wins, 0);
  EXPECT_EQ(model.Players[2].Wins, 0);
  EXPECT_EQ(model.Players[3].Wins, 1);
  for (int player = 1; player <= 3; ++player) EXPECT_EQ(model.Players[player].Lives, 5);
}

TEST_F(CollisionTest, CodesThatNameNoPlayerOrPairAreNoCrash) {
  model.Settings.PlayerCount = 4;
  for (int player = 1; player <= kMaxPlayers; ++player) PlaceSnake(player, 10, 2 * player, Direction::Right);
  for (const bool competition : {false, true}) {
    model.Settings.Competition = competition;
    for (const int code : {0, 5, 70, -7, INT32_MIN, INT32_MAX}) parts.course.On_Bump(code);
  }
  EXPECT_TRUE(host.messages.empty());
  for (int player = 1; player <= kMaxPlayers; ++player) EXPECT_EQ(model.Players[player].Lives, 5);
}

// Scores never wrap round to a negative value, however long a game runs.
TEST_F(CollisionTest, ScoresStopAtTheirLargestValue) {
  constexpr std::int32_t kNearlyFull = INT32_MAX - 20;
  model.Settings.PlayerCount = 2;
  PlaceSnake(1, 10, 5, Direction::Right).Score = kNearlyFull;
  PlaceSnake(2, 30, 20, Direction::Left).Score = kNearlyFull;
  model.Players[1].RoundScore = kNearlyFull;
  Lay(11, 5, -ScoreBrick);
  game.TimerTimer();
  EXPECT_EQ(model.Players[1].Score, INT32_MAX - 1);  // one point of decay after the brick paid
  parts.rules.EatTarget(2);
  EXPECT_EQ(model.Players[2].Score, INT32_MAX);
  EXPECT_EQ(model.Players[2].RoundScore, 130);

  model.Settings.Competition = true;
  model.Players[1].RoundScore = kNearlyFull;
  parts.course.On_Bump(2);
  EXPECT_EQ(host.messages.back(), "Winner of this level is Ann.");
  EXPECT_EQ(model.Players[1].Wins, 1);
}

TEST_F(CollisionTest, DoorJumpsTheHeadAndTogglesItsFourCellsByTheFirst) {
  LayDoor(20, 5, {{30, 10}, {31, 10}, {32, 10}, {33, 10}});
  Lay(30, 10, -NormalBrick);
  Lay(31, 10, -NormalBrick, {}, 0);
  Lay(32, 10, -ScoreBrick);
  Lay(33, 10, 0x112233, {}, 0);
  Lay(21, 5, -NormalBrick);  // where the jump lands: not tested in this step
  model.TargetX = 21;
  model.TargetY = 5;  // but the target there is eaten
  PlaceSnake(1, 19, 5, Direction::Right);
  game.TimerTimer();

  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Head(1), Cell(21, 5));
  EXPECT_EQ(model.TargetNumber, 2);
  for (int x = 30; x <= 33; ++x) {
    EXPECT_EQ(model.LevelGrid.at(x, 10).Occupied, 0) << x;
    EXPECT_TRUE(view.Called("ClearBrick " + std::to_string(x) + " 10")) << x;
  }
  EXPECT_EQ(model.LevelGrid.at(32, 10).Content, -ScoreBrick);
  EXPECT_EQ(model.LevelGrid.at(20, 5).Occupied, 1);

  view.calls.clear();
  PlaceSnake(1, 21, 5, Direction::Left);
  model.LevelGrid.at(21, 5).Occupied = 0;
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(19, 5));
  for (int x = 30; x <= 33; ++x) EXPECT_EQ(model.LevelGrid.at(x, 10).Occupied, 1) << x;
  for (const char* drawn :
       {"DrawNormalBrick 30 10", "DrawNormalBrick 31 10", "DrawScoreBrick 32 10", "DrawNormalBrick 33 10"}) {
    EXPECT_TRUE(view.Called(drawn)) << drawn;
  }
}

TEST_F(CollisionTest, WallClosingOnABodyLeavesItUnharmedAndReturnsWhenTheTailLeaves) {
  // The door's wall lies under the snake's own body, behind its head.
  LayDoor(20, 5, {{17, 5}, {40, 20}, {41, 20}, {42, 20}});
  for (int x = 40; x <= 42; ++x) Lay(x, 20, -NormalBrick, {}, 0);
  Lay(17, 5, -NormalBrick, {}, 0);
  SetBody(1, {{19, 5}, {18, 5}, {17, 5}, {16, 5}, {15, 5}}, Direction::Right);
  game.TimerTimer();
  EXPECT_EQ(model.LevelGrid.at(17, 5).Occupied, 1);

  view.calls.clear();
  for (int beat = 0; beat < 3; ++beat) game.TimerTimer();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Head(1), Cell(24, 5));
  const Texts expected{"ClearBrick 17 5", "DrawNormalBrick 17 5"};
  EXPECT_NE(std::search(view.calls.begin(), view.calls.end(), expected.begin(), expected.end()), view.calls.end());
}

TEST_F(CollisionTest, InOutPutsTheHeadBesideItsTargetOnTheSideOfTravel) {
  struct Case {
    Direction direction;
    Cell from;
    Cell landing;
  };
  const Case cases[] = {
      {Direction::Right, {19, 5}, {31, 12}},
      {Direction::Left, {21, 5}, {29, 12}},
      {Direction::Up, {20, 6}, {30, 11}},
      {Direction::Down, {20, 4}, {30, 13}},
  };
  Lay(20, 5, -InOutBrick, {30, 12});
  for (const Case& test : cases) {
    PlaceSnake(1, test.from.first, test.from.second, test.direction);
    game.TimerTimer();
    EXPECT_EQ(Head(1), test.landing);
    EXPECT_EQ(model.Players[1].Direction, test.direction);
  }
  EXPECT_EQ(model.LevelGrid.at(20, 5).Content, -InOutBrick);
  EXPECT_TRUE(host.messages.empty());

  // The bytes are signed: 255 is column -1.
  Lay(20, 5, -InOutBrick, {255, 3});
  PlaceSnake(1, 19, 5, Direction::Right);
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(0, 3));
}

TEST_F(CollisionTest, HeadsOutsideTheGridTouchNothingAndComeBackOrCrash) {
  model.Settings.Long = true;  // the step would lay a brick under the head
  Lay(20, 5, -InOutBrick, {0x80, 127});
  PlaceSnake(1, 21, 5, Direction::Left);
  const BoardGrid before = model.LevelGrid;
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(-129, 127));
  EXPECT_EQ(model.LevelGrid, before);
  EXPECT_TRUE(host.messages.empty());
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann died."});

  host.messages.clear();
  model.Settings.Long = false;
  model.Settings.Wrap = true;
  Lay(20, 5, -InOutBrick, {0x80, 127});  // the replay restored the empty grid
  PlaceSnake(1, 21, 5, Direction::Left);
  game.TimerTimer();
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(49, 0));
  EXPECT_TRUE(host.messages.empty());

  // A door on the edge jumps the head off the field.
  Lay(0, 8, -DoorBrick, {});
  PlaceSnake(1, 1, 8, Direction::Left);
  model.Settings.Wrap = false;
  game.TimerTimer();
  EXPECT_EQ(Head(1), Cell(-1, 8));
  EXPECT_TRUE(host.messages.empty());
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
}

TEST_F(CollisionTest, DoorLinksOutsideTheGridAreIgnored) {
  LayDoor(20, 5, {{255, 255}, {30, 10}, {60, 2}, {31, 10}});
  Lay(30, 10, -NormalBrick);
  Lay(31, 10, -NormalBrick);
  const BoardGrid before = model.LevelGrid;
  PlaceSnake(1, 19, 5, Direction::Right);
  game.TimerTimer();
  EXPECT_EQ(model.LevelGrid.at(30, 10).Occupied, 0);
  EXPECT_EQ(model.LevelGrid.at(31, 10).Occupied, 0);
  BoardGrid expected = before;
  expected.at(30, 10).Occupied = 0;
  expected.at(31, 10).Occupied = 0;
  EXPECT_EQ(model.LevelGrid, expected);
  EXPECT_EQ(view.calls, (Texts{"ClearBrick 30 10", "ClearBrick 31 10", "ClearBrick 18 5", "DrawSnake 1"}));
}

TEST_F(CollisionTest, ReboundIsPushedOntoTheFieldWhateverWrapSays) {
  Lay(49, 5, -ReboundBrick);
  PlaceSnake(1, 48, 5, Direction::Right);
  game.TimerTimer();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Head(1), Cell(49, 5));
  EXPECT_EQ(model.LevelGrid.at(0, 5), (BoardCell{-ReboundBrick, 1, {}}));
  EXPECT_EQ(model.LevelGrid.at(49, 5).Occupied, 0);
  EXPECT_EQ(model.LevelGrid.at(49, 5).Content, -ReboundBrick);
  EXPECT_TRUE(view.Called("DrawReboundBrick 0 5"));

  // The pusher's own body does not block: the snake is coiled round (21, 5).
  Lay(20, 5, -ReboundBrick);
  SetBody(1, {{19, 5}, {19, 6}, {20, 6}, {21, 6}, {21, 5}, {21, 4}, {21, 3}}, Direction::Right);
  game.TimerTimer();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(model.LevelGrid.at(21, 5).Occupied, 1);
}

TEST_F(CollisionTest, BlockedReboundCrashesThePusherAndStays) {
  // Blocked by the target, on the last life: nothing restores the grid.
  Lay(49, 5, -ReboundBrick);
  PlayerState& pusher = PlaceSnake(1, 48, 5, Direction::Right);
  pusher.Lives = 1;
  model.TargetX = 0;
  model.TargetY = 5;
  game.TimerTimer();
  EXPECT_EQ(host.messages, (Texts{"Ann died.", "Game Over."}));
  EXPECT_EQ(model.LevelGrid.at(49, 5), (BoardCell{-ReboundBrick, 1, {}}));
  EXPECT_EQ(model.LevelGrid.at(0, 5), BoardCell{});

  // Blocked by a brick or by another living snake; the level is replayed,
  // so the brick staying shows as its never being drawn ahead.
  model.ScreenState = BoardScreen;
  model.TargetX = 45;
  model.TargetY = 20;
  model.Settings.PlayerCount = 2;
  auto pushFrom48 = [this] {
    host.messages.clear();
    view.calls.clear();
    Lay(49, 5, -ReboundBrick);
    PlaceSnake(1, 48, 5, Direction::Right);
    game.TimerTimer();
  };
  Lay(0, 5, -CharacterBrick);
  PlaceSnake(2, 40, 28, Direction::Left);
  pushFrom48();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
  EXPECT_FALSE(view.Called("DrawReboundBrick 0 5"));

  SetBody(2, {{0, 3}, {0, 4}, {0, 5}, {0, 6}}, Direction::Up);
  model.LevelGrid.at(0, 5) = BoardCell{};
  pushFrom48();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
  EXPECT_FALSE(view.Called("DrawReboundBrick 0 5"));

  SetBody(2, {{0, 5}, {0, 6}, {0, 7}}, Direction::Up);  // its head
  pushFrom48();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
  EXPECT_FALSE(view.Called("DrawReboundBrick 0 5"));

  // A dead snake's body no longer blocks.
  SetBody(2, {{0, 3}, {0, 4}, {0, 5}, {0, 6}}, Direction::Up).Lives = 0;
  pushFrom48();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(model.LevelGrid.at(0, 5).Occupied, 1);
}

TEST_F(CollisionTest, ScoreBrickPaysScoreOnlyThenStaysAsASolidBrick) {
  PlaceSnake(1, 19, 5, Direction::Right);
  model.Players[1].Score = 1000;
  model.Players[1].RoundScore = 300;
  Lay(20, 5, -ScoreBrick);
  game.TimerTimer();
  EXPECT_EQ(model.Players[1].Score, 1049);  // +50, then -1 for the step
  EXPECT_EQ(model.Players[1].RoundScore, 299);
  EXPECT_EQ(model.LevelGrid.at(20, 5), (BoardCell{-NormalBrick, 1, {}}));
  EXPECT_TRUE(view.Called("DrawNormalBrick 20 5"));
  EXPECT_TRUE(host.messages.empty());

  PlaceSnake(1, 19, 5, Direction::Right);
  game.TimerTimer();
  EXPECT_EQ(host.messages, Texts{"Ann died."});
}

// A cell keeps Extra from the level before, where a snake may have laid a
// trail brick; the brick a score or life brick leaves is the level's own.
TEST_F(CollisionTest, UsedScoreAndLifeBricksDoNotTakeTheColourOfAnEarlierTrail) {
  model.Settings.MixBricksColors = false;
  PlaceSnake(1, 19, 5, Direction::Right);
  Lay(20, 5, -ScoreBrick, {SnakeBrickMark});
  Lay(21, 5, -LifeBrick, {SnakeBrickMark});
  game.TimerTimer();
  game.TimerTimer();
  for (const int x : {20, 21}) {
    EXPECT_EQ(model.LevelGrid.at(x, 5).Content, -NormalBrick) << x;
    EXPECT_EQ(BrickColorAt(model, x, 5), model.Settings.BrickColors[0]) << x;
  }
}

TEST_F(CollisionTest, LifeBrickAddsALifeWithoutCap) {
  PlayerState& snake = PlaceSnake(1, 19, 5, Direction::Right);
  snake.Lives = 9;
  Lay(20, 5, -LifeBrick);
  Lay(21, 5, -LifeBrick);
  game.TimerTimer();
  EXPECT_EQ(snake.Lives, 10);
  EXPECT_EQ(model.LevelGrid.at(20, 5), (BoardCell{-NormalBrick, 1, {}}));
  EXPECT_EQ(view.calls.at(0), "DrawNormalBrick 20 5");
  EXPECT_EQ(view.calls.at(1), "ShowLives 1");
  game.TimerTimer();
  EXPECT_EQ(snake.Lives, 11);

  // A signed byte of lives does not wrap round to negative.
  snake.Lives = INT8_MAX;
  Lay(22, 5, -LifeBrick);
  game.TimerTimer();
  EXPECT_EQ(snake.Lives, INT8_MAX);
}

}  // namespace
}  // namespace coilrun::testing
