// The nine numbered targets of a level: growth, score and placement.
#pragma once

#include <random>

#include "engine/clock.h"
#include "engine/game_view.h"
#include "engine/model.h"
#include "engine/rule_events.h"

namespace coilrun {

class Targets {
 public:
  Targets(GameModel& model, BoardView& board, ReportView& report, Clock& clock, RuleEvents& events)
      : model_(model), board_(board), report_(report), clock_(clock), events_(events) {}

  // A player 1..4 has eaten the target, or kNoPlayer asks for the first
  // target of a level. The ninth finishes the level; any other one makes the
  // eater longer and places the next.
  void NewNumber(int player);

 private:
  void NumberIncScore(int player);
  // A number 0..bound-1 from the generator.
  int Below(int bound);

  GameModel& model_;
  BoardView& board_;
  ReportView& report_;
  Clock& clock_;
  RuleEvents& events_;
  std::mt19937 random_;
};

// True when no brick and no body entry up to Length + 1 stands on the
// target's cell.
bool TargetCellFree(const GameModel& model);

}  // namespace coilrun
