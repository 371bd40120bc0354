// What the rules hand on to the course of a game: a crash, and the ninth
// target eaten. Both happen in the middle of a snake's step; the rules carry
// on with the step only while the snake may still act afterwards.
#pragma once

namespace coilrun {

class RuleEvents {
 public:
  virtual ~RuleEvents() = default;

  // A crash: a player 1..4 alone, or -1..-6 for a head-on pair.
  virtual void On_Bump(int crashCode) = 0;
  virtual void LevelFinished() = 0;
};

}  // namespace coilrun
