// A view for tests: records every drawing call of all three slices, in the
// order the rules made them, as text, e.g. "ClearBrick 8 1".
#pragma once

#include <string>
#include <vector>

#include "engine/game_view.h"
#include "engine/model.h"

namespace coilrun::testing {

class RecordingView : public BoardView, public ReportView, public ScreenView {
 public:
  // The model tells which page ShowPage shows.
  explicit RecordingView(const GameModel& model) : model_(model) {}

  GameView views() { return {*this, *this, *this}; }

  void DrawNormalBrick(int x, int y) override { Record("DrawNormalBrick", x, y); }
  void DrawDoorBrick(int x, int y) override { Record("DrawDoorBrick", x, y); }
  void DrawInOutBrick(int x, int y) override { Record("DrawInOutBrick", x, y); }
  void DrawReboundBrick(int x, int y) override { Record("DrawReboundBrick", x, y); }
  void DrawCharacterBrick(int x, int y) override { Record("DrawCharacterBrick", x, y); }
  void DrawScoreBrick(int x, int y) override { Record("DrawScoreBrick", x, y); }
  void DrawLifeBrick(int x, int y) override { Record("DrawLifeBrick", x, y); }
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
  void ShowStateMessage(bool entering) override { Record("ShowStateMessage", entering); }
  void MoveReportLines() override { calls.push_back("MoveReportLines"); }
  void ReportModeChanged(std::uint8_t previousMode) override { Record("ReportModeChanged", previousMode); }
  // Pages are recorded by the screen they show, as "ShowTitle".
  void ShowPage(bool /*entering*/) override { calls.push_back(PageCall()); }
  void DrawPauseBox() override { calls.push_back("DrawPauseBox"); }
  void ErasePauseBox() override { calls.push_back("ErasePauseBox"); }
  void RepaintBoard() override { calls.push_back("RepaintBoard"); }
  void RedrawHighScoresAfterReset() override { calls.push_back("RedrawHighScoresAfterReset"); }

  bool Called(const std::string& call) const;

  std::vector<std::string> calls;

 private:
  const GameModel& model_;

  std::string PageCall() const;
  void Record(const char* name, int a) { calls.push_back(std::string(name) + " " + std::to_string(a)); }
  void Record(const char* name, int a, int b) {
    calls.push_back(std::string(name) + " " + std::to_string(a) + " " + std::to_string(b));
  }
};

}  // namespace coilrun::testing
