#include "game/retire_snakes.h"

namespace coilrun {

void RetireSnakes(GameParts& parts, std::uint32_t players) {
  GameModel& model = parts.model;
  for (int player = 1; player <= kMaxPlayers; ++player) {
    PlayerState& snake = model.Players[player];
    if ((players & (1u << (player - 1))) == 0 || snake.Lives <= 0) continue;
    snake.Lives = 0;
    if (model.ScreenState != BoardScreen) continue;
    for (int k = 1; k < snake.Length && k <= kBodyCapacity; ++k) {
      const int x = snake.BodyX[k];
      const int y = snake.BodyY[k];
      if (x < 0 || x >= kFieldColumns || y < 0 || y >= kFieldRows) continue;
      parts.view.board.ClearBrick(x, y);
    }
    parts.view.report.ShowLives(player);
  }
}

void TakeOverSnakes(GameParts& parts, std::uint32_t players) { parts.computers.TakeOver(players, parts.ports.clock); }

}  // namespace coilrun
