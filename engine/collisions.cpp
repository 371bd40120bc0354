// Collisions of a head after its move, and the effects of the special bricks.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "engine/directions.h"
#include "engine/game.h"

namespace coilrun {

namespace {

// Head-on crash codes: -1 for the pair at index 1, down to -6.
constexpr std::pair<int, int> kHeadOnPairs[] = {{0, 0}, {1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
constexpr int kHeadOnPairCount = std::size(kHeadOnPairs) - 1;

constexpr int kScoreBrickPoints = 50;
constexpr int kSurvivorPoints = 100;

// 0, which names no crash, unless the two are different players 1..4.
constexpr int HeadOnCode(int playerA, int playerB) {
  const std::pair<int, int> pair = std::minmax(playerA, playerB);
  for (int code = 1; code <= kHeadOnPairCount; ++code) {
    if (kHeadOnPairs[code] == pair) return -code;
  }
  return 0;
}
static_assert(HeadOnCode(2, 1) == -1 && HeadOnCode(3, 4) == -6 && HeadOnCode(2, 2) == 0 && HeadOnCode(1, 5) == 0);

// Crash codes index the player records and the pair table, so a value
// that names neither is no crash at all.
constexpr bool IsCrashCode(int code) {
  return (code >= 1 && code <= kMaxPlayers) || (code <= -1 && code >= -kHeadOnPairCount);
}

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

void Game::BumpCheck(int player) {
  PlayerState& snake = model_.Players[player];
  const int playerCount = PlayersInGame(model_.Settings);

  // Own body. Entries 2 and 3 cannot be reached in one step; entry Length
  // is the cell the tail is just leaving.
  const int lastSolidEntry = std::min(snake.Length - 1, kBodyCapacity);
  for (int k = 4; k <= lastSolidEntry; ++k) {
    if (snake.BodyX[k] == snake.BodyX[1] && snake.BodyY[k] == snake.BodyY[1]) {
      On_Bump(player);
      return;
    }
  }

  if (!model_.Settings.Wrap && !OnField(snake.BodyX[1], snake.BodyY[1])) {
    On_Bump(player);
    return;
  }

  const int x = snake.BodyX[1];
  const int y = snake.BodyY[1];
  const BoardCell& cell = model_.LevelGrid.at(x, y);
  if (cell.Occupied != 0) {
    const std::int32_t content = cell.Content;
    if (IsNormalContent(content) || content == -CharacterBrick) {
      On_Bump(player);
      return;
    }
    switch (-content) {
      case DoorBrick: Bump_2(x, y, player); break;
      case InOutBrick: Bump_3(x, y, player); break;
      case ReboundBrick:
        if (Bump_4(x, y, player)) return;
        break;
      case ScoreBrick: Bump_10(x, y, player); break;
      case LifeBrick: Bump_11(x, y, player); break;
      default: break;  // Content 0 or an unknown kind is no brick
    }
  }

  // A door or an in-out brick may have moved the head; the rest sees it there.
  if (playerCount > 1) {
    for (int other = 1; other <= playerCount; ++other) {
      const PlayerState& rival = model_.Players[other];
      if (other == player || rival.Lives <= 0) continue;
      if (rival.BodyX[1] == snake.BodyX[1] && rival.BodyY[1] == snake.BodyY[1]) {
        On_Bump(HeadOnCode(player, other));
        return;
      }
      const int rivalLastEntry = std::min(rival.Length - 1, kBodyCapacity);
      for (int k = 2; k <= rivalLastEntry; ++k) {
        if (rival.BodyX[k] == snake.BodyX[1] && rival.BodyY[k] == snake.BodyY[1]) {
          On_Bump(player);
          return;
        }
      }
    }
  }

  if (snake.BodyX[1] == model_.TargetX && snake.BodyY[1] == model_.TargetY) {
    EffectSound(SoundEffect::Target);
    NewNumber(player);
  }
}

void Game::Bump_2(int x, int y, int player) {
  EffectSound(SoundEffect::Door);
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
    if (!BoardGrid::Contains(linkX, linkY)) continue;
    BoardCell& wall = model_.LevelGrid.at(linkX, linkY);
    if (!decided) {
      opening = wall.Occupied != 0;
      decided = true;
    }
    wall.Occupied = opening ? 0 : 1;
    if (!OnField(linkX, linkY)) continue;
    if (opening) {
      view_.board.ClearBrick(linkX, linkY);
    } else {
      RedrawCell(linkX, linkY);
    }
  }
}

void Game::Bump_3(int x, int y, int player) {
  EffectSound(SoundEffect::InOut);
  PlayerState& snake = model_.Players[player];
  const BoardCell& brick = model_.LevelGrid.at(x, y);
  const int targetX = static_cast<std::int8_t>(brick.Extra[0]);
  const int targetY = static_cast<std::int8_t>(brick.Extra[1]);
  const Offset step = StepOf(snake.Direction);
  snake.BodyX[1] = targetX + step.dx;
  snake.BodyY[1] = targetY + step.dy;
}

bool Game::Bump_4(int x, int y, int player) {
  const Offset step = StepOf(model_.Players[player].Direction);
  // The brick always lands on the field, whatever Wrap says.
  const int aheadX = (x + step.dx + kFieldColumns) % kFieldColumns;
  const int aheadY = (y + step.dy + kFieldRows) % kFieldRows;
  EffectSound(SoundEffect::Rebound);

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
    On_Bump(player);
    return true;
  }

  BoardCell& ahead = model_.LevelGrid.at(aheadX, aheadY);
  ahead.Content = -ReboundBrick;
  ahead.Occupied = 1;
  view_.board.Draw_Brick_4(aheadX, aheadY);
  model_.LevelGrid.at(x, y).Occupied = 0;
  return false;
}

void Game::Bump_10(int x, int y, int player) {
  EffectSound(SoundEffect::Score);
  model_.Players[player].Score = AddPoints(model_.Players[player].Score, kScoreBrickPoints);
  TurnIntoNormalBrick(model_.LevelGrid.at(x, y));
  view_.board.Draw_Brick_1(x, y);
}

void Game::Bump_11(int x, int y, int player) {
  EffectSound(SoundEffect::Life);
  PlayerState& snake = model_.Players[player];
  // Lives has no cap of its own, but a signed byte must not wrap to negative.
  if (snake.Lives < INT8_MAX) ++snake.Lives;
  TurnIntoNormalBrick(model_.LevelGrid.at(x, y));
  view_.board.Draw_Brick_1(x, y);
  view_.report.ShowLives(player);
}

void Game::On_Bump(int crashCode) {
  if (model_.Settings.Competition) {
    On_Competition_Bump(crashCode);
  } else {
    On_Normal_Bump(crashCode);
  }
}

void Game::On_Normal_Bump(int crashCode) {
  if (!IsCrashCode(crashCode)) return;
  host_.SetTimerEnabled(GameTimer::Game, false);
  Bump_Sound();
  auto loseLife = [this](int player) {
    std::int8_t& lives = model_.Players[player].Lives;
    if (lives > 0) --lives;
  };
  auto offerIfOut = [this](int player) {
    if (model_.Players[player].Lives == 0) ReWriteHS(player);
  };

  if (crashCode < 0) {
    const auto [first, second] = kHeadOnPairs[-crashCode];
    loseLife(first);
    loseLife(second);
    host_.ShowMessage(model_.Players[first].Name + " && " + model_.Players[second].Name + " died.");
    offerIfOut(first);
    offerIfOut(second);
  } else {
    host_.ShowMessage(model_.Players[crashCode].Name + " died.");
    loseLife(crashCode);
    offerIfOut(crashCode);
  }

  int livesLeft = 0;
  const int playerCount = PlayersInGame(model_.Settings);
  for (int player = 1; player <= playerCount; ++player) livesLeft += model_.Players[player].Lives;
  if (livesLeft > 0) {
    RestartAfterDeath();
    return;
  }
  host_.ShowMessage("Game Over.");
  host_.SetTimerEnabled(GameTimer::Game, false);
  model_.TargetNumber = 0;
  ShowScreen(&ScreenView::ShowTitle, TitleScreen);
}

void Game::On_Competition_Bump(int crashCode) {
  if (!IsCrashCode(crashCode)) return;
  host_.SetTimerEnabled(GameTimer::Game, false);
  Bump_Sound();
  const int playerCount = PlayersInGame(model_.Settings);
  const auto addSurvivorPoints = [this](int player) {
    std::int32_t& roundScore = model_.Players[player].RoundScore;
    roundScore = AddPoints(roundScore, kSurvivorPoints);
  };
  if (crashCode < 0) {
    const auto [first, second] = kHeadOnPairs[-crashCode];
    model_.Players[first].RoundScore = 0;
    model_.Players[second].RoundScore = 0;
    for (int player = 1; player <= playerCount; ++player) {
      if (player != first && player != second) addSurvivorPoints(player);
    }
  } else {
    for (int player = 1; player <= playerCount; ++player) {
      if (player != crashCode && model_.Players[player].Lives > 0) addSurvivorPoints(player);
    }
    model_.Players[crashCode].RoundScore = 0;
  }
  Level_Done_Message();
  RestartAfterDeath();
}

}  // namespace coilrun
