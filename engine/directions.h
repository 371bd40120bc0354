// The four headings of a snake: the cell a step leads to, the wrap at the
// field's edges, and when a turn makes the snake step before it turns.
#pragma once

#include "engine/model.h"

namespace coilrun {

struct Offset {
  int dx, dy;
};

constexpr Offset StepOf(Direction direction) {
  switch (direction) {
    case Direction::Left: return {-1, 0};
    case Direction::Right: return {1, 0};
    case Direction::Up: return {0, -1};
    case Direction::Down: return {0, 1};
  }
  return {0, 0};
}

constexpr Direction Opposite(Direction direction) {
  switch (direction) {
    case Direction::Left: return Direction::Right;
    case Direction::Right: return Direction::Left;
    case Direction::Up: return Direction::Down;
    case Direction::Down: break;
  }
  return Direction::Up;
}

constexpr bool IsVertical(Direction direction) { return direction == Direction::Up || direction == Direction::Down; }

constexpr Direction kDirections[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};

// Where the Wrap option brings a head that has left the field back in.
constexpr int WrapColumn(int x) { return x >= kFieldColumns ? 0 : x <= -1 ? kFieldColumns - 1 : x; }
constexpr int WrapRow(int y) { return y >= kFieldRows ? 0 : y <= -1 ? kFieldRows - 1 : y; }

// A snake that was turned onto the other axis and has not stepped since
// (its head and neck still share the row, or the column) carries that turn
// out with a step of its own before it takes the next one, so that two
// quick turns never reverse it into its neck.
constexpr bool TurnStepsFirst(const PlayerState& snake, Direction turn) {
  if (IsVertical(turn)) return !IsVertical(snake.Direction) && snake.BodyX[1] == snake.BodyX[2];
  return IsVertical(snake.Direction) && snake.BodyY[1] == snake.BodyY[2];
}

}  // namespace coilrun
