#include "engine/movement.h"

#include <algorithm>
#include <optional>

#include "engine/brick_kinds.h"
#include "engine/directions.h"
#include "engine/keys.h"

namespace coilrun {

void MoveSnake(PlayerState& snake) {
  const int last = std::min(snake.Length + 1, kBodyCapacity);
  for (int k = last; k >= 2; --k) {
    snake.BodyX[k] = snake.BodyX[k - 1];
    snake.BodyY[k] = snake.BodyY[k - 1];
  }
  const Offset step = StepOf(snake.Direction);
  snake.BodyX[1] += step.dx;
  snake.BodyY[1] += step.dy;
}

void WrapCheck(PlayerState& snake) {
  snake.BodyX[1] = WrapColumn(snake.BodyX[1]);
  snake.BodyY[1] = WrapRow(snake.BodyY[1]);
}

bool Movement::SnakeMayAct(int player) const {
  return model_.Players[player].Lives > 0 && model_.ScreenState == BoardScreen;
}

void Movement::TimerTimer() {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) StepSnake(player);
}

// Every part is guarded again because the part before it may have ended the
// snake's last life or replaced the board by an information screen.
void Movement::StepSnake(int player) {
  if (SnakeMayAct(player)) MoveSnake(model_.Players[player]);
  if (SnakeMayAct(player) && model_.Settings.Wrap) WrapCheck(model_.Players[player]);
  if (SnakeMayAct(player)) collisions_.BumpCheck(player);
  if (SnakeMayAct(player)) ClearSnake(player);
  if (SnakeMayAct(player)) board_.DrawSnake(player);
}

void Movement::ClearSnake(int player) {
  PlayerState& snake = model_.Players[player];
  if (model_.Settings.Long) {
    SnakeToBrick(snake, model_.LevelGrid);
    return;
  }
  if (snake.Score > 0) --snake.Score;
  if (snake.RoundScore > 0) --snake.RoundScore;
  if (snake.Length < 1) return;

  const int x = snake.BodyX[snake.Length];
  const int y = snake.BodyY[snake.Length];
  if (model_.ScreenState == BoardScreen) board_.ClearBrick(x, y);
  // A brick can stand under a body: a door closed on it, a rebound brick
  // pushed onto it, a score or life brick turned solid behind the head.
  const BoardCell& cell = model_.LevelGrid.at(x, y);
  if (cell.Occupied != 0) DrawCellByKind(board_, x, y, cell.Content);
  if (x == model_.TargetX && y == model_.TargetY) board_.DrawNumber();
}

void SnakeToBrick(PlayerState& snake, BoardGrid& grid) {
  snake.Length = 1;
  BoardCell& cell = grid.at(snake.BodyX[1], snake.BodyY[1]);
  cell.Occupied = 1;
  cell.Content = static_cast<std::int32_t>(snake.Color);
  cell.Extra[0] = SnakeBrickMark;
}

void Movement::RotateSnake(int key) {
  if (model_.Settings.Paused) return;
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    if (!SnakeMayAct(player)) continue;
    const std::optional<Direction> turn = SteeredDirection(player, key);
    if (!turn) continue;
    PlayerState& snake = model_.Players[player];
    if (TurnStepsFirst(snake, *turn)) StepSnake(player);
    if (*turn != Opposite(snake.Direction)) snake.Direction = *turn;
  }
}

}  // namespace coilrun
