// Keeps every game as a replay while it is played: its start, the seeds the
// rules take, each input with its beat, and a checksum of the rule state
// every 60 beats. The last game that ended, or was cut short by another
// start, stays available to be saved.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "engine/model.h"
#include "formats/replay_file.h"
#include "game/input_slot.h"

namespace coilrun {

class GameRecorder {
 public:
  explicit GameRecorder(const GameModel& model) : model_(model) {}

  // Before the model takes anything of the new game. A game still being
  // recorded is kept, cut short.
  void GameStarting(const GameStartRequest& request);
  void Seed(std::uint32_t seed);
  void Input(const GameInput& input);
  void BeatDone();
  // After each outermost input: a game that has ended is kept.
  void InputDone();
  // The program ends or a session takes the game over: a game in play is kept as it stands.
  void CutShort();

  bool recording() const { return current_.has_value(); }
  // The game in play, as recorded so far.
  const std::optional<Replay>& current() const { return current_; }
  // The last game that ended or was cut short.
  const std::optional<Replay>& lastGame() const { return last_; }
  // How many games have been kept so far.
  std::size_t gamesKept() const { return gamesKept_; }
  // Told of every game as it is kept.
  void OnGameKept(std::function<void(const Replay&)> listener) { onKept_ = std::move(listener); }
  // Set when the game's level file could not be read for the recording.
  const std::optional<std::string>& levelFileProblem() const { return levelFileProblem_; }

 private:
  void Finish(bool ended);

  const GameModel& model_;
  std::optional<Replay> current_;
  std::optional<Replay> last_;
  std::optional<std::string> levelFileProblem_;
  bool sawPlay_ = false;
  std::size_t gamesKept_ = 0;
  std::function<void(const Replay&)> onKept_;
};

}  // namespace coilrun
