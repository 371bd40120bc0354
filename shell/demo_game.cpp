// Throwaway, until levels and the course of a game exist: player 1's snake
// runs on an empty field, steered by the cursor keys, wrapping at the edges
// while the Wrap option is on (the default). Delete this file, its
// declaration and call in main_form.cpp and its line in CMakeLists.txt.
#include "engine/game_view.h"
#include "engine/host.h"
#include "engine/model.h"

namespace coilrun {

void StartDemoGame(GameModel& model, GameView& view, Host& host) {
  model.ScreenState = BoardScreen;
  PlayerState& snake = model.Players[1];
  snake.Lives = 5;
  snake.Length = kStartLength;
  snake.Direction = Direction::Right;
  snake.BodyX[1] = 9;
  snake.BodyY[1] = 1;
  for (int entry = 2; entry <= kStartLength + 1; ++entry) {
    snake.BodyX[entry] = 8;
    snake.BodyY[entry] = 1;
  }
  view.ClearBoard();
  view.DrawWholeSnake(1);
  host.SetTimerEnabled(GameTimer::Game, true);
}

}  // namespace coilrun
