// A view that draws nothing and ports that never wait, for timing the rules.
#pragma once

#include <optional>
#include <string>

#include "engine/game_view.h"
#include "game/game_ports.h"

namespace coilrun {

class SilentView : public BoardView, public SilentReport, public ScreenView {
 public:
  GameView views() { return {*this, *this, *this}; }

  void DrawNormalBrick(int, int) override {}
  void DrawDoorBrick(int, int) override {}
  void DrawInOutBrick(int, int) override {}
  void DrawReboundBrick(int, int) override {}
  void DrawCharacterBrick(int, int) override {}
  void DrawScoreBrick(int, int) override {}
  void DrawLifeBrick(int, int) override {}
  void DrawBricks() override {}
  void ClearBrick(int, int) override {}
  void ClearBoard() override {}
  void DrawNumber() override {}
  void DrawSnake(int) override {}
  void DrawWholeSnake(int) override {}
  void ShowPage(bool) override {}
  void DrawPauseBox() override {}
  void ErasePauseBox() override {}
  void RepaintBoard() override {}
  void RedrawHighScoresAfterReset() override {}
};

// Keeps no table: reads an empty one and forgets what is written.
class NoHighScores : public HighScoreStore {
 public:
  HighScoreTable ReadHighScores() override { return {}; }
  void WriteHighScores(const HighScoreTable&) override {}
  bool DeleteHighScores() override { return false; }
};

class IdleHost : public Prompts, public GameTimers, public SoundPlayers, public Clock {
 public:
  GamePorts ports() { return {*this, *this, *this, highScores_, *this}; }

  void ShowMessage(const std::string&) override {}
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void ShowFailure(const FileError&) override {}
  void SetTimerEnabled(GameTimer, bool) override {}
  bool TimerEnabled(GameTimer) const override { return true; }
  void SetTimerInterval(GameTimer, int) override {}
  void Stop(SoundPlayer) override {}
  void Play(SoundPlayer) override {}
  void PlayFromStart(SoundPlayer) override {}
  std::uint32_t ClockSeed() override { return 1; }

 private:
  NoHighScores highScores_;
};

}  // namespace coilrun
