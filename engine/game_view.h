// The drawing operations the rules call, in three slices: the field, the
// report panel below it, and the information screens that take the field's
// place between games. The views read the model themselves; the arguments
// say only which cell or player to draw.
#pragma once

namespace coilrun {

class BoardView {
 public:
  virtual ~BoardView() = default;

  virtual void Draw_Brick_1(int x, int y) = 0;
  virtual void Draw_Brick_2(int x, int y) = 0;
  virtual void Draw_Brick_3(int x, int y) = 0;
  virtual void Draw_Brick_4(int x, int y) = 0;
  virtual void Draw_Brick_5(int x, int y) = 0;
  virtual void Draw_Brick_10(int x, int y) = 0;
  virtual void Draw_Brick_11(int x, int y) = 0;
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
  // One tick of the report timer: moves the message lines in moving mode.
  virtual void ReportTimerTimer() = 0;
};

class ScreenView {
 public:
  virtual ~ScreenView() = default;

  virtual void ShowTitle() = 0;
  virtual void ShowWinner() = 0;
  virtual void ShowCongratulations() = 0;
  virtual void ShowDisappointment() = 0;
  virtual void DrawPauseBox() = 0;
  virtual void ErasePauseBox() = 0;
};

// The three slices the game draws through.
struct GameView {
  BoardView& board;
  ReportView& report;
  ScreenView& screens;
};

}  // namespace coilrun
