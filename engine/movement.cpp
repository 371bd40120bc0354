// The beat of the game timer and the steering of the four snakes.
#include <algorithm>

#include "engine/brick_kinds.h"
#include "engine/game.h"
#include "engine/keys.h"

namespace coilrun {

namespace {

struct SteeringKeys {
  int left, up, right, down;
};

constexpr SteeringKeys kSteeringKeys[kMaxPlayers + 1] = {
    {0, 0, 0, 0},
    {VkLeft, VkUp, VkRight, VkDown},
    {VkA, VkW, VkD, VkS},
    {VkJ, VkI, VkL, VkK},
    {VkNumpad4, VkNumpad8, VkNumpad6, VkNumpad5},
};

bool IsVertical(Direction direction) { return direction == Direction::Up || direction == Direction::Down; }

}  // namespace

Game::Game(GameModel& model, Host& host, GameView view)
    : model_(model), host_(host), view_(view), sources_(model), competition_(model) {}

bool Game::SnakeMayAct(int player) const {
  return model_.Players[player].Lives > 0 && model_.ScreenState == BoardScreen;
}

void Game::ReportTimerTimer() { view_.report.ReportTimerTimer(); }

void Game::TimerTimer() {
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) StepSnake(player);
}

// Every part is guarded again because the part before it may have ended the
// snake's last life or replaced the board by an information screen.
void Game::StepSnake(int player) {
  if (SnakeMayAct(player)) MoveSnake(player);
  if (SnakeMayAct(player)) WrapCheck(player);
  if (SnakeMayAct(player)) BumpCheck(player);
  if (SnakeMayAct(player)) ClearSnake(player);
  if (SnakeMayAct(player)) view_.board.DrawSnake(player);
}

void Game::MoveSnake(int player) {
  PlayerState& snake = model_.Players[player];
  const int last = std::min(snake.Length + 1, kBodyCapacity);
  for (int k = last; k >= 2; --k) {
    snake.BodyX[k] = snake.BodyX[k - 1];
    snake.BodyY[k] = snake.BodyY[k - 1];
  }
  switch (snake.Direction) {
    case Direction::Left: --snake.BodyX[1]; break;
    case Direction::Right: ++snake.BodyX[1]; break;
    case Direction::Up: --snake.BodyY[1]; break;
    case Direction::Down: ++snake.BodyY[1]; break;
  }
}

void Game::WrapCheck(int player) {
  if (!model_.Settings.Wrap) return;
  PlayerState& snake = model_.Players[player];
  if (snake.BodyX[1] >= kFieldColumns) snake.BodyX[1] = 0;
  if (snake.BodyX[1] <= -1) snake.BodyX[1] = kFieldColumns - 1;
  if (snake.BodyY[1] >= kFieldRows) snake.BodyY[1] = 0;
  if (snake.BodyY[1] <= -1) snake.BodyY[1] = kFieldRows - 1;
}

void Game::ClearSnake(int player) {
  if (model_.Settings.Long) {
    SnakeToBrick(player);
    return;
  }
  PlayerState& snake = model_.Players[player];
  if (snake.Score > 0) --snake.Score;
  if (snake.RoundScore > 0) --snake.RoundScore;
  if (snake.Length < 1) return;

  const int x = snake.BodyX[snake.Length];
  const int y = snake.BodyY[snake.Length];
  if (model_.ScreenState == BoardScreen) view_.board.ClearBrick(x, y);
  // A brick can stand under a body: a door closed on it, a rebound brick
  // pushed onto it, a score or life brick turned solid behind the head.
  if (model_.LevelGrid.at(x, y).Occupied != 0) RedrawCell(x, y);
  if (x == model_.TargetX && y == model_.TargetY) view_.board.DrawNumber();
}

void Game::SnakeToBrick(int player) {
  PlayerState& snake = model_.Players[player];
  snake.Length = 1;
  BoardCell& cell = model_.LevelGrid.at(snake.BodyX[1], snake.BodyY[1]);
  cell.Occupied = 1;
  cell.Content = static_cast<std::int32_t>(snake.Color);
  cell.Extra[0] = SnakeBrickMark;
}

void Game::RedrawCell(int x, int y) { DrawCellByKind(view_.board, x, y, model_.LevelGrid.at(x, y).Content); }

void Game::RotateSnake(int key) {
  if (model_.Settings.Paused) return;
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) {
    if (!SnakeMayAct(player)) continue;
    const SteeringKeys& keys = kSteeringKeys[player];
    PlayerState& snake = model_.Players[player];

    // A turn onto the other axis that has not been stepped yet is carried
    // out first, so that two quick turns never reverse the snake into its neck.
    const bool horizontalKey = key == keys.left || key == keys.right;
    const bool verticalKey = key == keys.up || key == keys.down;
    if ((horizontalKey && IsVertical(snake.Direction) && snake.BodyY[1] == snake.BodyY[2]) ||
        (verticalKey && !IsVertical(snake.Direction) && snake.BodyX[1] == snake.BodyX[2])) {
      StepSnake(player);
    }

    if (key == keys.left && snake.Direction != Direction::Right) snake.Direction = Direction::Left;
    if (key == keys.up && snake.Direction != Direction::Down) snake.Direction = Direction::Up;
    if (key == keys.right && snake.Direction != Direction::Left) snake.Direction = Direction::Right;
    if (key == keys.down && snake.Direction != Direction::Up) snake.Direction = Direction::Down;
  }
}

void Game::FormKeyDown(int key, unsigned shift) {
  if (shift == ShiftCtrl && key == VkF12) Startlevel1Click();
  if (key == VkPause || key == VkP) Pause1Click();
  RotateSnake(key);
}

}  // namespace coilrun
