// The report panel below the field: the game's values during play, the
// information screens' message pairs otherwise.
#pragma once

#include "engine/game_view.h"
#include "engine/host.h"
#include "engine/model.h"
#include "present/surfaces.h"

namespace coilrun {

class ReportPanel : public ReportView {
 public:
  ReportPanel(const GameModel& model, Surfaces& surfaces, Host& host);

  void ShowScore(int player) override;
  void ShowLives(int player) override;
  void ShowNumber() override;
  void ShowWrap() override;
  void ShowSpeed() override;
  void ClearReport() override;
  void RepaintReport() override;
  void ReportTimerTimer() override;

 private:
  const GameModel& model_;
  Surfaces& surfaces_;
  Host& host_;
};

}  // namespace coilrun
