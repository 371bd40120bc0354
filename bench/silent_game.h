// A view that draws nothing and a host that never waits, for timing the rules.
#pragma once

#include <optional>
#include <string>

#include "engine/game_view.h"
#include "engine/host.h"

namespace coilrun {

class SilentView : public BoardView, public ReportView, public ScreenView {
 public:
  GameView views() { return {*this, *this, *this}; }

  void Draw_Brick_1(int, int) override {}
  void Draw_Brick_2(int, int) override {}
  void Draw_Brick_3(int, int) override {}
  void Draw_Brick_4(int, int) override {}
  void Draw_Brick_5(int, int) override {}
  void Draw_Brick_10(int, int) override {}
  void Draw_Brick_11(int, int) override {}
  void DrawBricks() override {}
  void ClearBrick(int, int) override {}
  void ClearBoard() override {}
  void DrawNumber() override {}
  void DrawSnake(int) override {}
  void DrawWholeSnake(int) override {}
  void ShowScore(int) override {}
  void ShowLives(int) override {}
  void ShowNumber() override {}
  void ShowWrap() override {}
  void ShowSpeed() override {}
  void ClearReport() override {}
  void RepaintReport() override {}
  void ReportTimerTimer() override {}
  void ShowTitle() override {}
  void ShowWinner() override {}
  void ShowCongratulations() override {}
  void ShowDisappointment() override {}
  void DrawPauseBox() override {}
  void ErasePauseBox() override {}
};

// Keeps no table: reads an empty one and forgets what is written.
class NoHighScores : public HighScoreStore {
 public:
  HighScoreTable ReadHighScores() override { return {}; }
  void WriteHighScores(const HighScoreTable&) override {}
  bool DeleteHighScores() override { return false; }
};

class IdleHost : public Host {
 public:
  void ShowMessage(const std::string&) override {}
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void SetTimerEnabled(GameTimer, bool) override {}
  bool TimerEnabled(GameTimer) const override { return true; }
  void SetTimerInterval(GameTimer, int) override {}
  void MediaStop(MediaPlayer) override {}
  void MediaPlay(MediaPlayer) override {}
  void MediaPlayFromStart(MediaPlayer) override {}
  void ShowNewMenuItem() override {}
  NewGameChoice NewGameControls() override { return {}; }
  HighScoreStore& HighScores() override { return highScores_; }
  std::uint32_t ClockSeed() override { return 1; }

 private:
  NoHighScores highScores_;
};

}  // namespace coilrun
