// The game's ports for tests: records every request and answers input boxes
// from a script.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/clock.h"
#include "engine/sound_players.h"
#include "game/game_ports.h"
#include "game/game_timers.h"
#include "game/prompts.h"
#include "tests/support/memory_high_scores.h"

namespace coilrun::testing {

class FakeHost : public Prompts, public GameTimers, public SoundPlayers, public Clock {
 public:
  GamePorts ports() { return {*this, *this, *this, highScores, *this}; }

  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initialText) override;
  void ShowFailure(const FileError& failure) override;
  void SetTimerEnabled(GameTimer timer, bool enabled) override;
  bool TimerEnabled(GameTimer timer) const override;
  void SetTimerInterval(GameTimer timer, int milliseconds) override;
  void Stop(SoundPlayer player) override;
  void Play(SoundPlayer player) override;
  void PlayFromStart(SoundPlayer player) override;
  std::uint32_t ClockSeed() override { return seed; }

  std::vector<std::string> messages;
  // Runs while a message is shown, as the event loop of a modal box runs
  // the window's timers.
  std::function<void(const std::string&)> whileShown;
  // The failures shown, by their text.
  std::vector<std::string> failures;
  // Player commands as "stop BonusBrick", "play LevelFinished", "start TargetEaten".
  std::vector<std::string> sounds;
  // Input boxes asked, as "caption|prompt".
  std::vector<std::string> inputPrompts;
  // The game timer's state when each input box was asked.
  std::vector<bool> timerOnAtInput;
  // Answers for the next input boxes; nullopt cancels. Empty: cancel.
  std::deque<std::optional<std::string>> inputAnswers;
  bool gameTimerOn = false;
  bool reportTimerOn = false;
  int gameTimerInterval = 70;
  int reportTimerInterval = 0;
  // The game timer's state when each message was shown.
  std::vector<bool> timerOnAtMessage;
  std::uint32_t seed = 12345;
  MemoryHighScores highScores;
};

std::string SoundPlayerName(SoundPlayer player);

}  // namespace coilrun::testing
