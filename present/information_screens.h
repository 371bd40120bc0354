// The information screens that take the field's place between games, and
// the pause box over a paused game.
#pragma once

#include "engine/game_view.h"
#include "engine/model.h"
#include "present/board_painter.h"
#include "present/report_panel.h"
#include "present/surfaces.h"

namespace coilrun {

class InformationScreens : public ScreenView {
 public:
  InformationScreens(GameModel& model, Surfaces& surfaces, BoardPainter& board, ReportPanel& report);

  void ShowTitle() override;
  void ShowWinner() override;
  void ShowCongratulations() override;
  void ShowDisappointment() override;
  void DrawPauseBox() override;
  void ErasePauseBox() override;

 private:
  GameModel& model_;
  Surfaces& surfaces_;
  BoardPainter& board_;
  ReportPanel& report_;
};

}  // namespace coilrun
