// The ports a game reaches the outside through, with a switch: normally each
// passes straight on to the window's own, and while a replay or a network
// game runs, the session puts its own in front of some of them (its clock,
// its beat, a score table that takes nothing). The seeds the rules take are
// reported as they pass, so that a recording can keep them.
#pragma once

#include <cstdint>
#include <functional>

#include "game/game_ports.h"

namespace coilrun {

// A session's own ports; a null one leaves the window's in place.
struct PortOverrides {
  Prompts* prompts = nullptr;
  GameTimers* timers = nullptr;
  SoundPlayers* sounds = nullptr;
  HighScoreStore* highScores = nullptr;
  Clock* clock = nullptr;
};

class SessionPorts : public Prompts, public GameTimers, public SoundPlayers, public HighScoreStore, public Clock {
 public:
  explicit SessionPorts(GamePorts live) : live_(live) {}
  SessionPorts(const SessionPorts&) = delete;
  SessionPorts& operator=(const SessionPorts&) = delete;

  GamePorts ports() { return {*this, *this, *this, *this, *this}; }
  const GamePorts& live() const { return live_; }

  void Override(const PortOverrides& overrides) { overrides_ = overrides; }
  void ClearOverrides() { overrides_ = {}; }
  void OnSeed(std::function<void(std::uint32_t)> listener) { seedListener_ = std::move(listener); }

  void ShowMessage(const std::string& text) override { prompts().ShowMessage(text); }
  std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& initialText) override {
    return prompts().InputBox(caption, prompt, initialText);
  }
  void ShowFailure(const FileError& failure) override { prompts().ShowFailure(failure); }
  // The report timer belongs to the window whatever runs the game.
  void SetTimerEnabled(GameTimer timer, bool enabled) override { timers(timer).SetTimerEnabled(timer, enabled); }
  bool TimerEnabled(GameTimer timer) const override {
    return overrides_.timers && timer == GameTimer::Game ? overrides_.timers->TimerEnabled(timer)
                                                         : live_.timers.TimerEnabled(timer);
  }
  void SetTimerInterval(GameTimer timer, int milliseconds) override {
    timers(timer).SetTimerInterval(timer, milliseconds);
  }
  void Stop(SoundPlayer player) override { sounds().Stop(player); }
  void Play(SoundPlayer player) override { sounds().Play(player); }
  void PlayFromStart(SoundPlayer player) override { sounds().PlayFromStart(player); }
  HighScoreTable ReadHighScores() override { return highScores().ReadHighScores(); }
  void WriteHighScores(const HighScoreTable& table) override { highScores().WriteHighScores(table); }
  bool DeleteHighScores() override { return highScores().DeleteHighScores(); }
  std::uint32_t ClockSeed() override {
    const std::uint32_t seed = overrides_.clock ? overrides_.clock->ClockSeed() : live_.clock.ClockSeed();
    if (seedListener_) seedListener_(seed);
    return seed;
  }

 private:
  Prompts& prompts() { return overrides_.prompts ? *overrides_.prompts : live_.prompts; }
  GameTimers& timers(GameTimer timer) {
    return overrides_.timers && timer == GameTimer::Game ? *overrides_.timers : live_.timers;
  }
  SoundPlayers& sounds() { return overrides_.sounds ? *overrides_.sounds : live_.sounds; }
  HighScoreStore& highScores() { return overrides_.highScores ? *overrides_.highScores : live_.highScores; }

  GamePorts live_;
  PortOverrides overrides_;
  std::function<void(std::uint32_t)> seedListener_;
};

// A score table that takes no score: a replayed or networked game's scores
// are not this keyboard's to enter.
class SealedHighScores : public HighScoreStore {
 public:
  HighScoreTable ReadHighScores() override;
  void WriteHighScores(const HighScoreTable&) override {}
  bool DeleteHighScores() override { return false; }
};

// The game timer as a switch alone: a session ticks the beats itself.
class SessionBeat : public GameTimers {
 public:
  void SetTimerEnabled(GameTimer, bool enabled) override { on_ = enabled; }
  bool TimerEnabled(GameTimer) const override { return on_; }
  void SetTimerInterval(GameTimer, int milliseconds) override { interval_ = milliseconds; }
  int interval() const { return interval_; }

 private:
  bool on_ = false;
  int interval_ = 0;
};

}  // namespace coilrun
