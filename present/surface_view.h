// The view of the game on the window's two surfaces, the field (500 x 300)
// and the report panel (502 x 38). Every operation paints at once from the
// model; the window only copies the surfaces to the screen, so covering and
// uncovering it loses nothing.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>

#include "engine/game_view.h"
#include "engine/model.h"
#include "present/shape_stamps.h"

namespace coilrun {

constexpr int kFieldWidth = kFieldColumns * kCellPixels;
constexpr int kFieldHeight = kFieldRows * kCellPixels;
constexpr int kReportWidth = 502;
constexpr int kReportHeight = 38;

enum class Surface { Field, Report };

class SurfaceView : public GameView {
 public:
  // Told, after each drawing operation, which pixels of which surface changed.
  using ChangeListener = std::function<void(Surface, const QRect&)>;

  // The surfaces start in the model's current background colours.
  explicit SurfaceView(const GameModel& model);

  const QImage& field() const { return field_; }
  const QImage& report() const { return report_; }
  void setChangeListener(ChangeListener listener) { changeListener_ = std::move(listener); }

  // Board drawing (board_drawing.cpp).
  void Draw_Brick_1(int x, int y) override;
  void Draw_Brick_2(int x, int y) override;
  void Draw_Brick_3(int x, int y) override;
  void Draw_Brick_4(int x, int y) override;
  void Draw_Brick_5(int x, int y) override;
  void Draw_Brick_10(int x, int y) override;
  void Draw_Brick_11(int x, int y) override;
  void DrawBricks() override;
  void ClearBrick(int x, int y) override;
  void ClearBoard() override;
  void DrawNumber() override;
  void DrawSnake(int player) override;
  void DrawWholeSnake(int player) override;

  // Report panel (report_panel.cpp).
  void ShowScore(int player) override;
  void ShowLives(int player) override;
  void ShowNumber() override;
  void ClearReport() override;
  void RepaintReport() override;

  // Information screens (screens.cpp).
  void ShowTitle() override;
  void ShowWinner() override;
  void DrawPauseBox() override;
  void ErasePauseBox() override;

 private:
  // One painter on the field for the outermost drawing operation: nested
  // operations (DrawBricks, a rebound brick's erase) share it, and the
  // listener hears once, when the outermost one is done.
  class FieldPainting {
   public:
    explicit FieldPainting(SurfaceView& view);
    ~FieldPainting();
    FieldPainting(const FieldPainting&) = delete;
    FieldPainting& operator=(const FieldPainting&) = delete;

    QPainter& painter() { return view_.fieldPainter_; }
    void changed(const QRect& pixels) { view_.fieldChanged_ |= pixels; }

   private:
    SurfaceView& view_;
  };

  void PaintRoundCell(int x, int y, Color fill, int cornerEllipse);
  void PaintSegment(FieldPainting& painting, int player, int entry);

  const GameModel& model_;
  QImage field_;
  QImage report_;
  QFont characterFont_;
  QFont numberFont_;
  ShapeStamps stamps_;
  QPainter fieldPainter_;
  int fieldPaintingDepth_ = 0;
  QRect fieldChanged_;
  ChangeListener changeListener_;
};

}  // namespace coilrun
