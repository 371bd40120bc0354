// What every game runs through besides its parts: the switchable ports, the
// recorder that keeps each game as a replay, and the tap that routes the
// inputs. The window builds the game's parts on ports() and plugs the tap
// into them; replays and network games then take the game over through it.
#pragma once

#include "engine/model.h"
#include "game/game_parts.h"
#include "game/game_recorder.h"
#include "game/input_router.h"
#include "game/session_ports.h"

namespace coilrun {

class GameSessions {
 public:
  GameSessions(const GameModel& model, GamePorts live) : ports_(live), recorder_(model), router_(recorder_) {
    ports_.OnSeed([this](std::uint32_t seed) {
      if (router_.recordingOn()) recorder_.Seed(seed);
    });
  }
  GameSessions(const GameSessions&) = delete;
  GameSessions& operator=(const GameSessions&) = delete;

  GamePorts ports() { return ports_.ports(); }
  void Plug(GameParts& parts) { parts.inputs.Plug(&router_); }

  SessionPorts& sessionPorts() { return ports_; }
  GameRecorder& recorder() { return recorder_; }
  InputRouter& router() { return router_; }

 private:
  SessionPorts ports_;
  GameRecorder recorder_;
  InputRouter router_;
};

}  // namespace coilrun
