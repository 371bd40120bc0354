// The beat of the game timer and the steering of the four snakes.
#pragma once

#include "engine/collisions.h"
#include "engine/game_view.h"
#include "engine/model.h"

namespace coilrun {

// Shifts the body one entry down and moves the head one cell on in its
// direction.
void MoveSnake(PlayerState& snake);
// With Wrap, a head that has left the field comes back on the other side.
void WrapCheck(PlayerState& snake);
// With Long, the snake leaves its head's cell as a brick of its colour and
// keeps no body behind it.
void SnakeToBrick(PlayerState& snake, BoardGrid& grid);

class Movement {
 public:
  Movement(GameModel& model, BoardView& board, Collisions& collisions)
      : model_(model), board_(board), collisions_(collisions) {}

  // One step of every snake in play, in player order.
  void TimerTimer();
  // A steering key: every snake it belongs to turns, taking the step its
  // last turn still owes first.
  void RotateSnake(int key);

 private:
  // True while a player's snake may take the next part of its step.
  bool SnakeMayAct(int player) const;
  void StepSnake(int player);
  void ClearSnake(int player);

  GameModel& model_;
  BoardView& board_;
  Collisions& collisions_;
};

}  // namespace coilrun
