// The beat of the game timer and the steering of the four snakes.
#include <algorithm>

#include "engine/brick_kinds.h"
#include "engine/directions.h"
#include "engine/game.h"
#include "engine/keys.h"

namespace coilrun {

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
  const Offset step = StepOf(snake.Direction);
  snake.BodyX[1] += step.dx;
  snake.BodyY[1] += step.dy;
}

void Game::WrapCheck(int player) {
  if (!model_.Settings.Wrap) return;
  PlayerState& snake = model_.Players[player];
  snake.BodyX[1] = WrapColumn(snake.BodyX[1]);
  snake.BodyY[1] = WrapRow(snake.BodyY[1]);
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
    const std::optional<Direction> turn = SteeredDirection(player, key);
    if (!turn) continue;
    PlayerState& snake = model_.Players[player];
    if (TurnStepsFirst(snake, *turn)) StepSnake(player);
    if (*turn != Opposite(snake.Direction)) snake.Direction = *turn;
  }
}

void Game::FormKeyDown(int key, unsigned shift) {
  if (shift == ShiftCtrl && key == VkF12) Startlevel1Click();
  if (key == VkPause || key == VkP) Pause1Click();
  RotateSnake(key);
}

}  // namespace coilrun
