// The rules over the model, wired together: the beat and the steering, the
// collisions and brick effects, the targets and the sounds they ask for.
// What a crash or a finished level leads to is the course's (RuleEvents).
#pragma once

#include "engine/clock.h"
#include "engine/collisions.h"
#include "engine/game_view.h"
#include "engine/model.h"
#include "engine/movement.h"
#include "engine/rule_events.h"
#include "engine/sound_players.h"
#include "engine/sound_requests.h"
#include "engine/targets.h"

namespace coilrun {

class Rules {
 public:
  Rules(GameModel& model, GameView view, SoundPlayers& players, Clock& clock, RuleEvents& events)
      : sounds_(model, players),
        targets_(model, view.board, view.report, clock, events),
        collisions_(model, view.board, view.report, sounds_, targets_, events),
        movement_(model, view.board, collisions_) {}
  Rules(const Rules&) = delete;
  Rules& operator=(const Rules&) = delete;

  // One beat of the game timer.
  void TimerTimer() { movement_.TimerTimer(); }
  void RotateSnake(int key) { movement_.RotateSnake(key); }
  // The first target of a level, eaten by nobody.
  void PlaceFirstTarget() { targets_.NewNumber(kNoPlayer); }
  // A target eaten by player 1..4, as a head reaching it eats it.
  void EatTarget(int player) { targets_.NewNumber(player); }
  void Bump_Sound() { sounds_.Bump_Sound(); }

 private:
  SoundRequests sounds_;
  Targets targets_;
  Collisions collisions_;
  Movement movement_;
};

}  // namespace coilrun
