// A game over the fake ports and a recording view, with helpers to set up
// snakes. Tests reach the game's face through `game` and each part's own
// face through `parts`.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "game/game_parts.h"
#include "tests/support/fake_host.h"
#include "tests/support/recording_view.h"

namespace coilrun::testing {

using Cell = std::pair<int, int>;
using Texts = std::vector<std::string>;

class GameFixture : public ::testing::Test {
 protected:
  GameFixture() {
    model.ScreenState = BoardScreen;
    model.Settings.Wrap = false;
    model.Settings.Sounds = false;
  }

  // Puts a living snake on the board: head at (x, y) heading `direction`,
  // entries 2..length+1 stacked on the cell behind the head.
  PlayerState& PlaceSnake(int player, int x, int y, Direction direction, int length = kStartLength) {
    PlayerState& snake = model.Players[player];
    snake.Direction = direction;
    snake.Length = length;
    snake.Lives = 5;
    const int behindX = direction == Direction::Right ? x - 1 : direction == Direction::Left ? x + 1 : x;
    const int behindY = direction == Direction::Down ? y - 1 : direction == Direction::Up ? y + 1 : y;
    snake.BodyX[1] = x;
    snake.BodyY[1] = y;
    for (int k = 2; k <= length + 1; ++k) {
      snake.BodyX[k] = behindX;
      snake.BodyY[k] = behindY;
    }
    return snake;
  }

  // Lays out a body explicitly, head first; Length becomes the number of cells.
  PlayerState& SetBody(int player, std::initializer_list<std::pair<int, int>> cells, Direction direction) {
    PlayerState& snake = model.Players[player];
    snake.Direction = direction;
    snake.Lives = 5;
    int k = 0;
    for (const auto& [x, y] : cells) {
      ++k;
      snake.BodyX[k] = x;
      snake.BodyY[k] = y;
    }
    snake.Length = k;
    snake.BodyX[k + 1] = snake.BodyX[k];
    snake.BodyY[k + 1] = snake.BodyY[k];
    return snake;
  }

  Cell Head(int player) const { return {model.Players[player].BodyX[1], model.Players[player].BodyY[1]}; }

  GameModel model;
  FakeHost host;
  RecordingView view{model};
  GameParts parts{model, view.views(), host.ports()};
  Game game{parts};
};

}  // namespace coilrun::testing
