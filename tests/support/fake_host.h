// A Host for tests: records every request and answers input boxes from a script.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "engine/host.h"
#include "tests/support/memory_high_scores.h"

namespace coilrun::testing {

class FakeHost : public Host {
 public:
  void ShowMessage(const std::string& text) override;
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initialText) override;
  void SetTimerEnabled(GameTimer timer, bool enabled) override;
  bool TimerEnabled(GameTimer timer) const override;
  void SetTimerInterval(GameTimer timer, int milliseconds) override;
  void MediaStop(MediaPlayer player) override;
  void MediaPlay(MediaPlayer player) override;
  void MediaPlayFromStart(MediaPlayer player) override;
  void ShowNewMenuItem() override { ++newMenuItemShown; }
  NewGameChoice NewGameControls() override { return newGameControls; }
  HighScoreStore& HighScores() override { return highScores; }
  std::uint32_t ClockSeed() override { return seed; }

  std::vector<std::string> messages;
  // Media commands as "stop Player04", "play Player03", "start Player01".
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
  int newMenuItemShown = 0;
  NewGameChoice newGameControls;
  MemoryHighScores highScores;
};

std::string MediaPlayerName(MediaPlayer player);

}  // namespace coilrun::testing
