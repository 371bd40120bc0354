// The drawing operations the rules call, in three slices: the field, the
// report panel below it, and the information screens that take the field's
// place between games. The views read the model themselves and never write
// it; the arguments say only which cell or player to draw, or what changed.
#pragma once

#include <cstdint>

namespace coilrun {

class BoardView {
 public:
  virtual ~BoardView() = default;

  virtual void DrawNormalBrick(int x, int y) = 0;
  virtual void DrawDoorBrick(int x, int y) = 0;
  virtual void DrawInOutBrick(int x, int y) = 0;
  virtual void DrawReboundBrick(int x, int y) = 0;
  virtual void DrawCharacterBrick(int x, int y) = 0;
  virtual void DrawScoreBrick(int x, int y) = 0;
  virtual void DrawLifeBrick(int x, int y) = 0;
  virtual void DrawBricks() = 0;
  virtual void ClearBrick(int x, int y) = 0;
  virtual void ClearBoard() = 0;
  virtual void DrawNumber() = 0;
  // Paints the head and refreshes the player's score in the report panel.
  virtual void DrawSnake(int player) = 0;
  virtual void DrawWholeSnake(int player) = 0;
};

class ReportView {
 public:
  virtual ~ReportView() = default;

  virtual void ShowScore(int player) = 0;
  virtual void ShowLives(int player) = 0;
  virtual void ShowNumber() = 0;
  virtual void ShowWrap() = 0;
  virtual void ShowSpeed() = 0;
  virtual void ClearReport() = 0;
  virtual void RepaintReport() = 0;
  // The message pair of the information screen in ScreenState; `entering`
  // when that screen has just replaced another, which moves on to its next
  // pair and starts moving lines from the left.
  virtual void ShowStateMessage(bool entering) = 0;
  // One tick of the report timer in moving mode: the lines move on.
  virtual void MoveReportLines() = 0;
  // ReportMode changed from `previousMode` while an information screen shows.
  virtual void ReportModeChanged(std::uint8_t previousMode) = 0;
};

// A report that shows nothing, for what draws the board alone: a level's
// preview, a timing or a test that hears only some of the report.
class SilentReport : public ReportView {
 public:
  void ShowScore(int) override {}
  void ShowLives(int) override {}
  void ShowNumber() override {}
  void ShowWrap() override {}
  void ShowSpeed() override {}
  void ClearReport() override {}
  void RepaintReport() override {}
  void ShowStateMessage(bool) override {}
  void MoveReportLines() override {}
  void ReportModeChanged(std::uint8_t) override {}
};

class ScreenView {
 public:
  virtual ~ScreenView() = default;

  // The page of the information screen in ScreenState; `entering` when it
  // has just replaced the game or another page, which clears the field first.
  virtual void ShowPage(bool entering) = 0;
  virtual void DrawPauseBox() = 0;
  // Redraws the game and its report, which takes the box away.
  virtual void ErasePauseBox() = 0;
  // The whole field for the current ScreenState, from the bare field up, as
  // the window's repaint draws it.
  virtual void RepaintBoard() = 0;
  // The high score page's rows drawn again after the table was reset.
  virtual void RedrawHighScoresAfterReset() = 0;
};

// The three slices the game draws through.
struct GameView {
  BoardView& board;
  ReportView& report;
  ScreenView& screens;
};

}  // namespace coilrun
