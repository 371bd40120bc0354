// A whole game with nothing to show it: the fake host's ports behind the
// session switch, a view that draws nothing, and the recorder plugged in,
// as the window builds it. The model lives on the heap: it is large.
#pragma once

#include <memory>

#include "bench/silent_game.h"
#include "game/game.h"
#include "game/game_sessions.h"
#include "tests/support/fake_host.h"

namespace coilrun::testing {

struct HeadlessGame {
  HeadlessGame() {
    sessions.Plug(parts);
    game.CopyBuiltInLevels();
  }
  HeadlessGame(const HeadlessGame&) = delete;
  HeadlessGame& operator=(const HeadlessGame&) = delete;

  std::unique_ptr<GameModel> modelHolder = std::make_unique<GameModel>();
  GameModel& model = *modelHolder;
  FakeHost host;
  SilentView view;
  GameSessions sessions{model, host.ports()};
  GameParts parts{model, view.views(), sessions.ports()};
  Game game{parts};
};

}  // namespace coilrun::testing
