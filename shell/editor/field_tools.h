// What the mouse does on the field: the drawing tools with the brick of the
// palette (the left button draws, the right one erases), the selection of a
// cell, and the picking of a door's cells and an in-out brick's
// destination. Every gesture, a whole drag included, is one undo step.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "formats/level_design.h"
#include "shell/editor/drawing_tools.h"
#include "shell/editor/level_document.h"

namespace coilrun {

enum class EditTool { Select, Pencil, Line, Rectangle, FilledRectangle, FloodFill, Eraser };

// The slots a pick fills: a door's four cells, then an in-out brick's
// destination.
constexpr int kDoorCellSlots = 4;
constexpr int kDestinationSlot = kDoorCellSlots;

class FieldTools : public QObject {
  Q_OBJECT

 public:
  explicit FieldTools(LevelDocument& document, QObject* parent = nullptr);

  EditTool tool() const { return tool_; }
  void SetTool(EditTool tool);
  // 0 for the empty cell, else a BrickKind.
  int paletteKind() const { return kind_; }
  void SetPaletteKind(int kind) { kind_ = kind; }
  // The Latin-1 code new character bricks show.
  std::uint8_t newCharacter() const { return newCharacter_; }
  void SetNewCharacter(std::uint8_t code) { newCharacter_ = code; }

  // The mouse on a cell; during a drag the cell may lie off the field.
  void Press(FieldCell cell, bool erase);
  void Move(FieldCell cell);
  void Release();
  // Esc: a pick stops, a gesture in progress is taken back.
  void Cancel();
  // A gesture in progress becomes its undo step now, before an undo or
  // another level.
  void FinishGesture();

  std::optional<FieldCell> selected() const { return selected_; }
  void Select(std::optional<FieldCell> cell);
  // The slot the next click on the field fills, if any.
  std::optional<int> pickSlot() const { return pick_; }
  void StartPick(int slot);
  void StopPick();

 signals:
  void SelectionChanged();
  void PickChanged();

 private:
  DesignCell BrushFor(FieldCell cell) const;
  // Puts the brush on the cells now, remembering what each held first.
  void Paint(const std::vector<FieldCell>& cells);
  // Puts back what the shape drawn so far covered.
  void TakeBackShape();
  void PickAt(FieldCell cell);
  QString GestureName() const;

  LevelDocument& document_;
  EditTool tool_ = EditTool::Pencil;
  int kind_ = NormalBrick;
  std::uint8_t newCharacter_ = 'A';

  bool active_ = false;
  bool erasing_ = false;
  bool leftPressCell_ = false;
  int level_ = -1;
  FieldCell anchor_;
  FieldCell last_;
  std::map<std::pair<int, int>, DesignCell> before_;
  std::vector<FieldCell> shape_;

  std::optional<FieldCell> selected_;
  std::optional<int> pick_;
};

}  // namespace coilrun
