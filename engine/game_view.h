// The drawing operations the rules call. The view reads the model itself;
// the arguments say only which cell or player to draw.
#pragma once

namespace coilrun {

class GameView {
 public:
  virtual ~GameView() = default;

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

  // Report panel.
  virtual void ShowScore(int player) = 0;
  virtual void ShowLives(int player) = 0;
  virtual void ShowNumber() = 0;
  virtual void ClearReport() = 0;
  virtual void RepaintReport() = 0;

  // Information screens.
  virtual void ShowTitle() = 0;
  virtual void ShowWinner() = 0;
  virtual void DrawPauseBox() = 0;
  virtual void ErasePauseBox() = 0;
};

}  // namespace coilrun
