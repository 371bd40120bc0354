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

}  // namespace
}  // namespace coilrun::testing
