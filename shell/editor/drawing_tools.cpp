#include "shell/editor/drawing_tools.h"

#include <algorithm>
#include <cstdlib>

namespace coilrun {

std::vector<FieldCell> LineCells(FieldCell from, FieldCell to) {
  // Bresenham's line, which steps one cell at a time along the longer axis.
  std::vector<FieldCell> cells;
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int stepX = from.x < to.x ? 1 : -1;
  const int stepY = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  FieldCell cell = from;
  for (;;) {
    cells.push_back(cell);
    if (cell == to) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      cell.x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      cell.y += stepY;
    }
  }
  return cells;
}

std::vector<FieldCell> RectangleCells(FieldCell a, FieldCell b, bool filled) {
  const int left = std::min(a.x, b.x);
  const int right = std::max(a.x, b.x);
  const int top = std::min(a.y, b.y);
  const int bottom = std::max(a.y, b.y);
  std::vector<FieldCell> cells;
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      if (filled || y == top || y == bottom || x == left || x == right) cells.push_back({x, y});
    }
  }
  return cells;
}

std::vector<FieldCell> FloodFillCells(const LevelDesign& level, FieldCell start) {
  std::vector<FieldCell> cells;
  if (!OnField(start.x, start.y)) return cells;
  const int kind = level.at(start.x, start.y).Kind;
  std::array<std::array<bool, kFieldRows>, kFieldColumns> seen{};
  std::vector<FieldCell> pending{start};
  seen[start.x][start.y] = true;
  while (!pending.empty()) {
    const FieldCell cell = pending.back();
    pending.pop_back();
    cells.push_back(cell);
    for (const FieldCell next : {FieldCell{cell.x - 1, cell.y}, FieldCell{cell.x + 1, cell.y},
                                 FieldCell{cell.x, cell.y - 1}, FieldCell{cell.x, cell.y + 1}}) {
      if (!OnField(next.x, next.y) || seen[next.x][next.y] || level.at(next.x, next.y).Kind != kind) continue;
      seen[next.x][next.y] = true;
      pending.push_back(next);
    }
  }
  return cells;
}

}  // namespace coilrun
