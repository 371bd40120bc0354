// A level drawn by the game's own board painter, in the player's colours
// and looks, with the four snakes on their start cells: the field as it
// will look when the level starts.
#pragma once

#include <QImage>
#include <array>

#include "engine/game_view.h"
#include "engine/model.h"
#include "formats/level_design.h"
#include "present/board_painter.h"
#include "present/surfaces.h"

namespace coilrun {

class LevelPreview {
 public:
  // Reads the player's settings and colours from `game` at every Paint, so
  // that a change in the options shows at the next one.
  explicit LevelPreview(const GameModel& game);

  // `levelNumber` as the game numbers it (101 for the first level of a
  // file): mixed brick colours depend on it.
  const QImage& Paint(const LevelDesign& level, int levelNumber);
  // The player changed colours or looks since the last Paint.
  bool LooksChanged() const;

 private:
  const GameModel& game_;
  GameSettings paintedSettings_;
  std::array<Color, kMaxPlayers + 1> paintedColors_{};
  GameModel model_;
  SilentReport report_;  // the painter refreshes scores; a preview has none
  Surfaces surfaces_;
  BoardPainter painter_;
};

}  // namespace coilrun
