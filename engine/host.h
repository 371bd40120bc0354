// What the game needs of the world outside the rules: modal boxes, the two
// timers, the media players, the high score table and the clock. The window
// implements it; tests use a fake that records every request.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/high_scores.h"

namespace coilrun {

enum class GameTimer { Game, Report };

// The choices of the new game dialog.
struct NewGameChoice {
  int PlayerCount = 1;
  bool Competition = false;
  int WinsTarget = 5;
  bool BuiltIn = true;
  std::string LevelFile{};
};

enum class MediaPlayer { Player01 = 1, Player02, Player03, Player04, Player05, Player06, MusicPlayer };

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box with an OK button; returns when it is closed.
  virtual void ShowMessage(const std::string& text) = 0;
  // A modal one-line input box; nullopt when cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& initialText) = 0;

  virtual void SetTimerEnabled(GameTimer timer, bool enabled) = 0;
  virtual bool TimerEnabled(GameTimer timer) const = 0;
  virtual void SetTimerInterval(GameTimer timer, int milliseconds) = 0;

  virtual void MediaStop(MediaPlayer player) = 0;
  // Plays from the current position, rewinding first when at the end.
  virtual void MediaPlay(MediaPlayer player) = 0;
  virtual void MediaPlayFromStart(MediaPlayer player) = 0;

  // Makes the Game menu's New item visible again once a game has ended.
  virtual void ShowNewMenuItem() = 0;

  // What the new game dialog's controls hold now.
  virtual NewGameChoice NewGameControls() = 0;

  // Where the high score table is kept.
  virtual HighScoreStore& HighScores() = 0;

  // A fresh seed for the random generator, taken from the clock.
  virtual std::uint32_t ClockSeed() = 0;
};

}  // namespace coilrun
