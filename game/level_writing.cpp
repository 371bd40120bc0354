#include "game/level_writing.h"

#include <algorithm>

#include "engine/brick_colors.h"

namespace coilrun {

namespace {

// A normal brick of the new level must not inherit the colour of a snake
// that laid a brick on the same cell in an earlier level.
void SetNormalBrickColor(GameModel& model, int x, int y) {
  BoardCell& cell = model.LevelGrid.at(x, y);
  if (cell.Extra[0] == SnakeBrickMark) cell.Extra[0] = 0;
  cell.Content = static_cast<std::int32_t>(BrickColorAt(model, x, y));
}

}  // namespace

void LevelGridWriter::Place(const LevelRecord& record) {
  BoardCell& cell = model_.LevelGrid.at(record.X, record.Y);
  cell.Occupied = 1;
  if (record.Kind == NormalBrick) {
    SetNormalBrickColor(model_, record.X, record.Y);
    return;
  }
  cell.Content = -record.Kind;
  std::copy_n(record.Extra.begin(), ExtraCountOf(record.Kind), cell.Extra.begin());
}

void WriteGridLevel(GameModel& model, std::span<const std::uint8_t, kGridLevelBytes> bytes) {
  for (std::size_t k = 0; k < bytes.size(); ++k) {
    const int x = GridColumnOf(k);
    const int y = GridRowOf(k);
    model.LevelGrid.at(x, y).Occupied = bytes[k];
    if (bytes[k] != 0) {
      SetNormalBrickColor(model, x, y);
    } else {
      model.LevelGrid.at(x, y).Content = static_cast<std::int32_t>(BrickColorAt(model, x, y));
    }
  }
}

}  // namespace coilrun
