#include "shell/editor/level_preview.h"

#include "game/level_writing.h"
#include "shell/editor/level_checks.h"

namespace coilrun {

LevelPreview::LevelPreview(const GameModel& game)
    : game_(game), surfaces_(game), painter_(model_, surfaces_, report_) {}

bool LevelPreview::LooksChanged() const {
  for (int player = 1; player <= kMaxPlayers; ++player) {
    if (game_.Players[player].Color != paintedColors_[player]) return true;
  }
  return game_.Settings != paintedSettings_;
}

const QImage& LevelPreview::Paint(const LevelDesign& level, int levelNumber) {
  paintedSettings_ = game_.Settings;
  for (int player = 1; player <= kMaxPlayers; ++player) paintedColors_[player] = game_.Players[player].Color;
  model_.Settings = game_.Settings;
  model_.LevelNumber = static_cast<std::int16_t>(levelNumber);
  // The loader's own writer gives every brick the content and colour it
  // will have in play.
  model_.LevelGrid = BoardGrid{};
  LevelGridWriter writer(model_);
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) {
      const DesignCell& cell = level.at(x, y);
      if (cell.Kind == 0) continue;
      writer.Place(LevelRecord{.Kind = static_cast<BrickKind>(cell.Kind), .X = x, .Y = y, .Extra = cell.Extra});
    }
  }
  painter_.ClearBoard();
  painter_.DrawBricks();
  for (const PlayerStart& start : PlayerStarts()) {
    PlayerState& snake = model_.Players[start.player];
    snake = game_.Players[start.player];
    snake.Length = kStartLength;
    snake.BodyX.fill(start.head.x - start.step);
    snake.BodyY.fill(start.head.y);
    snake.BodyX[1] = start.head.x;
    painter_.DrawWholeSnake(start.player);
  }
  return surfaces_.field();
}

}  // namespace coilrun
