// A view for tests: records every drawing call of all three slices, in the
// order the rules made them, as text, e.g. "ClearBrick 8 1".
#pragma once

#include <string>
#include <vector>

#include "engine/game_view.h"

namespace coilrun::testing {

class RecordingView : public BoardView, public ReportView, public ScreenView {
 public:
  GameView views() { return {*this, *this, *this}; }

  void Draw_Brick_1(int x, int y) override { Record("Draw_Brick_1", x, y); }
  void Draw_Brick_2(int x, int y) override { Record("Draw_Brick_2", x, y); }
  void Draw_Brick_3(int x, int y) override { Record("Draw_Brick_3", x, y); }
  void Draw_Brick_4(int x, int y) override { Record("Draw_Brick_4", x, y); }
  void Draw_Brick_5(int x, int y) override { Record("Draw_Brick_5", x, y); }
  void Draw_Brick_10(int x, int y) override { Record("Draw_Brick_10", x, y); }
  void Draw_Brick_11(int x, int y) override { Record("Draw_Brick_11", x, y); }
  void DrawBricks() override { calls.push_back("DrawBricks"); }
  void ClearBrick(int x, int y) override { Record("ClearBrick", x, y); }
  void ClearBoard() override { calls.push_back("ClearBoard"); }
  void DrawNumber() override { calls.push_back("DrawNumber"); }
  void DrawSnake(int player) override { Record("DrawSnake", player); }
  void DrawWholeSnake(int player) override { Record("DrawWholeSnake", player); }
  void ShowScore(int player) override { Record("ShowScore", player); }
  void ShowLives(int player) override { Record("ShowLives", player); }
  void ShowNumber() override { calls.push_back("ShowNumber"); }
  void ShowWrap() override { calls.push_back("ShowWrap"); }
  void ShowSpeed() override { calls.push_back("ShowSpeed"); }
  void ClearReport() override { calls.push_back("ClearReport"); }
  void RepaintReport() override { calls.push_back("RepaintReport"); }
  void ReportTimerTimer() override { calls.push_back("ReportTimerTimer"); }
  void ShowTitle() override { calls.push_back("ShowTitle"); }
  void ShowWinner() override { calls.push_back("ShowWinner"); }
  void ShowCongratulations() override { calls.push_back("ShowCongratulations"); }
  void ShowDisappointment() override { calls.push_back("ShowDisappointment"); }
  void DrawPauseBox() override { calls.push_back("DrawPauseBox"); }
  void ErasePauseBox() override { calls.push_back("ErasePauseBox"); }

  bool Called(const std::string& call) const;

  std::vector<std::string> calls;

 private:
  void Record(const char* name, int a) { calls.push_back(std::string(name) + " " + std::to_string(a)); }
  void Record(const char* name, int a, int b) {
    calls.push_back(std::string(name) + " " + std::to_string(a) + " " + std::to_string(b));
  }
};

}  // namespace coilrun::testing
