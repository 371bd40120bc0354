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
  // The painter refreshes a score after a head; a preview has no report.
  class NoReport : public ReportView {
   public:
    void ShowScore(int) override {}
    void ShowLives(int) override {}
    void ShowNumber() override {}
    void ShowWrap() override {}
    void ShowSpeed() override {}
    void ClearReport() override {}
    void RepaintReport() override {}
    void ShowStateMessage(bool) override {}
    void MoveReportLines() override {}
    void ReportModeChanged(std::uint8_t) override {}
  };

  const GameModel& game_;
  GameSettings paintedSettings_;
  std::array<Color, kMaxPlayers + 1> paintedColors_{};
  GameModel model_;
  NoReport report_;
  Surfaces surfaces_;
  BoardPainter painter_;
};

}  // namespace coilrun
