// Plays a recorded game on the game itself: the same start from the same
// rule state, the recorded seeds for the targets, and every input before its
// beat. The window (or a test) ticks the beats; each checksum in the replay
// is compared as its beat passes, and a game that goes another way stops
// with a message. Scores are not offered to the table, and the player's
// settings come back when the replay is over.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "formats/replay_file.h"
#include "game/game.h"
#include "game/input_router.h"
#include "game/session_ports.h"
#include "game/settings_keeper.h"

namespace coilrun {

class ReplayPlayer : public InputDriver, private Prompts, private Clock {
 public:
  enum class State { Idle, Playing, Ended, Failed };

  // `messages` shows the game's messages during the replay; the level file
  // of a replay is written to `levelFilePath` for the game to read.
  ReplayPlayer(Game& game, GameParts& parts, SessionPorts& ports, InputRouter& router, Prompts& messages,
               std::filesystem::path levelFilePath);
  // A replay still playing is stopped by its owner (StopWatching) while the
  // game is still there; going away, the player touches nothing.
  ~ReplayPlayer() override = default;
  ReplayPlayer(const ReplayPlayer&) = delete;
  ReplayPlayer& operator=(const ReplayPlayer&) = delete;

  // Starts the game of the replay; false when it cannot, with failure() set.
  bool Start(Replay replay);
  // One beat, with the inputs that came before it. At the end of the
  // replay, or when it goes another way, the player's game is back.
  State Step();
  // The viewer stops watching: the replayed game is stopped where it is.
  void StopWatching();

  State state() const { return state_; }
  const std::string& failure() const { return failure_; }
  std::uint32_t beat() const { return beat_; }
  std::uint32_t beats() const { return replay_.beats; }
  // The beat interval the replayed game asks for, in milliseconds.
  int interval() const { return beatSwitch_.interval(); }
  bool paused() const { return paused_; }
  void SetPaused(bool paused) { paused_ = paused; }
  int speedFactor() const { return speedFactor_; }
  void SetSpeedFactor(int factor) { speedFactor_ = factor; }
  // Called when the state changes (the window follows it).
  void OnChange(std::function<void()> listener) { onChange_ = std::move(listener); }

  bool TakeLiveInput(const GameInput& input) override;
  bool TakeLiveCommand(GameCommand command) override;

 private:
  void ShowMessage(const std::string& text) override { messages_.ShowMessage(text); }
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initialText) override;
  void ShowFailure(const FileError& failure) override { messages_.ShowFailure(failure); }
  std::uint32_t ClockSeed() override;

  void ApplyInputsBefore(std::uint32_t beat);
  void Apply(const GameInput& input);
  void Fail(const std::string& why);
  void Finish(State state);

  Game& game_;
  GameParts& parts_;
  SessionPorts& ports_;
  InputRouter& router_;
  Prompts& messages_;
  std::filesystem::path levelFilePath_;
  SessionBeat beatSwitch_;
  SealedHighScores sealed_;
  SettingsKeeper keeper_;
  Replay replay_;
  State state_ = State::Idle;
  std::string failure_;
  std::uint32_t beat_ = 0;
  std::size_t nextEvent_ = 0;
  std::size_t nextSeed_ = 0;
  bool seedsRanOut_ = false;
  bool recordingWas_ = true;
  bool paused_ = false;
  int speedFactor_ = 1;
  std::optional<std::string> inputAnswer_;
  std::function<void()> onChange_;
};

}  // namespace coilrun
