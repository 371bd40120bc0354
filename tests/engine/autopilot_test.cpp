#include "engine/autopilot.h"

#include <optional>
#include <string>
#include <vector>

#include "engine/keys.h"
#include "game/autopilot_keys.h"
#include "tests/support/game_fixture.h"

namespace coilrun::testing {
namespace {

class AutopilotTest : public GameFixture {
 protected:
  AutopilotTest() {
    model.Settings.PlayerCount = 1;
    model.TargetNumber = 1;
  }

  void PutTarget(int x, int y) {
    model.TargetX = static_cast<std::uint8_t>(x);
    model.TargetY = static_cast<std::uint8_t>(y);
  }
  void Wall(int x, int y) { model.LevelGrid.at(x, y) = BoardCell{-NormalBrick, 1, {}}; }

  // Beats until the target numbered 1 is eaten, steering before each; -1
  // when the snake dies or the beats run out first.
  int BeatsToEat(Autopilot& pilot, int most = 200) {
    for (int beat = 1; beat <= most; ++beat) {
      Steer(pilot, game);
      game.TimerTimer();
      if (!host.messages.empty()) return -1;
      if (model.TargetNumber > 1) return beat;
    }
    return -1;
  }

  Autopilot pilot{1, 7};
};

TEST_F(AutopilotTest, TakesAShortestWayWithThePlayersOwnKeysAndWrapsWhenThatIsShorter) {
  model.Settings.PlayerCount = 2;
  PlaceSnake(2, 10, 10, Direction::Right);
  PutTarget(10, 5);
  Autopilot second(2, 7);
  EXPECT_EQ(second.ChooseKey(model), std::optional<int>(VkW));
  EXPECT_EQ(BeatsToEat(second), 5);

  model.Settings.Wrap = true;
  model.TargetNumber = 1;
  PlaceSnake(1, 2, 20, Direction::Left);
  PutTarget(47, 20);
  EXPECT_EQ(pilot.ChooseKey(model), std::nullopt);  // straight on, over the edge
  EXPECT_EQ(BeatsToEat(pilot), 5);
}

TEST_F(AutopilotTest, UsesInOutBricksAndOpensTheDoorOfAWalledInTarget) {
  PlaceSnake(1, 5, 5, Direction::Right);
  model.LevelGrid.at(6, 5) = BoardCell{-InOutBrick, 1, {30, 20}};
  PutTarget(32, 20);
  EXPECT_EQ(BeatsToEat(pilot), 2);  // in at (6, 5), out at (31, 20), on to the target

  // The target stands in a closed wall; the door at (20, 10) opens it.
  model.TargetNumber = 1;
  PlaceSnake(1, 15, 10, Direction::Right);
  PutTarget(40, 25);
  Wall(40, 25);
  model.LevelGrid.at(20, 10) = BoardCell{-DoorBrick, 1, {40, 25, 40, 25, 40, 25, 40, 25}};
  int beats = 0;
  while (model.LevelGrid.at(40, 25).Occupied != 0 && beats++ < 10) {
    Steer(pilot, game);
    game.TimerTimer();
  }
  EXPECT_EQ(beats, 5);
  EXPECT_GT(BeatsToEat(pilot), 0);
}

TEST_F(AutopilotTest, KeepsOutOfWallsBodiesAndPocketsTooSmallForItself) {
  PlaceSnake(1, 20, 10, Direction::Right);
  PutTarget(40, 10);
  Wall(21, 10);
  const std::optional<int> aroundTheWall = pilot.ChooseKey(model);
  EXPECT_TRUE(aroundTheWall == VkUp || aroundTheWall == VkDown);

  // The target lies in a pocket of 3 x 3 cells whose mouth is straight ahead.
  model.LevelGrid.at(21, 10) = BoardCell{};
  for (int x = 21; x <= 25; ++x) {
    for (int y = 8; y <= 12; ++y) {
      if (x == 21 || x == 25 || y == 8 || y == 12) Wall(x, y);
    }
  }
  model.LevelGrid.at(21, 10) = BoardCell{};
  PutTarget(23, 10);
  const std::optional<int> awayFromThePocket = pilot.ChooseKey(model);
  EXPECT_TRUE(awayFromThePocket == VkUp || awayFromThePocket == VkDown);

  // Another snake lies across both turns; only straight on is free.
  model.Settings.PlayerCount = 2;
  SetBody(2, {{19, 9}, {20, 9}, {21, 9}, {22, 9}, {22, 10}, {22, 11}, {21, 11}, {20, 11}, {19, 11}, {18, 11}},
          Direction::Left);
  model.LevelGrid.at(21, 10) = BoardCell{};
  EXPECT_EQ(pilot.ChooseKey(model), std::nullopt);
}

TEST_F(AutopilotTest, TheSameSeedPlaysTheSameGame) {
  const auto play = [](std::uint32_t seed) {
    GameModel model;
    FakeHost host;
    RecordingView view(model);
    GameParts parts(model, view.views(), host.ports());
    Game game(parts);
    game.CopyBuiltInLevels();
    game.StartButtonClick({.PlayerCount = 4});
    std::vector<Autopilot> pilots;
    for (int player = 1; player <= kMaxPlayers; ++player) pilots.emplace_back(player, seed + player);
    for (int beat = 0; beat < 600 && model.ScreenState == BoardScreen; ++beat) {
      for (Autopilot& pilot : pilots) Steer(pilot, game);
      game.TimerTimer();
    }
    Texts outcome = host.messages;
    for (const PlayerState& snake : model.Players) {
      outcome.push_back(std::to_string(snake.BodyX[1]) + "," + std::to_string(snake.BodyY[1]) + " " +
                        std::to_string(snake.Score) + " " + std::to_string(snake.Lives));
    }
    return outcome;
  };
  const auto first = play(1);
  EXPECT_EQ(play(1), first);
  EXPECT_NE(play(2), first);
}

// Each measure of skill against the plain autopilot, in a position where it
// must make a difference.
class AutopilotSkillTest : public AutopilotTest {
 protected:
  // Beats until the target is eaten, -1 when it is not within `most`;
  // a death fails the test.
  int BeatsToEatAlive(Autopilot& pilot, int most) {
    for (int beat = 1; beat <= most; ++beat) {
      Steer(pilot, game);
      game.TimerTimer();
      EXPECT_TRUE(host.messages.empty()) << "died at beat " << beat;
      if (model.TargetNumber > 1) return beat;
    }
    return -1;
  }
  // The target in a pocket of 3 x 3 cells whose mouth lies straight ahead
  // of a snake at (20, 10) heading right.
  void PocketAhead() {
    PlaceSnake(1, 20, 10, Direction::Right);
    for (int x = 21; x <= 25; ++x) {
      for (int y = 8; y <= 12; ++y) {
        if (x == 21 || x == 25 || y == 8 || y == 12) Wall(x, y);
      }
    }
    model.LevelGrid.at(21, 10) = BoardCell{};
    PutTarget(23, 10);
  }
};

TEST_F(AutopilotSkillTest, ASlowReactionGoesOnAsBeforeForThatManyBeats) {
  PlaceSnake(1, 10, 10, Direction::Right);
  PutTarget(10, 3);
  Autopilot slow(1, 7, {.reactionBeats = 4});
  EXPECT_EQ(BeatsToEatAlive(slow, 40), 7 + 2 * 4);  // four beats on to the right, and four back
  model.TargetNumber = 1;
  PlaceSnake(1, 10, 10, Direction::Right);
  PutTarget(10, 3);
  EXPECT_EQ(BeatsToEatAlive(pilot, 40), 7);
}

TEST_F(AutopilotSkillTest, AShallowSearchTakesAPocketBeyondItsSightForOpenAndAMistakeNeverDoes) {
  PocketAhead();
  Autopilot shallow(1, 7, {.searchDepth = 3});
  EXPECT_EQ(shallow.ChooseKey(model), std::nullopt);  // straight into the pocket
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    Autopilot alwaysWrong(1, seed, {.mistakesPerThousand = 1000});
    const std::optional<int> key = alwaysWrong.ChooseKey(model);
    EXPECT_TRUE(key == VkUp || key == VkDown) << "seed " << seed;
  }
}

TEST_F(AutopilotSkillTest, MistakesTakeSafeButWorseStepsOnly) {
  PlaceSnake(1, 10, 15, Direction::Right);
  PutTarget(22, 15);
  Autopilot alwaysWrong(1, 7, {.mistakesPerThousand = 1000});
  EXPECT_EQ(BeatsToEatAlive(alwaysWrong, 60), -1);
  model.TargetNumber = 1;
  PlaceSnake(1, 10, 15, Direction::Right);
  EXPECT_EQ(BeatsToEatAlive(pilot, 60), 12);
}

// Player 1 moves first in the beat: a rival takes the cell next to player
// 2's head that lies on its way, where the plain autopilot gives way.
TEST_F(AutopilotSkillTest, ARivalTakesACellAnotherHeadCouldEnterOnlyWhenItMovesFirst) {
  model.Settings.PlayerCount = 2;
  PutTarget(12, 10);
  PlaceSnake(1, 10, 10, Direction::Right);
  PlaceSnake(2, 11, 9, Direction::Down);
  Autopilot rival(1, 7, {.rivalryPercent = 100});
  EXPECT_EQ(rival.ChooseKey(model), std::nullopt);  // straight on, next to player 2's head
  EXPECT_EQ(pilot.ChooseKey(model), std::optional<int>(VkDown));

  PlaceSnake(2, 10, 10, Direction::Right);
  PlaceSnake(1, 11, 9, Direction::Down);
  Autopilot secondRival(2, 7, {.rivalryPercent = 100});
  EXPECT_EQ(secondRival.ChooseKey(model), std::optional<int>(VkS));
}

// Player 2 runs along a corridor whose mouth player 1 can close with a
// turn to the left.
TEST_F(AutopilotSkillTest, ARivalClosesInAnotherHeadInACompetitionOnly) {
  model.Settings.PlayerCount = 2;
  for (int x = 0; x <= 10; ++x) {
    Wall(x, 4);
    Wall(x, 6);
  }
  SetBody(2, {{8, 5}, {7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}, {2, 5}, {1, 5}, {0, 5}}, Direction::Right);
  SetBody(1, {{12, 5}, {12, 6}, {12, 7}, {12, 8}, {12, 9}, {12, 10}, {12, 11}, {12, 12}, {12, 13}, {12, 14}},
          Direction::Up);
  PutTarget(30, 20);
  const struct {
    bool competition;
    int rivalryPercent;
    bool closesIn;
  } cases[] = {{true, 100, true}, {true, 0, false}, {false, 100, false}};
  for (const auto& each : cases) {
    model.Settings.Competition = each.competition;
    Autopilot player(1, 7, {.rivalryPercent = each.rivalryPercent});
    EXPECT_EQ(player.ChooseKey(model) == std::optional<int>(VkLeft), each.closesIn)
        << "competition " << each.competition << ", rivalry " << each.rivalryPercent;
  }
}

}  // namespace
}  // namespace coilrun::testing
