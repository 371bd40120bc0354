// Collisions of a head after its move, and the effects of the special
// bricks it enters. A crash is handed on to the course of the game.
#pragma once

#include "engine/game_view.h"
#include "engine/model.h"
#include "engine/rule_events.h"
#include "engine/sound_requests.h"
#include "engine/targets.h"

namespace coilrun {

class Collisions {
 public:
  Collisions(GameModel& model, BoardView& board, ReportView& report, SoundRequests& sounds, Targets& targets,
             RuleEvents& events)
      : model_(model), board_(board), report_(report), sounds_(sounds), targets_(targets), events_(events) {}

  void BumpCheck(int player);

 private:
  void BumpDoorBrick(int x, int y, int player);
  void BumpInOutBrick(int x, int y, int player);
  // True when the push was blocked and the pusher crashed.
  bool BumpReboundBrick(int x, int y, int player);
  void BumpScoreBrick(int x, int y, int player);
  void BumpLifeBrick(int x, int y, int player);

  GameModel& model_;
  BoardView& board_;
  ReportView& report_;
  SoundRequests& sounds_;
  Targets& targets_;
  RuleEvents& events_;
};

}  // namespace coilrun
