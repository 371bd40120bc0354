// Bricks, snakes and the numbered target on the field.
#include "present/board_painter.h"

#include <algorithm>

#include "engine/brick_colors.h"
#include "engine/brick_kinds.h"
#include "present/cell_looks.h"
#include "present/text_painting.h"

namespace coilrun {

namespace {

// Entries of BrickColors; entry 0 belongs to the normal bricks.
constexpr int kDoorColor = 1;
constexpr int kInOutColor = 2;
constexpr int kReboundColor = 3;
constexpr int kScoreColor = 4;
constexpr int kLifeColor = 5;

// Corner ellipses of the round looks; the disc is all corner.
constexpr int kDisc = kCellPixels;
constexpr int kRoundedCorner = 6;
constexpr int kTargetCorner = 2;
// The text cell of a brick's character or a target's number starts two
// pixels into the cell.
constexpr int kTextIndent = 2;

constexpr int kCharacterCellHeight = 11;
constexpr int kNumberCellHeight = 10;

bool ValidPlayer(int player) { return player >= 1 && player <= kMaxPlayers; }

QPoint TextCorner(int x, int y) { return CellRect(x, y).topLeft() + QPoint(kTextIndent, 0); }

struct NormalBrickLook {
  QColor fill;
  bool framed;
};

// A brick laid by a snake keeps its snake's colour and is framed like the
// snakes are; every other normal brick takes the level's brick colour.
NormalBrickLook LookOfNormalBrick(const GameModel& model, int x, int y) {
  const BoardCell& cell = model.LevelGrid.at(x, y);
  if (cell.Extra[0] == SnakeBrickMark) return {ToQColor(static_cast<Color>(cell.Content)), model.Settings.SnakeFrame};
  return {ToQColor(BrickColorAt(model, x, y)), model.Settings.BrickFrame};
}

}  // namespace

BoardPainter::BoardPainter(const GameModel& model, Surfaces& surfaces, ReportView& report)
    : model_(model),
      surfaces_(surfaces),
      report_(report),
      characterFont_([] { return SmallBoldFont(kCharacterCellHeight); }),
      numberFont_([] { return SmallBoldFont(kNumberCellHeight); }) {}

void BoardPainter::DrawNormalBrick(int x, int y) {
  if (!OnField(x, y)) return;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  const NormalBrickLook look = LookOfNormalBrick(model_, x, y);
  PaintSquare(painting.painter(), x, y, look.fill, look.framed);
  painting.changed(CellRect(x, y));
}

void BoardPainter::PaintRoundCell(int x, int y, Color fill, int cornerEllipse) {
  if (!OnField(x, y)) return;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  painting.painter().drawImage(CellRect(x, y).topLeft(), stamps_.Rounded(ToQColor(fill), cornerEllipse));
  painting.changed(CellRect(x, y));
}

void BoardPainter::DrawDoorBrick(int x, int y) { PaintRoundCell(x, y, model_.Settings.BrickColors[kDoorColor], kDisc); }

void BoardPainter::DrawInOutBrick(int x, int y) {
  PaintRoundCell(x, y, model_.Settings.BrickColors[kInOutColor], kDisc);
}

// The only kind drawn on an erased cell: a pushed rebound brick must not
// keep the corners of the snake or brick it was pushed onto.
void BoardPainter::DrawReboundBrick(int x, int y) {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  ClearBrick(x, y);
  PaintRoundCell(x, y, model_.Settings.BrickColors[kReboundColor], kRoundedCorner);
}

// The cell holds the character's code minus 128, modulo 256.
void BoardPainter::DrawCharacterBrick(int x, int y) {
  DrawCharacterBrickShowing(x, y, static_cast<std::uint8_t>(model_.LevelGrid.at(x, y).Extra[0] + 128));
}

// The character's text cell is one pixel taller than the brick and reaches
// into the row below.
void BoardPainter::DrawCharacterBrickShowing(int x, int y, std::uint8_t code) {
  if (!OnField(x, y)) return;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  DrawNormalBrick(x, y);
  const QString character(QChar::fromLatin1(static_cast<char>(code)));
  painting.changed(PaintText(painting.painter(), TextCorner(x, y), character, characterFont_.get(), Qt::white,
                             LookOfNormalBrick(model_, x, y).fill));
}

void BoardPainter::DrawScoreBrick(int x, int y) {
  PaintRoundCell(x, y, model_.Settings.BrickColors[kScoreColor], kRoundedCorner);
}

void BoardPainter::DrawLifeBrick(int x, int y) {
  PaintRoundCell(x, y, model_.Settings.BrickColors[kLifeColor], kRoundedCorner);
}

void BoardPainter::DrawBricks() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  for (int x = 0; x < kGridColumns; ++x) {
    for (int y = 0; y < kGridRows; ++y) {
      const BoardCell& cell = model_.LevelGrid.at(x, y);
      if (cell.Occupied != 0) DrawCellByKind(*this, x, y, cell.Content);
    }
  }
}

void BoardPainter::ClearBrick(int x, int y) {
  if (!OnField(x, y)) return;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  painting.painter().fillRect(CellRect(x, y), ToQColor(model_.Settings.BackColor));
  painting.changed(CellRect(x, y));
}

void BoardPainter::ClearBoard() {
  Surfaces::Painting painting(surfaces_, Surface::Field);
  const QRect field(0, 0, kFieldWidth, kFieldHeight);
  painting.painter().fillRect(field, ToQColor(model_.Settings.BackColor));
  painting.changed(field);
}

void BoardPainter::DrawNumber() {
  const int x = model_.TargetX;
  const int y = model_.TargetY;
  if (!OnField(x, y)) return;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  PaintRoundCell(x, y, RgbColor(0, 0, 0), kTargetCorner);
  painting.changed(PaintText(painting.painter(), TextCorner(x, y), QString::number(model_.TargetNumber),
                             numberFont_.get(), Qt::white, Qt::black));
}

void BoardPainter::PaintSegment(Surfaces::Painting& painting, int player, int entry) {
  const PlayerState& snake = model_.Players[player];
  const int x = snake.BodyX[entry];
  const int y = snake.BodyY[entry];
  if (!OnField(x, y)) return;
  PaintSquare(painting.painter(), x, y, ToQColor(snake.Color), model_.Settings.SnakeFrame);
  painting.changed(CellRect(x, y));
}

void BoardPainter::DrawSnake(int player) {
  if (!ValidPlayer(player)) return;
  {
    Surfaces::Painting painting(surfaces_, Surface::Field);
    PaintSegment(painting, player, 1);
  }
  report_.ShowScore(player);
}

// Entry Length is the cell the last step erased; it is no part of the snake.
void BoardPainter::DrawWholeSnake(int player) {
  if (!ValidPlayer(player)) return;
  Surfaces::Painting painting(surfaces_, Surface::Field);
  const int lastEntry = std::min(model_.Players[player].Length - 1, kBodyCapacity);
  for (int entry = 1; entry <= lastEntry; ++entry) PaintSegment(painting, player, entry);
}

}  // namespace coilrun
