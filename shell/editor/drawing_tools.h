// The cells each drawing tool of the level editor covers. Plain C++: the
// editor's tools and its tests share these, and a shape is decided here
// once, not again in the mouse handling.
#pragma once

#include <vector>

#include "formats/level_design.h"

namespace coilrun {

struct FieldCell {
  int x = 0;
  int y = 0;
  friend bool operator==(const FieldCell&, const FieldCell&) = default;
};

// From one end to the other, both included, without gaps: each cell
// touches the one before it by a side or a corner.
std::vector<FieldCell> LineCells(FieldCell from, FieldCell to);
// The rectangle with corners a and b: its outline, or every cell in it.
std::vector<FieldCell> RectangleCells(FieldCell a, FieldCell b, bool filled);
// The cells of the field reached from `start` through cells of its kind,
// side by side (not across corners, where a snake cannot pass either).
// Empty when `start` lies off the field.
std::vector<FieldCell> FloodFillCells(const LevelDesign& level, FieldCell start);

}  // namespace coilrun
