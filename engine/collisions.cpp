#include "engine/collisions.h"

#include <algorithm>
#include <cstdint>

#include "engine/brick_kinds.h"
#include "engine/crash_codes.h"
#include "engine/directions.h"

namespace coilrun {

namespace {

constexpr int kScoreBrickPoints = 50;

// A used score or life brick becomes a brick of the level. Extra survives a
// level load, so the cell may still carry the mark of a trail that a snake
// laid there on an earlier level; left in place, the brick would be drawn as
// that trail, in a colour read from Content -1.
void TurnIntoNormalBrick(BoardCell& cell) {
  cell.Content = -NormalBrick;
  cell.Occupied = 1;
  if (cell.Extra[0] == SnakeBrickMark) cell.Extra[0] = 0;
}

}  // namespace

void Collisions::BumpCheck(int player) {
  PlayerState& snake = model_.Players[player];
  const int playerCount = PlayersInGame(model_.Settings);

  // Own body. Entries 2 and 3 cannot be reached in one step; entry Length
  // is the cell the tail is just leaving.
  const int lastSolidEntry = std::min(snake.Length - 1, kBodyCapacity);
  for (int k = 4; k <= lastSolidEntry; ++k) {
    if (snake.BodyX[k] == snake.BodyX[1] && snake.BodyY[k] == snake.BodyY[1]) {
      events_.On_Bump(player);
      return;
    }
  }

  if (!model_.Settings.Wrap && !OnField(snake.BodyX[1], snake.BodyY[1])) {
    events_.On_Bump(player);
    return;
  }

  const int x = snake.BodyX[1];
  const int y = snake.BodyY[1];
  const BoardCell& cell = model_.LevelGrid.at(x, y);
  if (cell.Occupied != 0) {
    const std::int32_t content = cell.Content;
    if (IsNormalContent(content) || content == -CharacterBrick) {
      events_.On_Bump(player);
      return;
    }
    switch (-content) {
      case DoorBrick: BumpDoorBrick(x, y, player); break;
      case InOutBrick: BumpInOutBrick(x, y, player); break;
      case ReboundBrick:
        if (BumpReboundBrick(x, y, player)) return;
        break;
      case ScoreBrick: BumpScoreBrick(x, y, player); break;
      case LifeBrick: BumpLifeBrick(x, y, player); break;
      default: break;  // Content 0 or an unknown kind is no brick
    }
  }

  // A door or an in-out brick may have moved the head; the rest sees it there.
  if (playerCount > 1) {
    for (int other = 1; other <= playerCount; ++other) {
      const PlayerState& rival = model_.Players[other];
      if (other == player || rival.Lives <= 0) continue;
      if (rival.BodyX[1] == snake.BodyX[1] && rival.BodyY[1] == snake.BodyY[1]) {
        events_.On_Bump(HeadOnCode(player, other));
        return;
      }
      const int rivalLastEntry = std::min(rival.Length - 1, kBodyCapacity);
      for (int k = 2; k <= rivalLastEntry; ++k) {
        if (rival.BodyX[k] == snake.BodyX[1] && rival.BodyY[k] == snake.BodyY[1]) {
          events_.On_Bump(player);
          return;
        }
      }
    }
  }

  if (snake.BodyX[1] == model_.TargetX && snake.BodyY[1] == model_.TargetY) {
    sounds_.EffectSound(SoundEffect::Target);
    targets_.NewNumber(player);
  }
}

void Collisions::BumpDoorBrick(int x, int y, int player) {
  sounds_.EffectSound(SoundEffect::Door);
  PlayerState& snake = model_.Players[player];
  const Offset step = StepOf(snake.Direction);
  snake.BodyX[1] = x + step.dx;
  snake.BodyY[1] = y + step.dy;

  // Copied first: a link may point at the door itself.
  const std::array<std::uint8_t, 8> links = model_.LevelGrid.at(x, y).Extra;
  bool decided = false;
  bool opening = false;
  for (int link = 0; link < 4; ++link) {
    const int linkX = links[2 * link];
    const int linkY = links[2 * link + 1];
    // A link outside the grid names no cell at all, so it neither decides nor toggles.
    if (!InGrid(linkX, linkY)) continue;
    BoardCell& wall = model_.LevelGrid.at(linkX, linkY);
    if (!decided) {
      opening = wall.Occupied != 0;
      decided = true;
    }
    wall.Occupied = opening ? 0 : 1;
    if (!OnField(linkX, linkY)) continue;
    if (opening) {
      board_.ClearBrick(linkX, linkY);
    } else {
      DrawCellByKind(board_, linkX, linkY, wall.Content);
    }
  }
}

void Collisions::BumpInOutBrick(int x, int y, int player) {
  sounds_.EffectSound(SoundEffect::InOut);
  PlayerState& snake = model_.Players[player];
  const BoardCell& brick = model_.LevelGrid.at(x, y);
  const int targetX = static_cast<std::int8_t>(brick.Extra[0]);
  const int targetY = static_cast<std::int8_t>(brick.Extra[1]);
  const Offset step = StepOf(snake.Direction);
  snake.BodyX[1] = targetX + step.dx;
  snake.BodyY[1] = targetY + step.dy;
}

bool Collisions::BumpReboundBrick(int x, int y, int player) {
  const Offset step = StepOf(model_.Players[player].Direction);
  // The brick always lands on the field, whatever Wrap says.
  const int aheadX = (x + step.dx + kFieldColumns) % kFieldColumns;
  const int aheadY = (y + step.dy + kFieldRows) % kFieldRows;
  sounds_.EffectSound(SoundEffect::Rebound);

  bool blocked =
      model_.LevelGrid.at(aheadX, aheadY).Occupied != 0 || (aheadX == model_.TargetX && aheadY == model_.TargetY);
  const int playerCount = PlayersInGame(model_.Settings);
  if (playerCount > 1) {
    for (int other = 1; other <= playerCount && !blocked; ++other) {
      const PlayerState& rival = model_.Players[other];
      if (other == player || rival.Lives <= 0) continue;
      const int rivalLastEntry = std::min(rival.Length - 1, kBodyCapacity);
      for (int k = 1; k <= rivalLastEntry; ++k) {
        if (rival.BodyX[k] == aheadX && rival.BodyY[k] == aheadY) blocked = true;
      }
    }
  }
  if (blocked) {
    events_.On_Bump(player);
    return true;
  }

  BoardCell& ahead = model_.LevelGrid.at(aheadX, aheadY);
  ahead.Content = -ReboundBrick;
  ahead.Occupied = 1;
  board_.DrawReboundBrick(aheadX, aheadY);
  model_.LevelGrid.at(x, y).Occupied = 0;
  return false;
}

void Collisions::BumpScoreBrick(int x, int y, int player) {
  sounds_.EffectSound(SoundEffect::Score);
  model_.Players[player].Score = AddPoints(model_.Players[player].Score, kScoreBrickPoints);
  TurnIntoNormalBrick(model_.LevelGrid.at(x, y));
  board_.DrawNormalBrick(x, y);
}

void Collisions::BumpLifeBrick(int x, int y, int player) {
  sounds_.EffectSound(SoundEffect::Life);
  PlayerState& snake = model_.Players[player];
  // Lives has no cap of its own, but a signed byte must not wrap to negative.
  if (snake.Lives < INT8_MAX) ++snake.Lives;
  TurnIntoNormalBrick(model_.LevelGrid.at(x, y));
  board_.DrawNormalBrick(x, y);
  report_.ShowLives(player);
}

}  // namespace coilrun
