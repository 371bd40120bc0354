#include "shell/editor/field_tools.h"

#include <algorithm>

namespace coilrun {

namespace {

bool Shaped(EditTool tool) {
  return tool == EditTool::Line || tool == EditTool::Rectangle || tool == EditTool::FilledRectangle;
}

bool HasParameters(int kind) { return kind == DoorBrick || kind == InOutBrick || kind == CharacterBrick; }

FieldCell OntoField(FieldCell cell) {
  return {std::clamp(cell.x, 0, kFieldColumns - 1), std::clamp(cell.y, 0, kFieldRows - 1)};
}

}  // namespace

FieldTools::FieldTools(LevelDocument& document, QObject* parent) : QObject(parent), document_(document) {
  // A selection belongs to the level it was made on, and so does a gesture:
  // the window finishes one before it changes the level, so one that is
  // still going here has lost its level and is dropped.
  connect(&document_, &LevelDocument::CurrentIndexChanged, this, [this] {
    active_ = false;
    before_.clear();
    shape_.clear();
    Select(std::nullopt);
  });
}

void FieldTools::SetTool(EditTool tool) {
  FinishGesture();
  tool_ = tool;
}

void FieldTools::Press(FieldCell cell, bool erase) {
  if (active_ || !OnField(cell.x, cell.y) || document_.currentIndex() < 0) return;
  if (pick_) {
    erase ? StopPick() : PickAt(cell);
    return;
  }
  if (tool_ == EditTool::Select) {
    if (!erase) Select(cell);
    return;
  }
  active_ = true;
  erasing_ = erase || tool_ == EditTool::Eraser || kind_ == 0;
  leftPressCell_ = false;
  level_ = document_.currentIndex();
  anchor_ = last_ = cell;
  before_.clear();
  shape_.clear();
  if (tool_ == EditTool::FloodFill) {
    Paint(FloodFillCells(document_.current(), cell));
  } else {
    Paint({cell});
    if (Shaped(tool_)) shape_ = {cell};
  }
}

void FieldTools::Move(FieldCell cell) {
  if (!active_) return;
  if (cell != last_) leftPressCell_ = true;
  if (tool_ == EditTool::Pencil || tool_ == EditTool::Eraser) {
    // Fast strokes skip cells between two mouse events; the line between
    // them fills the gap.
    Paint(LineCells(last_, cell));
  } else if (Shaped(tool_) && cell != last_) {
    TakeBackShape();
    const FieldCell end = OntoField(cell);
    shape_ = tool_ == EditTool::Line ? LineCells(anchor_, end)
                                     : RectangleCells(anchor_, end, tool_ == EditTool::FilledRectangle);
    Paint(shape_);
  }
  last_ = cell;
}

void FieldTools::Release() {
  if (!active_) return;
  active_ = false;
  std::vector<CellChange> changes;
  for (const auto& [where, before] : before_) {
    changes.push_back({where.first, where.second, before, document_.current().at(where.first, where.second)});
  }
  before_.clear();
  shape_.clear();
  document_.ChangeCells(level_, std::move(changes), GestureName(), true);
  // A click with the pencil shows the brick in the panel; a new door or
  // in-out brick then asks for the cells it works on.
  if (tool_ == EditTool::Pencil && !erasing_ && !leftPressCell_) {
    Select(anchor_);
    const int kind = document_.current().at(anchor_.x, anchor_.y).Kind;
    if (kind == DoorBrick) StartPick(0);
    if (kind == InOutBrick) StartPick(kDestinationSlot);
  }
}

void FieldTools::Cancel() {
  if (pick_) {
    StopPick();
    return;
  }
  if (!active_) return;
  std::vector<CellChange> changes;
  for (const auto& [where, before] : before_) changes.push_back({where.first, where.second, before, before});
  document_.ApplyCells(level_, changes, false);
  active_ = false;
  before_.clear();
  shape_.clear();
}

void FieldTools::FinishGesture() {
  if (active_) Release();
}

void FieldTools::Select(std::optional<FieldCell> cell) {
  if (cell && !OnField(cell->x, cell->y)) cell.reset();
  StopPick();
  if (cell == selected_) return;
  selected_ = cell;
  emit SelectionChanged();
}

void FieldTools::StartPick(int slot) {
  if (!selected_) return;
  const int kind = document_.current().at(selected_->x, selected_->y).Kind;
  const bool fits =
      (kind == DoorBrick && slot >= 0 && slot < kDoorCellSlots) || (kind == InOutBrick && slot == kDestinationSlot);
  if (!fits) return;
  pick_ = slot;
  emit PickChanged();
}

void FieldTools::StopPick() {
  if (!pick_) return;
  pick_.reset();
  emit PickChanged();
}

DesignCell FieldTools::BrushFor(FieldCell cell) const {
  DesignCell brush{.Kind = erasing_ ? 0 : kind_};
  // A new door works on its own cell and an in-out brick leads to itself
  // until the player picks better; the checks say so meanwhile.
  if (brush.Kind == DoorBrick) {
    for (int slot = 0; slot < kDoorCellSlots; ++slot) {
      brush.Extra[2 * slot] = static_cast<std::uint8_t>(cell.x);
      brush.Extra[2 * slot + 1] = static_cast<std::uint8_t>(cell.y);
    }
  } else if (brush.Kind == InOutBrick) {
    brush.Extra[0] = static_cast<std::uint8_t>(cell.x);
    brush.Extra[1] = static_cast<std::uint8_t>(cell.y);
  } else if (brush.Kind == CharacterBrick) {
    brush.Extra[0] = static_cast<std::uint8_t>(newCharacter_ - 128);
  }
  return brush;
}

void FieldTools::Paint(const std::vector<FieldCell>& cells) {
  std::vector<CellChange> changes;
  for (const FieldCell cell : cells) {
    if (!OnField(cell.x, cell.y)) continue;
    const DesignCell now = document_.current().at(cell.x, cell.y);
    before_.try_emplace({cell.x, cell.y}, now);
    DesignCell brush = BrushFor(cell);
    // Drawing over a brick of the same kind keeps the parameters it has.
    if (HasParameters(brush.Kind) && now.Kind == brush.Kind) brush = now;
    if (brush != now) changes.push_back({cell.x, cell.y, now, brush});
  }
  if (!changes.empty()) document_.ApplyCells(level_, changes, true);
}

void FieldTools::TakeBackShape() {
  std::vector<CellChange> changes;
  for (const FieldCell cell : shape_) {
    const auto before = before_.find({cell.x, cell.y});
    if (before == before_.end()) continue;
    changes.push_back({cell.x, cell.y, before->second, before->second});
  }
  if (!changes.empty()) document_.ApplyCells(level_, changes, true);
  shape_.clear();
}

void FieldTools::PickAt(FieldCell cell) {
  const int slot = *pick_;
  if (!selected_) return StopPick();
  const FieldCell brick = *selected_;
  const DesignCell before = document_.current().at(brick.x, brick.y);
  DesignCell after = before;
  QString name;
  if (before.Kind == DoorBrick && slot < kDoorCellSlots) {
    after.Extra[2 * slot] = static_cast<std::uint8_t>(cell.x);
    after.Extra[2 * slot + 1] = static_cast<std::uint8_t>(cell.y);
    name = QStringLiteral("Door cell %1").arg(slot + 1);
  } else if (before.Kind == InOutBrick && slot == kDestinationSlot) {
    after.Extra[0] = static_cast<std::uint8_t>(cell.x);
    after.Extra[1] = static_cast<std::uint8_t>(cell.y);
    name = QStringLiteral("In-out destination");
  } else {
    return StopPick();
  }
  document_.ChangeCells(document_.currentIndex(), {{brick.x, brick.y, before, after}}, name);
  // A door's cells are picked one after the other.
  if (before.Kind == DoorBrick && slot + 1 < kDoorCellSlots) {
    pick_ = slot + 1;
    emit PickChanged();
  } else {
    StopPick();
  }
}

QString FieldTools::GestureName() const {
  switch (tool_) {
    case EditTool::Line: return erasing_ ? QStringLiteral("Erase line") : QStringLiteral("Line");
    case EditTool::Rectangle: return erasing_ ? QStringLiteral("Erase rectangle") : QStringLiteral("Rectangle");
    case EditTool::FilledRectangle:
      return erasing_ ? QStringLiteral("Erase filled rectangle") : QStringLiteral("Filled rectangle");
    case EditTool::FloodFill: return erasing_ ? QStringLiteral("Erase area") : QStringLiteral("Flood fill");
    case EditTool::Eraser: return QStringLiteral("Eraser");
    default: return erasing_ ? QStringLiteral("Erase") : QStringLiteral("Pencil");
  }
}

}  // namespace coilrun
