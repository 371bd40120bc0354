// Bricks, snakes and the numbered target on the field.
#pragma once

#include <QFont>

#include "engine/game_view.h"
#include "engine/model.h"
#include "present/shape_stamps.h"
#include "present/surfaces.h"
#include "present/text_painting.h"

namespace coilrun {

class BoardPainter : public BoardView {
 public:
  // The report is told the score after every head DrawSnake paints.
  BoardPainter(const GameModel& model, Surfaces& surfaces, ReportView& report);

  void DrawNormalBrick(int x, int y) override;
  void DrawDoorBrick(int x, int y) override;
  void DrawInOutBrick(int x, int y) override;
  void DrawReboundBrick(int x, int y) override;
  void DrawCharacterBrick(int x, int y) override;
  void DrawScoreBrick(int x, int y) override;
  void DrawLifeBrick(int x, int y) override;
  void DrawBricks() override;
  void ClearBrick(int x, int y) override;
  void ClearBoard() override;
  void DrawNumber() override;
  void DrawSnake(int player) override;
  void DrawWholeSnake(int player) override;

  // A character brick showing `code` at (x, y), whatever the grid holds there.
  void DrawCharacterBrickShowing(int x, int y, std::uint8_t code);

 private:
  void PaintRoundCell(int x, int y, Color fill, int cornerEllipse);
  void PaintSegment(Surfaces::Painting& painting, int player, int entry);

  const GameModel& model_;
  Surfaces& surfaces_;
  ReportView& report_;
  FittedFont characterFont_;
  FittedFont numberFont_;
  ShapeStamps stamps_;
};

}  // namespace coilrun
