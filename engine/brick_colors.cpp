#include "engine/brick_colors.h"

namespace coilrun {

Color BrickColorAt(const GameModel& model, int x, int y) { return BrickColorOnLevel(model, model.LevelNumber, x, y); }

Color BrickColorOnLevel(const GameModel& model, int levelNumber, int x, int y) {
  const BoardCell& cell = model.LevelGrid.at(x, y);
  if (cell.Extra[0] == SnakeBrickMark) return static_cast<Color>(cell.Content);
  if (!model.Settings.MixBricksColors) return model.Settings.BrickColors[0];
  // The C++ remainder keeps the sign of the level number; a level number is
  // never negative, but the pattern must stay one of the four all the same.
  switch (((levelNumber % 4) + 4) % 4) {
    case 0: return RgbColor(5 * x, 17 * (y % 10), 255);
    case 1: return RgbColor(255 - 5 * x, 0, 5 * x);
    case 2: return RgbColor(255 - 5 * y, 17 * (x % 10), 5 * x);
    default: return RgbColor(5 * x, 0, 6 * y);
  }
}

}  // namespace coilrun
